#pragma once
// What the import tests share: the sample exports, local times (the zone is
// pinned), zip archives, and what the entry view shows of an imported entry.

#include "rtf/Rtf.h"
#include "rtf/RtfPicture.h"
#include "store/TimeText.h"
#include "tests/support/WidgetTestSupport.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>
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

// A pinned zone and a folder of the test's own.
class ImportFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        widgettest::PinTimeZone("Europe/Berlin");
        ASSERT_TRUE(m_dir.isValid());
    }

    // Writes `bytes` to the file `name` in the folder; its path.
    QString Put(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

} // namespace importtest
