// The version-1 import over DATA folders built byte by byte: names decoded
// into local dates (zone pinned), plain and scrambled texts, the RTF wrapper,
// every truncated header field, unreadable files, skipped names, and what the
// main window is asked to do through a recording host.

#include "import/Version1Importer.h"

#include "import/DayloomFolderDialog.h"
#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "store/DiaryStore.h"
#include "store/TimeText.h"
#include "store/Version1File.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const std::string kWrapperHead =
    "{\\rtf1\\ansi\\deff0\n\\viewkind4\\uc1\\pard{\\fonttbl{\\f0\\fswiss"
    "\\fcharset204 Arial;}{\\f1\\fswiss\\fcharset0 Arial;}}\\f0\\fs24 ";
const std::string kWrapperTail = "\n\\par }";

std::string Le32(int32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// A version-1 entry file: the 68-byte header and the text, scrambled when
// isEncrypted is 1.
std::string Version1Bytes(int32_t isEncrypted, int32_t mood, std::string text)
{
    std::string bytes = "\r\n\x1a";
    bytes += Le32(isEncrypted);
    bytes += std::string("Ann Example").append(19, '\0');        // user_name, 30
    bytes += std::string("oldsecret").append(6, '\0');           // user_pswd, 15
    bytes += Le32(7);                                            // user_font
    bytes += Le32(mood);                                         // mood
    bytes += std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8); // unread
    if (isEncrypted == 1) {
        ScrambleVersion1Text(text);
    }
    return bytes + text;
}

int64_t LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm broken{};
    broken.tm_year = year - 1900;
    broken.tm_mon = month - 1;
    broken.tm_mday = day;
    broken.tm_hour = hour;
    broken.tm_min = minute;
    broken.tm_sec = second;
    broken.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&broken));
}

// The main window as the import sees it: Open/Create takes the next queued
// diary (empty: cancelled), the prompt the next queued password.
class CRecordingHost : public CVersion1Importer::Host
{
public:
    QWidget* Window() override { return nullptr; }
    void CloseAndOpenOrCreateDiary() override
    {
        ++opens;
        diary.clear();
        if (!diaries.empty()) {
            diary = diaries.front();
            diaries.pop_front();
        }
        if (!diary.isEmpty()) {
            CDiaryStore store(0, QFile::encodeName(diary).toStdString(), ExtLoc());
            newDiary = !store.ReadFirstEntry();
        }
    }
    QString DiaryFile() const override { return diary; }
    uint16_t ExtLoc() const override
    {
        return static_cast<uint16_t>(QFile::encodeName(diary).size() - 3);
    }
    bool IsNewDiary() const override { return newDiary; }
    std::optional<QString> AskNewPassword() override
    {
        ++prompts;
        return password;
    }
    void ReloadDiary(bool hasEntries) override { reloads.push_back(hasEntries); }

    std::deque<QString> diaries;
    QString diary;
    bool newDiary = true;
    std::optional<QString> password = QStringLiteral("Sesame");
    int opens = 0;
    int prompts = 0;
    std::vector<bool> reloads;
};

