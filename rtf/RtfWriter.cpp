#include "rtf/RtfWriter.h"

#include "rtf/PictureImport.h"
#include "rtf/RtfDocumentSink.h"
#include "rtf/RtfPicture.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype kMaxFontName = 255;

long long Twips(double units)
{
    return std::llround(std::clamp(units * CRtfDocumentSink::kTwipsPerUnit, -100000.0, 100000.0));
}

// Characters that have no place in RTF text: controls, Qt's frame markers
// and the object replacement character of pictures.
bool IsDropped(char16_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c == 0x2029;
}

} // namespace

CRtfWriter::CRtfWriter(const QTextDocument& document) : m_document(document)
{
    const QFont font = document.defaultFont();
    m_strDefaultFamily = CleanFontName(font.family());
    if (m_strDefaultFamily.isEmpty()) {
        m_strDefaultFamily = QStringLiteral("Arial");
    }
    if (font.pointSizeF() > 0) {
        m_nDefaultHalfPoints = int(std::clamp<long>(std::lround(font.pointSizeF() * 2), 2, 3276));
    }
}

QString CRtfWriter::CleanFontName(const QString& name)
{
    QString clean;
    for (qsizetype i = 0; i < name.size() && clean.size() < kMaxFontName; ++i) {
        const QChar c = name.at(i);
        if (c == u';' || c == u'{' || c == u'}' || c == u'\\' || c.unicode() < 0x20) {
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            clean.append(c);
            clean.append(name.at(++i));
        } else if (c.isSurrogate()) {
            clean.append(QChar(0xFFFD));
        } else {
            clean.append(c);
        }
    }
    return clean.trimmed();
}

int CRtfWriter::FontIndex(const QTextCharFormat& format)
{
    QString family;
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty()) {
        family = families.constFirst();
    } else {
        family = format.property(QTextFormat::FontFamily).toString();
    }
    family = CleanFontName(family);
    if (family.isEmpty()) {
        family = m_strDefaultFamily;
    }
    auto found = std::find(m_fonts.begin(), m_fonts.end(), family);
    if (found != m_fonts.end()) {
        return int(found - m_fonts.begin());
    }
    m_fonts.push_back(family);
    return int(m_fonts.size() - 1);
}

int CRtfWriter::ColourIndex(QRgb colour)
{
    colour = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    auto found = std::find(m_colours.begin(), m_colours.end(), colour);
    if (found == m_colours.end()) {
        m_colours.push_back(colour);
        found = m_colours.end() - 1;
    }
    // Index 0 of the table is the automatic colour.
    return int(found - m_colours.begin()) + 1;
}

CRtfWriter::Style CRtfWriter::StyleOf(const QTextCharFormat& format)
{
    Style style;
    style.font = FontIndex(format);
    const double points = format.fontPointSize();
    style.halfPoints =
        points > 0 ? int(std::clamp<long>(std::lround(points * 2), 2, 3276)) : m_nDefaultHalfPoints;
    style.bold = format.fontWeight() >= QFont::DemiBold;
    style.italic = format.fontItalic();
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    if (format.hasProperty(QTextFormat::TextUnderlineStyle)) {
        underline = format.underlineStyle();
    } else if (format.boolProperty(QTextFormat::FontUnderline)) {
        underline = QTextCharFormat::SingleUnderline;
    }
    style.underline = underline != QTextCharFormat::NoUnderline &&
                      underline != QTextCharFormat::SpellCheckUnderline;
    style.strike = format.fontStrikeOut();
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush) {
        style.foreground = ColourIndex(format.foreground().color().rgb());
    }
    if (format.hasProperty(QTextFormat::BackgroundBrush) &&
        format.background().style() != Qt::NoBrush) {
        style.background = ColourIndex(format.background().color().rgb());
    }
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        style.vertical = 1;
        break;
    case QTextCharFormat::AlignSubScript:
        style.vertical = -1;
        break;
    default:
        break;
    }
    return style;
}

