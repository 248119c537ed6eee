#pragma once
// What the import and export tests share: an own folder with the zone pinned, files, zip archives.

#include "tests/support/WidgetTestSupport.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
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

namespace foldertest {

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A zip archive of the members, in order, each marked -rwxrwxrwx.
inline QByteArray ZipOf(const std::vector<std::pair<std::string, QByteArray>>& members)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("made.zip");
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE, nullptr);
    for (const auto& [name, bytes] : members) {
        const zip_int64_t index = zip_file_add(
            archive, name.c_str(),
            zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0),
            ZIP_FL_ENC_UTF_8);
        EXPECT_GE(index, 0) << name;
        zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                         0100777u << 16);
    }
    EXPECT_EQ(zip_close(archive), 0);
    return ReadAll(path);
}

// A pinned zone and a folder of the test's own.
class FolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        widgettest::PinTimeZone("Europe/Berlin");
        ASSERT_TRUE(m_dir.isValid());
    }

    // Writes `bytes` to the file `name` in the folder (or at a full path); its path.
    QString Put(const QString& name, const QByteArray& bytes)
    {
        QFile file(QDir(m_dir.path()).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

} // namespace foldertest
