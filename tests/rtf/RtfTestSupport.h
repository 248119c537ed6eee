// Helpers shared by the RTF codec's tests.
#pragma once

#include "rtf/Rtf.h"

#include <QFile>
#include <QString>
#include <QTextDocument>
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

inline QString DataDir()
{
    return QStringLiteral(DAYLOOM_SOURCE_DIR "/tests/data/rtf");
}

} // namespace rtftest
