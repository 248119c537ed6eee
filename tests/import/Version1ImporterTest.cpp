// The version-1 import over DATA folders built byte by byte, the main window a recording host.

#include "import/Version1Importer.h"

#include "ImportTestSupport.h"
#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "store/DiaryStore.h"
#include "store/Version1File.h"
#include "tests/support/TestDiary.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>
#include <utility>

using importtest::kNewDiary;
using importtest::When;

namespace {

const std::string kHead = "{\\rtf1\\ansi\\deff0\n\\viewkind4\\uc1\\pard{\\fonttbl{\\f0\\fswiss"
                          "\\fcharset204 Arial;}{\\f1\\fswiss\\fcharset0 Arial;}}\\f0\\fs24 ";
const std::string kTail = "\n\\par }";
const auto V1 = Version1File;
using Texts = std::vector<QString>;

const QString kSelect = "Select the directory with your old data files (it will be called \\DATA "
                        "in the directory where you installed Dayloom v1.00).";

class Version1ImportTest : public foldertest::FolderTest
{
protected:
    void SetUp() override
    {
        FolderTest::SetUp();
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("v1/DATA/2001"));
    }

    void Put(const QString& name, const std::string& bytes)
    {
        FolderTest::Put("v1/DATA/" + name, QByteArray::fromStdString(bytes));
    }

    // The command, the folder chooser answering `folder`, Open/Create old.ilm.
    void Import(const QString& folder)
    {
        CFileDialogs::PushFolder(folder);
        m_host.next = m_dir.filePath("old.ilm");
        CVersion1Importer(m_host).Run();
    }

    Texts Messages() const
    {
        Texts texts;
        for (const CMessageBox::Shown& shown : CMessageBox::History()) {
            EXPECT_EQ(shown.caption, CAppInfo::Title());
            texts.push_back(shown.text);
        }
        return texts;
    }

    std::vector<DiaryEntry> Entries() const
    {
        std::vector<DiaryEntry> entries;
        CDiaryStore store(0, NameOf(m_host.diary));
        for (store.current_index = 0; store.ReadEntry(); ++store.current_index) {
            entries.push_back(store.entry);
        }
        return entries;
    }

    QString m_data = m_dir.filePath("v1/DATA");
    importtest::CRecordingHost m_host;
};

TEST_F(Version1ImportTest, ConvertsEveryFileIntoAnEntryOfTheNewDiary)
{
    Put("EL051430.22D", V1(1, -2, "Scrambled \xE0 day"));
    Put("EL041200.00D", V1(0, 3, "Plain {day}\r\nC:\\temp\\\rtab\t\xD6\n\n"));
    Put("el061200.00d", V1(0, 0, "")); // 68 bytes, lower case
    // is_encrypted 2 is plain; 40,000 bytes pass the old 16,383-byte buffer.
    Put("EL071200.00D", V1(2, 1, std::string("2 is plain\0cut", 14)));
    Put("EL101200.00D", V1(0, 0, std::string(40000, 'x')));
    for (const char* name : {"EL081200.00X", "EL091200.0D", "X.ABD", "ELxx1430.22D"})
        Put(name, V1(0, 0, "not an entry file"));

    Import(m_data);

    EXPECT_EQ(Messages(), (Texts{kSelect, kNewDiary, "Successfully converted 5 entries!",
                                 "2 file(s) were not converted because their names do not carry a "
                                 "date and time the way Dayloom v1.00 wrote them."}));
    EXPECT_EQ(m_host.reloads, std::vector<bool>{true});
    EXPECT_EQ(m_host.messagesBeforeReload, 4u) << "the list is read again after the report";
    const std::vector<DiaryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(When(entries[0].time), "2002-12-04 12:00:00");
    // Braces and backslashes escaped, every kind of line end a paragraph, 8-bit
    // characters in the wrapper's Cyrillic set: the text reads back unchanged.
    EXPECT_EQ(entries[0].text,
              kHead + "Plain \\{day\\}\\par\nC:\\\\temp\\\\\\par\ntab\\tab \\'d6\\par\n\\par\n" +
                  kTail);
    EXPECT_EQ(RtfToPlainText(entries[0].text),
              QString::fromUtf16(u"Plain {day}\nC:\\temp\\\ntab\t\u0426\n\n"));
    EXPECT_EQ(entries[0].mood, 3);
    EXPECT_EQ(When(entries[1].time), "2002-12-05 14:30:22");
    EXPECT_EQ(entries[1].text, kHead + "Scrambled \\'e0 day" + kTail);
    EXPECT_EQ(entries[1].mood, -2);
    EXPECT_EQ(entries[2].text, kHead + "2 is plain" + kTail);
    EXPECT_EQ(entries[3].text, kHead + std::string(40000, 'x') + kTail);
    EXPECT_EQ(entries[4].text, kHead + kTail); // "el" is a later year code
    for (const DiaryEntry& e : entries) {
        EXPECT_STREQ(e.password, "Sesame");
        EXPECT_EQ(std::vector<int>({e.fatigue, e.shape, e.dream, e.copulation, e.menstruus,
                                    e.weight, int(e.temperature)}),
                  std::vector<int>(7, 0));
    }
}

