#pragma once

#include "rtf/RtfReader.h"

#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

// Builds a QTextDocument from the reader's runs and paragraphs.
class CRtfDocumentSink : public CRtfReader::Sink
{
public:
    CRtfDocumentSink(QTextDocument& document, const CRtfReader& reader);

    void Text(QStringView text, const RtfCharState& format) override;
    void ParagraphEnd(const RtfParState& paragraph, const RtfCharState& format) override;
    void Finish(const RtfParState& paragraph, const RtfCharState& format) override;
    void Picture(const RtfPicture& picture, const RtfCharState& format) override;

    // One RTF twip in document units (pixels at 96 dots per inch).
    static constexpr double kTwipsPerUnit = 15.0;

private:
    void FlushRun();
    const QTextCharFormat& CharFormat(const RtfCharState& state);
    QTextBlockFormat BlockFormat(const RtfParState& state) const;
    void EndBlock(const RtfParState& paragraph, const RtfCharState& format);

    QTextCursor m_cursor;
    const CRtfReader& m_reader;
    QString m_strRun;
    RtfCharState m_runState;
    QTextCharFormat m_format;
    RtfCharState m_formatState;
    bool m_bFormatValid = false;
};