class Version1ImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        ASSERT_TRUE(m_dir.isValid());
        QSettings(CSettings::FileName(), QSettings::IniFormat).clear();
        CMessageBox::ClearHistory();
        CFileDialogs::Reset();
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("v1/DATA")));
        m_data = m_dir.filePath(QStringLiteral("v1/DATA"));
        m_diary = m_dir.filePath(QStringLiteral("old.ilm"));
    }

    void TearDown() override { CFileDialogs::Reset(); }

    void Put(const QString& name, const std::string& bytes, const QString& folder = QString())
    {
        QFile file(QDir(folder.isEmpty() ? m_data : folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
                  static_cast<qint64>(bytes.size()));
    }

    // Runs the command with the folder chooser answering `folder` and
    // Open/Create choosing the diary.
    void Import(const QString& folder)
    {
        CFileDialogs::PushFolder(folder);
        m_host.diaries.push_back(m_diary);
        CVersion1Importer importer(m_host);
        importer.Run();
        m_converted = importer.Converted();
        m_skipped = importer.Skipped();
    }

    std::vector<QString> Messages() const
    {
        std::vector<QString> texts;
        for (const CMessageBox::Shown& shown : CMessageBox::History()) {
            texts.push_back(shown.text);
        }
        return texts;
    }

    std::vector<DiaryEntry> Entries() const
    {
        std::vector<DiaryEntry> entries;
        CDiaryStore store(0, QFile::encodeName(m_diary).toStdString(),
                          static_cast<uint16_t>(QFile::encodeName(m_diary).size() - 3));
        for (uint32_t i = 0;; ++i) {
            store.current_index = i;
            if (!store.ReadEntry()) {
                break;
            }
            entries.push_back(store.entry);
        }
        return entries;
    }

    static QString Select()
    {
        return QStringLiteral("Select the directory with your old data files (it will be called "
                              "\\DATA in the directory where you installed Dayloom v1.00).");
    }
    static QString NewDiary()
    {
        return QStringLiteral("You are creating a new diary and you must specify a password for "
                              "it. The password is case SeNsItIvE!");
    }

    QTemporaryDir m_dir;
    QString m_data;
    QString m_diary;
    CRecordingHost m_host;
    int m_converted = 0;
    int m_skipped = 0;
};

TEST(Version1FileTest, NamesCarryTheLocalDateAndTime)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const std::optional<Version1Stamp> stamp = ParseVersion1Name("EL051430.22D");
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->year, 2002);
    EXPECT_EQ(stamp->month, 12);
    EXPECT_EQ(stamp->LocalTime(), 1039095022); // 13:30:22 UTC
    EXPECT_EQ(FormatTime("%Y-%m-%d %H:%M:%S", stamp->LocalTime()), "2002-12-05 14:30:22");
    // "A" is 1998 and January; a minute of 75 rolls into the next hour.
    EXPECT_EQ(FormatTime("%Y-%m-%d %H:%M:%S", ParseVersion1Name("AA010975.00D")->LocalTime()),
              "1998-01-01 10:15:00");
    // Names version 1 did not write carry no date.
    EXPECT_FALSE(ParseVersion1Name("EL051430.2"));
    EXPECT_FALSE(ParseVersion1Name("EL05a430.22D"));
    EXPECT_FALSE(ParseVersion1Name("EL051430.2xD"));
    EXPECT_FALSE(ParseVersion1Name("EL 51430.22D"));
}

TEST(Version1FileTest, ReadsTheHeaderFieldsAndTheText)
{
    Version1ReadResult plain = ReadVersion1Entry(Version1Bytes(0, -3, "Plain \xD6 text"));
    ASSERT_TRUE(plain.entry);
    EXPECT_EQ(plain.entry->mood, -3);
    EXPECT_EQ(plain.entry->text, "Plain \xD6 text");

    // Scrambled: every byte through 0xD6.
    std::string scrambled = Version1Bytes(1, 2, "Secret day");
    EXPECT_EQ(scrambled.substr(68), std::string("\x85\xB3\xB5\xA4\xB3\xA2\xF6\xB2\xB7\xAF"));
    ASSERT_TRUE(ReadVersion1Entry(scrambled).entry);
    EXPECT_EQ(ReadVersion1Entry(scrambled).entry->text, "Secret day");
    // Only 1 means scrambled.
    EXPECT_EQ(ReadVersion1Entry(Version1Bytes(2, 0, "\x85\xB3")).entry->text, "\x85\xB3");

    // A zero byte ends the text, as it ended the C string version 1 kept.
    EXPECT_EQ(ReadVersion1Entry(Version1Bytes(0, 0, std::string("up to\0here", 10))).entry->text,
              "up to");

    // A text beyond the old 16,383-byte buffer comes in whole.
    const std::string big(40000, 'x');
    EXPECT_EQ(ReadVersion1Entry(Version1Bytes(0, 0, big)).entry->text.size(), big.size());
}