TEST_F(Version1ImportTest, CancellingOrAWrongFolderStopsWhereTheUserDid)
{
    EXPECT_FALSE(CVersion1Importer::IsDataFolder("/home/ann/MYDATA"));
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("v1/data"));
    CFileDialogs::PushFolder(std::nullopt);
    CFileDialogs::PushFolder(m_dir.filePath("v1/data"));
    CVersion1Importer(m_host).Run();
    CVersion1Importer(m_host).Run();
    EXPECT_EQ(m_host.opens, 0); // the open diary is left alone

    // Open/Create cancelled: the old diary is closed and nothing else happens.
    Put("EL051430.22D", V1(0, 0, "Day"));
    CFileDialogs::PushFolder(m_data);
    CVersion1Importer(m_host).Run();
    EXPECT_EQ(Messages(), (Texts{kSelect, kSelect,
                                 "That is probably not a correct directory! The directory "
                                 "Dayloom needs will be named \\DATA and it will be a "
                                 "subdirectory of a directory where you installed Dayloom v1.00!",
                                 kSelect}));
    EXPECT_EQ(m_host.opens, 1);
    EXPECT_TRUE(m_host.reloads.empty());

    // Below a DATA folder, even an empty one still makes the diary.
    CMessageBox::ClearHistory();
    Import(m_data + "/2001");
    EXPECT_EQ(Messages(), (Texts{kSelect, kNewDiary, "Successfully converted 0 entries!"}));
    // No entries: the diary stays new and the next entry asks for a password.
    EXPECT_EQ(m_host.reloads, std::vector<bool>{false});
}

TEST_F(Version1ImportTest, AnErrorOrAnUnreadableFileStopsTheImportWithTheDiarySortedAndReloaded)
{
    // Listed by name, but day 40 of December comes after month 13's first.
    Put("EL401200.00D", V1(0, 1, "Later day"));
    Put("EM011200.00D", V1(0, 2, "Earlier day"));
    Put("EM021200.00D", V1(0, 0, "").substr(0, 36));
    Put("EM031200.00D", V1(0, 0, "Never read"));

    Import(m_data);

    EXPECT_EQ(Messages(), (Texts{kSelect, kNewDiary, "Error reading file (user_name)!"}));
    EXPECT_EQ(m_host.reloads, std::vector<bool>{true});
    const std::vector<DiaryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(When(entries[0].time), "2003-01-01 12:00:00");
    EXPECT_EQ(When(entries[1].time), "2003-01-09 12:00:00");
    // The message names the field the file ends in.
    const std::string whole = V1(0, 1, "");
    ASSERT_EQ(whole.size(), 68u);
    const std::pair<size_t, const char*> cases[] = {
        {0, "delim"},      {2, "delim"}, {6, "is_encrypted"}, {36, "user_name"}, {51, "user_pswd"},
        {55, "user_font"}, {59, "mood"}, {60, "tempentry"},   {67, "tempentry"},
    };
    for (const auto& [size, field] : cases) {
        const Version1ReadResult read = ReadVersion1Entry(whole.substr(0, size));
        EXPECT_FALSE(read.entry) << size;
        EXPECT_EQ(Version1FieldMessage(read.failedField),
                  std::string("Error reading file (") + field + ")!");
    }

    // Reading a process's memory from offset 0 fails with an I/O error.
    const QByteArray link = QFile::encodeName(m_data + "/2001/EL051430.22D");
    if (::symlink("/proc/self/mem", link.constData()) != 0) {
        GTEST_SKIP() << "needs /proc";
    }
    CMessageBox::ClearHistory();
    m_host.unlockWith = "Sesame";
    Import(m_data + "/2001");
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[1], "Error while opening old file!");
    EXPECT_TRUE(Messages()[2].contains(link)) << Messages()[2].toStdString();
    EXPECT_EQ(m_host.reloads, (std::vector<bool>{true, true}));
}

TEST_F(Version1ImportTest, AnExistingDiaryKeepsItsPasswordAndGetsNoEntryTwice)
{
    // Imported by an earlier release (unescaped wrapper), and another text at
    // the time of a file.
    m_host.unlockWith = "Diary1";
    WriteDiary(m_dir.filePath("old.ilm"),
               {{LocalTime(2002, 12, 4, 12), Version1Rtf("{Known} day")},
                {LocalTime(2002, 12, 5, 14, 30, 22), Version1Rtf("Another text")},
                {LocalTime(2012, 1, 1, 12), Version1Rtf("A later day")}},
               "Diary1");
    Put("EL041200.00D", V1(0, 0, "{Known} day"));
    Put("EL051430.22D", V1(0, 0, "Day of 2002"));
    Put("EL061200.00D", V1(1, 0, "Line\r\nbreak"));

    Import(m_data);
    std::vector<DiaryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[2].text, kHead + "Day of 2002" + kTail); // sorted in
    EXPECT_STREQ(entries[2].password, "Diary1");

    // The same folder again, with a new file, and copies of an old and of the
    // new file under other names.
    Put("EL061200.00d", V1(1, 0, "Line\r\nbreak"));
    Put("EL071200.00D", V1(0, 0, "New day"));
    Put("EL071200.00d", V1(0, 0, "New day"));
    Import(m_data);
    EXPECT_EQ(Messages(), (Texts{kSelect,
                                 "Successfully converted 2 entries! Skipped 1 entries already "
                                 "in the diary!",
                                 kSelect,
                                 "Successfully converted 1 entries! Skipped 5 entries already "
                                 "in the diary!"}));
    entries = Entries();
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[4].text, kHead + "New day" + kTail);
}

} // namespace
