// Helpers shared by the RTF codec's tests.
#pragma once

#include "rtf/Rtf.h"
#include "rtf/RtfPicture.h"

#include <QFile>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// Readable failure messages for QString comparisons.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace rtftest {

inline std::string ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

inline QString DocumentText(std::string_view rtf)
{
    QTextDocument document;
    RtfToDocument(rtf, document);
    return document.toPlainText();
}

// What every written entry must be: seven-bit bytes without a zero.
inline bool IsSevenBitWithoutZero(const std::string& rtf)
{
    return std::all_of(rtf.begin(), rtf.end(), [](unsigned char c) { return c != 0 && c < 0x80; });
}

// Reads into `document`, checks the plain text agrees with it, writes, and
// checks the written RTF reads back to the same bytes.
inline std::string ReadAndWrite(std::string_view rtf, QTextDocument& document)
{
    RtfToDocument(rtf, document);
    EXPECT_EQ(RtfToPlainText(rtf), document.toPlainText());
    const std::string written = DocumentToRtf(document);
    EXPECT_TRUE(IsSevenBitWithoutZero(written));
    QTextDocument again;
    RtfToDocument(written, again);
    EXPECT_EQ(DocumentToRtf(again), written);
    return written;
}

// What the editor can change about a document, a line per paragraph: its
// alignment, margins (left, right, first line, before, after) and tab stops,
// then each run of text with its font, size, effects, vertical alignment and
// colours.
inline std::string Describe(const QTextDocument& document)
{
    std::ostringstream out;
    out.precision(10);
    const auto colour = [&out](const QTextCharFormat& f, QTextFormat::Property brush,
                               const char* name) {
        if (f.hasProperty(brush)) {
            out << ' ' << name << ' '
                << f.brushProperty(brush).color().name(QColor::HexArgb).toStdString();
        }
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        out << "align " << int(b.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignLeft)
            << " margins " << b.leftMargin() << ' ' << b.rightMargin() << ' ' << b.textIndent()
            << ' ' << b.topMargin() << ' ' << b.bottomMargin() << " tabs";
        for (const QTextOption::Tab& tab : b.tabPositions()) {
            out << ' ' << tab.position << '/' << tab.type << '/' << int(tab.delimiter.unicode());
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            out << " [" << it.fragment().text().toStdString() << "] "
                << f.property(QTextFormat::FontFamilies).toStringList().value(0).toStdString()
                << ' ' << f.fontPointSize();
            if (f.fontWeight() != QFont::Normal) {
                out << " weight " << f.fontWeight();
            }
            out << (f.fontItalic() ? " i" : "") << (f.fontUnderline() ? " ul" : "")
                << (f.fontStrikeOut() ? " strike" : "") << " vert " << f.verticalAlignment();
            colour(f, QTextFormat::ForegroundBrush, "fg");
            colour(f, QTextFormat::BackgroundBrush, "bg");
        }
        out << '\n';
    }
    return out.str();
}

// The pictures of a document, as the entry stores them.
inline std::vector<RtfPicture> Pictures(const QTextDocument& document)
{
    std::vector<RtfPicture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                const auto picture = RtfPicture::FromFormat(format.toImageFormat());
                EXPECT_TRUE(picture.has_value()) << "an image the entry cannot store";
                if (picture) {
                    pictures.push_back(*picture);
                }
            }
        }
    }
    return pictures;
}

} // namespace rtftest
