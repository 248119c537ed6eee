#pragma once
// What the tests of the imports from other programs share: the hand-written
// sample exports, times as local text (the zone is pinned), a zip archive
// built from named members, and an imported entry's text, bold runs and
// pictures as the entry view would show them.

#include "rtf/Rtf.h"
#include "rtf/RtfPicture.h"
#include "store/TimeText.h"
#include "tests/support/WidgetTestSupport.h"

#include <QFile>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <ostream>
#include <string>
#include <utility>
#include <vector>
#include <zip.h>

// Failures print texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace importtest {

inline QString Sample(const QString& name)
{
    return QStringLiteral(DAYLOOM_SOURCE_DIR "/tests/data/import/") + name;
}

inline std::string When(int64_t time)
{
    return FormatTime("%Y-%m-%d %H:%M:%S", time);
}

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

// A zip archive at `path` holding the members, in order.
inline bool MakeZip(const QString& path,
                    const std::vector<std::pair<std::string, QByteArray>>& members)
{
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        return false;
    }
    for (const auto& [name, bytes] : members) {
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(),
                                                 static_cast<zip_uint64_t>(bytes.size()), 0);
        if (zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

// The pictures of an entry's RTF, in order, as the entry view reads them.
inline std::vector<RtfPicture> PicturesOf(const std::string& rtf)
{
    QTextDocument document;
    RtfToDocument(rtf, document);
    std::vector<RtfPicture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                if (auto picture =
                        RtfPicture::FromFormat(it.fragment().charFormat().toImageFormat())) {
                    pictures.push_back(std::move(*picture));
                }
            }
        }
    }
    return pictures;
}

// The words of an entry's RTF that are bold, joined by "|".
inline QString BoldRuns(const std::string& rtf)
{
    QTextDocument document;
    RtfToDocument(rtf, document);
    QStringList runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold) {
                runs.append(it.fragment().text());
            }
        }
    }
    return runs.join(QLatin1Char('|'));
}

} // namespace importtest
