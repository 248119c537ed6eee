// Helpers shared by the RTF codec's tests.
#pragma once

#include "rtf/Rtf.h"

#include <QFile>
#include <QString>
#include <QTextDocument>
#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>

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

inline QString DataDir()
{
    return QStringLiteral(DAYLOOM_SOURCE_DIR "/tests/data/rtf");
}

} // namespace rtftest