void CRtfWriter::WriteWord(const char* word)
{
    m_body += '\\';
    m_body += word;
    m_bDelimit = true;
}

void CRtfWriter::WriteWord(const char* word, long long value)
{
    WriteWord(word);
    m_body += std::to_string(value);
}

void CRtfWriter::WriteLiteral(char c)
{
    // A control word swallows a following letter, digit, hyphen or space.
    if (m_bDelimit && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == ' ' || c == '-')) {
        m_body += ' ';
    }
    m_bDelimit = false;
    m_body += c;
}

void CRtfWriter::WriteUnicode(char16_t c, std::string& out)
{
    // \u takes a signed 16-bit number; the '?' is the fallback for readers
    // without Unicode (\uc1).
    out += "\\u";
    out += std::to_string(c > 0x7FFF ? int(c) - 0x10000 : int(c));
    out += '?';
}

void CRtfWriter::WriteStyle(const Style& style)
{
    WriteWord("plain");
    WriteWord("f", style.font);
    WriteWord("fs", style.halfPoints);
    if (style.bold) {
        WriteWord("b");
    }
    if (style.italic) {
        WriteWord("i");
    }
    if (style.underline) {
        WriteWord("ul");
    }
    if (style.strike) {
        WriteWord("strike");
    }
    if (style.vertical > 0) {
        WriteWord("super");
    } else if (style.vertical < 0) {
        WriteWord("sub");
    }
    if (style.foreground != 0) {
        WriteWord("cf", style.foreground);
    }
    if (style.background != 0) {
        WriteWord("highlight", style.background);
    }
    m_current = style;
    m_bHaveStyle = true;
}

bool CRtfWriter::WriteRun(QStringView text, const Style& style)
{
    bool wrote = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (IsDropped(c)) {
            continue;
        }
        if (!wrote) {
            wrote = true;
            if (!m_bHaveStyle || !(style == m_current)) {
                WriteStyle(style);
            }
        }
        if (c >= 0x20 && c < 0x7F) {
            if (c == u'\\' || c == u'{' || c == u'}') {
                m_body += '\\';
                m_body += char(c);
                m_bDelimit = false;
            } else {
                WriteLiteral(char(c));
            }
        } else if (c == u'\t') {
            WriteWord("tab");
        } else if (c == QChar::LineSeparator) {
            WriteWord("line");
        } else if (c == QChar::Nbsp) {
            m_body += "\\~";
            m_bDelimit = false;
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            WriteUnicode(c, m_body);
            WriteUnicode(text[++i].unicode(), m_body);
            m_bDelimit = false;
        } else {
            if (QChar::isSurrogate(c)) {
                c = 0xFFFD; // half a pair cannot be read back
            }
            WriteUnicode(c, m_body);
            m_bDelimit = false;
        }
    }
    return wrote;
}