TEST(Version1FileTest, AShortFileNamesTheFieldItEndsIn)
{
    const std::string whole = Version1Bytes(0, 1, "");
    ASSERT_EQ(whole.size(), 68u);
    EXPECT_TRUE(ReadVersion1Entry(whole).entry);
    EXPECT_EQ(ReadVersion1Entry(whole).entry->text, "");
    const struct
    {
        size_t size;
        const char* message;
    } cases[] = {
        {0, "Error reading file (delim)!"},        {2, "Error reading file (delim)!"},
        {6, "Error reading file (is_encrypted)!"}, {36, "Error reading file (user_name)!"},
        {51, "Error reading file (user_pswd)!"},   {55, "Error reading file (user_font)!"},
        {59, "Error reading file (mood)!"},        {60, "Error reading file (tempentry)!"},
        {67, "Error reading file (tempentry)!"},
    };
    for (const auto& c : cases) {
        const Version1ReadResult read = ReadVersion1Entry(whole.substr(0, c.size));
        EXPECT_FALSE(read.entry) << c.size;
        EXPECT_EQ(Version1FieldMessage(read.failedField), c.message) << c.size;
    }
}

TEST(Version1FileTest, TheWrapperIsByteExact)
{
    EXPECT_EQ(Version1Rtf("Dear {diary} C:\\temp"),
              kWrapperHead + "Dear {diary} C:\\temp" + kWrapperTail);
    EXPECT_EQ(Version1Rtf(""), kWrapperHead + kWrapperTail);
}

TEST_F(Version1ImportTest, ConvertsEveryFileIntoAnEntryOfTheNewDiary)
{
    Put(QStringLiteral("EL051430.22D"), Version1Bytes(1, -2, "Scrambled \xE0 day"));
    Put(QStringLiteral("EL041200.00D"), Version1Bytes(0, 3, "Plain day"));
    Put(QStringLiteral("el061200.00d"), Version1Bytes(0, 0, "")); // 68 bytes, lower case
    Put(QStringLiteral("EL071200.00X"), Version1Bytes(0, 0, "not an entry file"));
    Put(QStringLiteral("EL081200.0D"), Version1Bytes(0, 0, "not an entry file"));

    Import(m_data);

    EXPECT_EQ(Messages(),
              (std::vector<QString>{Select(), NewDiary(),
                                    QStringLiteral("Successfully converted 3 entries!")}));
    EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());
    EXPECT_EQ(CMessageBox::History()[1].caption, QStringLiteral("Dayloom v2.21"));
    EXPECT_EQ(CMessageBox::History()[2].caption, CAppInfo::AppName());
    EXPECT_EQ(m_host.opens, 1);
    EXPECT_EQ(m_host.prompts, 1);
    EXPECT_EQ(m_host.reloads, std::vector<bool>{true});

    const std::vector<DiaryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].time, LocalTime(2002, 12, 4, 12, 0, 0));
    EXPECT_EQ(entries[0].text, kWrapperHead + "Plain day" + kWrapperTail);
    EXPECT_EQ(entries[0].mood, 3);
    EXPECT_EQ(entries[1].time, LocalTime(2002, 12, 5, 14, 30, 22));
    EXPECT_EQ(entries[1].text, kWrapperHead + "Scrambled \xE0 day" + kWrapperTail);
    EXPECT_EQ(entries[1].mood, -2);
    // Lower-case "el" is a later year code; the empty text keeps the wrapper.
    EXPECT_EQ(entries[2].text, kWrapperHead + kWrapperTail);
    for (const DiaryEntry& entry : entries) {
        EXPECT_STREQ(entry.password, "Sesame");
        EXPECT_EQ(entry.fatigue, 0);
        EXPECT_EQ(entry.shape, 0);
        EXPECT_EQ(entry.dream, 0);
        EXPECT_EQ(entry.copulation, 0);
        EXPECT_EQ(entry.menstruus, 0);
        EXPECT_EQ(entry.weight, 0);
        EXPECT_EQ(entry.temperature, 0.0f);
    }
}

