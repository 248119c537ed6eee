#pragma once
// What the export and backup tests share: a small diary in a folder of its own.

#include "store/DiarySession.h"
#include "store/FileFaults.h"
#include "tests/import/FolderTestSupport.h"
#include "tests/support/TestDiary.h"

#include <QDir>
#include <memory>
#include <string>
#include <sys/stat.h>

inline std::string ReadBytes(const QString& path)
{
    return foldertest::ReadAll(path).toStdString();
}

inline unsigned ModeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777u : 0u;
}

// Formatting, non-ASCII text and every kind of character in one entry.
inline const std::string kFormatted =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}\\f0\\fs24 Plain {\\b bold} {\\i italic} {\\ul under} "
    "\\cf1 red\\cf0  {\\fs40 big} caf\\'e9 \\u8364? \\u1055?\\u1088?\\u1080?\\u1074?\\u1077?"
    "\\u1090?\\par\n}";

// A folder of the test's own holding travel.ilm, open: a leap day, then three
// days of March with every observation at its ends, the last two a second apart.
class TravelDiaryTest : public foldertest::FolderTest
{
protected:
    void SetUp() override
    {
        FolderTest::SetUp();
        WriteDiary(
            m_diary,
            {{LocalTime(2024, 2, 29, 12), Rtf("Leap day"), 0, 0, 0, 0, 0, 0, 0.0f, 0},
             {LocalTime(2024, 3, 1, 8), kFormatted, -3, -2, -3, -2, 1, 0, 36.6f, 70},
             {LocalTime(2024, 3, 2, 23, 59, 59), Rtf("Second day"), 3, 0, 0, 2, 0, 1, 37.0f, 0},
             {LocalTime(2024, 3, 3, 0), Rtf("Third day"), 1, -1, -1, 1, 0, 0, 0.0f, 0}},
            "secret");
        m_session = std::make_unique<CDiarySession>(NameOf(m_diary));
    }

    QString PathOf(const QString& name) const { return m_dir.filePath(name); }
    QStringList Files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QString m_diary = PathOf("travel.ilm");
    std::unique_ptr<CDiarySession> m_session;
};
