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

inline QString DataDir()
{
    return QStringLiteral(DAYLOOM_SOURCE_DIR "/tests/data/rtf");
}

} // namespace rtftest