TEST_F(Version1ImportTest, TheFolderMustBeADataFolder)
{
    EXPECT_TRUE(CVersion1Importer::IsDataFolder(QStringLiteral("/home/ann/dl/DATA")));
    EXPECT_TRUE(CVersion1Importer::IsDataFolder(QStringLiteral("/home/ann/DATA/2001")));
    EXPECT_FALSE(CVersion1Importer::IsDataFolder(QStringLiteral("/home/ann/MYDATA")));

    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("v1/data")));
    Put(QStringLiteral("EL051430.22D"), Version1Bytes(0, 0, "Day"), m_dir.filePath("v1/data"));
    CFileDialogs::PushFolder(m_dir.filePath(QStringLiteral("v1/data")));
    CVersion1Importer importer(m_host);
    importer.Run();

    EXPECT_EQ(Messages(),
              (std::vector<QString>{
                  Select(), QStringLiteral("That is probably not a correct directory! The "
                                           "directory Dayloom needs will be named \\DATA and it "
                                           "will be a subdirectory of a directory where you "
                                           "installed Dayloom v1.00!")}));
    EXPECT_EQ(m_host.opens, 0); // the open diary is left alone
    EXPECT_TRUE(m_host.reloads.empty());

    // A folder further down a DATA folder is taken.
    ASSERT_TRUE(QDir(m_data).mkpath(QStringLiteral("2001")));
    Put(QStringLiteral("EL051430.22D"), Version1Bytes(0, 0, "Day"), m_data + "/2001");
    CMessageBox::ClearHistory();
    Import(m_data + "/2001");
    EXPECT_EQ(m_converted, 1);
}

TEST_F(Version1ImportTest, AnEmptyFolderStillMakesTheDiary)
{
    Import(m_data);

    EXPECT_EQ(Messages(),
              (std::vector<QString>{Select(), NewDiary(),
                                    QStringLiteral("Successfully converted 0 entries!")}));
    EXPECT_EQ(m_host.prompts, 1);
    // The diary has no entries, so it stays new: the next entry asks for a
    // password again.
    EXPECT_EQ(m_host.reloads, std::vector<bool>{false});
}

TEST_F(Version1ImportTest, CancellingStopsWhereTheUserDid)
{
    CFileDialogs::PushFolder(std::nullopt);
    CVersion1Importer(m_host).Run();
    EXPECT_EQ(Messages(), std::vector<QString>{Select()});
    EXPECT_EQ(m_host.opens, 0);

    // Open/Create cancelled: the old diary is closed and nothing else happens.
    CMessageBox::ClearHistory();
    Put(QStringLiteral("EL051430.22D"), Version1Bytes(0, 0, "Day"));
    CFileDialogs::PushFolder(m_data);
    m_host.diaries.push_back(QString());
    CVersion1Importer(m_host).Run();
    EXPECT_EQ(Messages(), std::vector<QString>{Select()});
    EXPECT_EQ(m_host.opens, 1);
    EXPECT_EQ(m_host.prompts, 0);
    EXPECT_TRUE(m_host.reloads.empty());
    EXPECT_FALSE(QFile::exists(m_diary));
}

TEST_F(Version1ImportTest, AnErrorStopsTheImportButKeepsTheDiarySorted)
{
    // Listed by name, but day 40 of December comes after month 13's first.
    Put(QStringLiteral("EL401200.00D"), Version1Bytes(0, 1, "Later day"));
    Put(QStringLiteral("EM011200.00D"), Version1Bytes(0, 2, "Earlier day"));
    // Listed after the two good ones; the one after it is never reached.
    Put(QStringLiteral("EM021200.00D"), Version1Bytes(0, 0, "").substr(0, 36));
    Put(QStringLiteral("EM031200.00D"), Version1Bytes(0, 0, "Never read"));

    Import(m_data);

    EXPECT_EQ(Messages(),
              (std::vector<QString>{Select(), NewDiary(),
                                    QStringLiteral("Error reading file (user_name)!")}));
    EXPECT_EQ(m_converted, 2);
    EXPECT_EQ(m_host.reloads, std::vector<bool>{true});
    const std::vector<DiaryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].time, LocalTime(2003, 1, 1, 12, 0, 0));
    EXPECT_EQ(entries[0].mood, 2);
    EXPECT_EQ(entries[1].time, LocalTime(2003, 1, 9, 12, 0, 0));
}

