#include "rtf/RtfDocumentSink.h"

#include "rtf/PictureObject.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextOption>

CRtfDocumentSink::CRtfDocumentSink(QTextDocument& document, const CRtfReader& reader)
    : m_cursor(&document), m_reader(reader)
{
}

void CRtfDocumentSink::Text(QStringView text, const RtfCharState& format)
{
    if (!m_strRun.isEmpty() && !(format == m_runState)) {
        FlushRun();
    }
    m_runState = format;
    m_strRun.append(text);
}

void CRtfDocumentSink::ParagraphEnd(const RtfParState& paragraph, const RtfCharState& format)
{
    EndBlock(paragraph, format);
    m_cursor.insertBlock();
}

void CRtfDocumentSink::Finish(const RtfParState& paragraph, const RtfCharState& format)
{
    EndBlock(paragraph, format);
}

void CRtfDocumentSink::Picture(const RtfPicture& picture, const RtfCharState& format)
{
    FlushRun();
    // Only a document with a picture gets a layout for it: one made for
    // plain conversion (export, search, printing's text) would otherwise
    // lay out every line it is given.
    CPictureObject::Install(*m_cursor.document());
    QTextImageFormat image = picture.ToFormat();
    image.merge(CharFormat(format));
    m_cursor.insertImage(image);
}

void CRtfDocumentSink::EndBlock(const RtfParState& paragraph, const RtfCharState& format)
{
    FlushRun();
    m_cursor.setBlockFormat(BlockFormat(paragraph));
    // The paragraph mark's format sets the height of an empty line.
    m_cursor.setBlockCharFormat(CharFormat(format));
}

void CRtfDocumentSink::FlushRun()
{
    if (m_strRun.isEmpty()) {
        return;
    }
    m_cursor.insertText(m_strRun, CharFormat(m_runState));
    m_strRun.clear();
}

const QTextCharFormat& CRtfDocumentSink::CharFormat(const RtfCharState& state)
{
    if (m_bFormatValid && state == m_formatState) {
        return m_format;
    }
    QTextCharFormat format;
    if (const CRtfReader::Font* font = m_reader.FindFont(state.font)) {
        if (!font->name.isEmpty()) {
            format.setFontFamilies(QStringList{font->name});
        }
    }
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.bold) {
        format.setFontWeight(QFont::Bold);
    }
    if (state.italic) {
        format.setFontItalic(true);
    }
    if (state.underline) {
        format.setFontUnderline(true);
    }
    if (state.strike) {
        format.setFontStrikeOut(true);
    }
    if (const auto colour = m_reader.Colour(state.foreground)) {
        format.setForeground(QColor(*colour));
    }
    if (const auto colour = m_reader.Colour(state.background)) {
        format.setBackground(QColor(*colour));
    }
    if (state.vertical > 0) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (state.vertical < 0) {
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    }
    m_format = format;
    m_formatState = state;
    m_bFormatValid = true;
    return m_format;
}

QTextBlockFormat CRtfDocumentSink::BlockFormat(const RtfParState& state) const
{
    QTextBlockFormat format;
    switch (state.align) {
    case RtfParState::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case RtfParState::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case RtfParState::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    case RtfParState::Left:
        break;
    }
    if (state.leftIndent != 0) {
        format.setLeftMargin(state.leftIndent / kTwipsPerUnit);
    }
    if (state.rightIndent != 0) {
        format.setRightMargin(state.rightIndent / kTwipsPerUnit);
    }
    if (state.firstIndent != 0) {
        format.setTextIndent(state.firstIndent / kTwipsPerUnit);
    }
    if (state.spaceBefore != 0) {
        format.setTopMargin(state.spaceBefore / kTwipsPerUnit);
    }
    if (state.spaceAfter != 0) {
        format.setBottomMargin(state.spaceAfter / kTwipsPerUnit);
    }
    if (state.tabCount > 0) {
        QList<QTextOption::Tab> tabs;
        tabs.reserve(state.tabCount);
        for (int i = 0; i < state.tabCount; ++i) {
            const RtfTab& tab = state.tabs[size_t(i)];
            QTextOption::TabType type = QTextOption::LeftTab;
            switch (tab.kind) {
            case RtfTab::Right:
                type = QTextOption::RightTab;
                break;
            case RtfTab::Center:
                type = QTextOption::CenterTab;
                break;
            case RtfTab::Decimal:
                type = QTextOption::DelimiterTab;
                break;
            case RtfTab::Left:
                break;
            }
            tabs.append(
                QTextOption::Tab(tab.twips / kTwipsPerUnit, type,
                                 type == QTextOption::DelimiterTab ? QChar(u'.') : QChar()));
        }
        format.setTabPositions(tabs);
    }
    return format;
}
