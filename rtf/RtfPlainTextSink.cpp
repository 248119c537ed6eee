#include "rtf/RtfPlainTextSink.h"

void CRtfPlainTextSink::Text(QStringView text, const RtfCharState&)
{
    m_strText.append(text);
}

void CRtfPlainTextSink::ParagraphEnd(const RtfParState&, const RtfCharState&)
{
    m_strText.append(u'\n');
}

void CRtfPlainTextSink::Finish(const RtfParState&, const RtfCharState&)
{
    // The document shows line breaks as new lines and no-break spaces as
    // spaces in its plain text.
    for (QChar& c : m_strText) {
        if (c == QChar::LineSeparator) {
            c = u'\n';
        } else if (c == QChar::Nbsp) {
            c = u' ';
        }
    }
}

void CRtfPlainTextSink::Picture(const RtfPicture&, const RtfCharState&)
{
    // The document's object replacement character.
    m_strText.append(QChar::ObjectReplacementCharacter);
}