void CRtfWriter::WriteParagraph(const QTextBlock& block)
{
    const QTextBlockFormat format = block.blockFormat();
    WriteWord("pard");
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter) {
        WriteWord("qc");
    } else if (align & Qt::AlignJustify) {
        WriteWord("qj");
    } else if (align & Qt::AlignRight) {
        WriteWord("qr");
    }
    if (const long long twips = Twips(format.leftMargin())) {
        WriteWord("li", twips);
    }
    if (const long long twips = Twips(format.rightMargin())) {
        WriteWord("ri", twips);
    }
    if (const long long twips = Twips(format.textIndent())) {
        WriteWord("fi", twips);
    }
    if (const long long twips = Twips(format.topMargin()); twips > 0) {
        WriteWord("sb", twips);
    }
    if (const long long twips = Twips(format.bottomMargin()); twips > 0) {
        WriteWord("sa", twips);
    }
    const QList<QTextOption::Tab> tabs = format.tabPositions();
    for (qsizetype i = 0; i < std::min<qsizetype>(tabs.size(), 32); ++i) {
        switch (tabs[i].type) {
        case QTextOption::RightTab:
            WriteWord("tqr");
            break;
        case QTextOption::CenterTab:
            WriteWord("tqc");
            break;
        case QTextOption::DelimiterTab:
            WriteWord("tqdec");
            break;
        case QTextOption::LeftTab:
            break;
        }
        WriteWord("tx", std::max(0LL, Twips(tabs[i].position)));
    }

    bool wrote = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) {
            continue;
        }
        const QString text = fragment.text();
        if (fragment.charFormat().isImageFormat()) {
            const QTextImageFormat image = fragment.charFormat().toImageFormat();
            for (const QChar c : text) {
                if (c == QChar::ObjectReplacementCharacter) {
                    wrote = WritePicture(image) || wrote;
                }
            }
            continue;
        }
        wrote = WriteRun(text, StyleOf(fragment.charFormat())) || wrote;
    }
    if (!wrote) {
        // The format of an empty line decides its height.
        const Style style = StyleOf(block.charFormat());
        if (!m_bHaveStyle || !(style == m_current)) {
            WriteStyle(style);
        }
    }
    WriteWord("par");
    m_body += '\n';
    m_bDelimit = false;
}

bool CRtfWriter::WritePicture(const QTextImageFormat& format)
{
    std::optional<RtfPicture> picture = RtfPicture::FromFormat(format);
    if (!picture) {
        // An image that came in some other way (pasted HTML): stored as PNG
        // if the document can give its pixels.
        const QVariant resource =
            m_document.resource(QTextDocument::ImageResource, QUrl(format.name()));
        QImage image;
        if (resource.userType() == QMetaType::QImage) {
            image = resource.value<QImage>();
        } else if (resource.userType() == QMetaType::QByteArray) {
            image.loadFromData(resource.toByteArray());
        }
        PictureImport imported = PictureImport::FromImage(image);
        if (imported.status != PictureImport::Ok) {
            return false;
        }
        picture = std::move(imported.picture);
    }
    if (picture->kind == RtfPicture::Other) {
        m_body.append(picture->group.constData(), size_t(picture->group.size()));
        m_bDelimit = false;
        return true;
    }
    m_body += "{\\pict";
    m_body += picture->kind == RtfPicture::Png ? "\\pngblip" : "\\jpegblip";
    const auto word = [this](const char* name, int value) {
        if (value > 0) {
            m_body += '\\';
            m_body += name;
            m_body += std::to_string(value);
        }
    };
    word("picw", picture->pixelWidth);
    word("pich", picture->pixelHeight);
    word("picwgoal", picture->goalWidth);
    word("pichgoal", picture->goalHeight);
    const QByteArray hex = picture->data.toHex();
    constexpr qsizetype kLine = 128;
    for (qsizetype i = 0; i < hex.size(); i += kLine) {
        m_body += '\n';
        m_body.append(hex.constData() + i, size_t(std::min(kLine, hex.size() - i)));
    }
    m_body += '}';
    m_bDelimit = false;
    return true;
}

std::string CRtfWriter::Write()
{
    m_fonts.clear();
    m_colours.clear();
    m_body.clear();
    m_bHaveStyle = false;
    m_bDelimit = false;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        WriteParagraph(block);
    }
    if (m_fonts.empty()) {
        m_fonts.push_back(m_strDefaultFamily);
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        for (QChar c : m_fonts[i]) {
            if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
                out += char(c.unicode());
            } else {
                WriteUnicode(c.unicode(), out);
            }
        }
        out += ";}";
    }
    out += "}\n";
    if (!m_colours.empty()) {
        out += "{\\colortbl ;";
        for (QRgb colour : m_colours) {
            out += "\\red" + std::to_string(qRed(colour)) + "\\green" +
                   std::to_string(qGreen(colour)) + "\\blue" + std::to_string(qBlue(colour)) + ';';
        }
        out += "}\n";
    }
    out += "\\viewkind4\\uc1\n";
    out += m_body;
    out += "}\n";
    return out;
}