TEST_F(Version1ImportTest, AFileThatCannotBeReadStopsTheImport)
{
    if (!QFile::exists(QStringLiteral("/proc/self/mem"))) {
        GTEST_SKIP() << "needs /proc";
    }
    // Reading from the start of a process's memory fails with an I/O error.
    ASSERT_EQ(::symlink("/proc/self/mem", QFile::encodeName(m_data + "/EL051430.22D").constData()),
              0);

    Import(m_data);

    ASSERT_EQ(Messages().size(), 4u);
    EXPECT_EQ(Messages()[2], QStringLiteral("Error while opening old file!"));
    EXPECT_TRUE(Messages()[3].contains(m_data + "/EL051430.22D")) << Messages()[3].toStdString();
    EXPECT_EQ(m_converted, 0);
    EXPECT_EQ(m_host.reloads, std::vector<bool>{false});
}

TEST_F(Version1ImportTest, NamesWithoutADateAreSkippedAndCounted)
{
    Put(QStringLiteral("EL051430.22D"), Version1Bytes(0, 0, "Day"));
    Put(QStringLiteral("X.ABD"), Version1Bytes(0, 0, "Short name"));
    Put(QStringLiteral("ELxx1430.22D"), Version1Bytes(0, 0, "Letters for the day"));

    Import(m_data);

    EXPECT_EQ(m_converted, 1);
    EXPECT_EQ(m_skipped, 2);
    ASSERT_EQ(Messages().size(), 4u);
    EXPECT_EQ(Messages()[2], QStringLiteral("Successfully converted 1 entries!"));
    EXPECT_TRUE(Messages()[3].startsWith(QStringLiteral("2 file(s) were not converted")));
}

TEST_F(Version1ImportTest, AnExistingDiaryKeepsItsPassword)
{
    {
        CDiaryStore store(0, QFile::encodeName(m_diary).toStdString(),
                          static_cast<uint16_t>(QFile::encodeName(m_diary).size() - 3));
        store.entry.time = LocalTime(2010, 1, 1, 12, 0, 0);
        store.entry.text = Version1Rtf("A day of 2010");
        std::strcpy(store.entry.password, "Diary1");
        store.AppendEntry();
    }
    Put(QStringLiteral("EL051430.22D"), Version1Bytes(0, 0, "Day of 2002"));

    Import(m_data);

    EXPECT_EQ(m_host.prompts, 0);
    EXPECT_EQ(Messages(), (std::vector<QString>{
                              Select(), QStringLiteral("Successfully converted 1 entries!")}));
    const std::vector<DiaryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 2u);
    // Sorted in front of the existing entry, under the diary's own password.
    EXPECT_EQ(entries[0].text, Version1Rtf("Day of 2002"));
    EXPECT_STREQ(entries[0].password, "Diary1");
    EXPECT_STREQ(entries[1].password, "Diary1");
}

TEST_F(Version1ImportTest, TheFolderChooserAsksForTheDataFolder)
{
    QString folder = QStringLiteral("unchanged");
    CFileDialogs::PushFolder(std::nullopt);
    EXPECT_FALSE(CDayloomFolderDialog(folder).Run(nullptr));
    EXPECT_EQ(folder, QStringLiteral("unchanged"));
    CFileDialogs::PushFolder(m_data);
    EXPECT_TRUE(CDayloomFolderDialog(folder).Run(nullptr));
    EXPECT_EQ(folder, m_data);
    EXPECT_EQ(CDayloomFolderDialog::Title(),
              QStringLiteral("Choose the \\DATA folder with your Dayloom v1.00 files"));
    EXPECT_EQ(CDayloomFolderDialog::AcceptLabel(), QStringLiteral("SELECT"));
}

} // namespace
