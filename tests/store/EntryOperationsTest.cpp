// Entry operations as the windows use them: saving in time order, walking,
// deleting, files held open across operations, and what damaged files do.

#include "StoreTestSupport.h"

#include <unistd.h>

using namespace storetest;

namespace {

using EntryOperations = StoreTest;

TEST_F(EntryOperations, SavesGoInTimeOrderAndTheWalkVisitsEveryHeader)
{
    Save("noon", 1200, "first-pw", 0);
    Save("noon again", 1200, "first-pw", 1);
    Save("dawn", 600, "dawn-pw", 2);
    Save("night", 2400, "first-pw", 3);
    Save("noon third", 1200, "first-pw", 4);
    // Equal times keep their saving order.
    EXPECT_EQ(Entries(), (Texts{{600, "dawn"},
                                {1200, "noon"},
                                {1200, "noon again"},
                                {1200, "noon third"},
                                {2400, "night"}}));
    for (bool held : {false, true}) {
        CDiaryStore store = Store();
        if (held) {
            ASSERT_TRUE(store.OpenIndexFile()); // the walk then reads the file once
        }
        std::vector<int> moods;
        ASSERT_TRUE(store.ReadFirstEntry());
        // The earliest entry carries the diary's password now.
        EXPECT_STREQ(store.entry.password, "dawn-pw");
        do {
            moods.push_back(store.entry.mood);
        } while (store.NextEntry());
        if (held)
            store.CloseIndexFile();
        EXPECT_EQ(moods, (std::vector<int>{2, 0, 1, 4, 3}));
        EXPECT_EQ(store.current_index, 5u);
        EXPECT_FALSE(store.NextEntry());
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(EntryOperations, DeleteKeepsOrderAndLeavesTheDataFileAlone)
{
    Save("a", 1);
    Save("b", 2);
    Save("c", 3);
    const std::string data = ReadFileBytes(Sibling('d'));
    CDiaryStore store = Store(1);
    ASSERT_TRUE(store.DeleteEntry(1));
    EXPECT_EQ(store.m_nEntryCount, 2u);
    EXPECT_EQ(Entries(), (Texts{{1, "a"}, {3, "c"}}));
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data);

    EXPECT_FALSE(store.DeleteEntry(2)); // one past the end: nothing lost, nothing invented
    EXPECT_EQ(Entries().size(), 2u);
    ASSERT_TRUE(store.DeleteEntry(0));
    ASSERT_TRUE(store.DeleteEntry(0));
    EXPECT_EQ(store.m_nEntryCount, 0u);
    EXPECT_FALSE(Exists(Diary()) || Exists(Sibling('d')) || Exists(Temp('i')));
    // The next operation creates them again, empty.
    EXPECT_FALSE(Store().ReadFirstEntry() || Store().NextEntry());
    EXPECT_TRUE(Exists(Diary()) && Exists(Sibling('d')));
    EXPECT_EQ(ReadFileBytes(Diary()), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(EntryOperations, LeftoverTemporaryFileAndTrailingPartialRecord)
{
    // A half-written temporary file from an earlier crash must not end up in front.
    WriteFileBytes(Temp('i'), std::string(100, 'Z'));
    Save("", 20);
    Save("x", 10);
    EXPECT_EQ(Entries(), (Texts{{10, "x"}, {20, ""}}));
    EXPECT_EQ(ReadFileBytes(Diary()).size(), 144u);
    EXPECT_FALSE(Exists(Temp('i')));
    // A new record goes after the last whole one, not after stray bytes.
    WriteFileBytes(Diary(), ReadFileBytes(Diary()) + "junk!");
    Save("b", 30);
    EXPECT_EQ(Entries(), (Texts{{10, "x"}, {20, ""}, {30, "b"}}));
}

TEST_F(EntryOperations, DamagedRecordsNeverReadOutsideTheirFields)
{
    EntryBytes record{.password = "pw", .time = 10};
    std::string bytes = record.Record();
    // A password length far above 30 and a text far outside the data file.
    bytes.replace(0, 4, U32(0xFFFFFFF0u));
    bytes.replace(64, 8, U32(0xFFFFFF00u) + U32(0xFFFFFFFFu));
    const EntryBytes good{.password = "pw", .time = 5, .textLength = 2};
    WriteFileBytes(Diary(), bytes + good.Record());
    WriteFileBytes(Sibling('d'), Encrypted("ok", KeyOf("pw")));

    CDiaryStore store = Store();
    EXPECT_FALSE(store.ReadFirstEntry());
    // Such a password can never equal one the dialogs accept (20 at most).
    EXPECT_GT(std::strlen(store.entry.password), 20u);
    ASSERT_TRUE(store.ReadEntryHeader());

    // A password change that cannot read every text keeps the old files.
    const std::string before = ReadFileBytes(Diary());
    EXPECT_FALSE(store.ChangePassword("new"));
    EXPECT_EQ(ReadFileBytes(Diary()), before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("past its end"), std::string::npos);

    // Sort, replace and delete move records as they are, none lost or invented.
    CDiaryStore sorter = Store();
    sorter.m_nEntryCount = 2;
    ASSERT_TRUE(sorter.SortEntries());
    const std::string sorted = ReadFileBytes(Diary());
    EXPECT_EQ(sorted, before.substr(72, 72) + before.substr(0, 72));
    Fill(sorter, 5, "new", "pw");
    ASSERT_TRUE(sorter.ReplaceEntry(0));
    EXPECT_EQ(ReadFileBytes(Diary()).substr(72), before.substr(0, 72));
    ASSERT_TRUE(sorter.DeleteEntry(0));
    EXPECT_EQ(ReadFileBytes(Diary()), before.substr(0, 72));
}

// A link where a rewrite's temporary file goes (a hostile or careless folder)
// must not make the rewrite empty and overwrite the file it points at: the
// diary's own data file, or any other file of the user's.
TEST_F(EntryOperations, ALinkInPlaceOfATemporaryFileIsNeverWrittenThrough)
{
    Save("a", 1);
    Save("b", 2);
    Save("c", 3);
    CDiaryStore store = Store();
    AddReminder(store, 20, "");
    AddReminder(store, 10, "");
    const std::string letter = Dir() + "/letter.txt";
    WriteFileBytes(letter, "keep me");
    const std::string data = ReadFileBytes(Sibling('d'));
    std::filesystem::create_symlink(Sibling('d'), Temp('i'));
    std::filesystem::create_hard_link(letter, Temp('r'));

    EXPECT_TRUE(store.DeleteEntry(1));
    store.m_nReminderCount = 2;
    EXPECT_TRUE(store.SortReminders());
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data);
    EXPECT_EQ(ReadFileBytes(letter), "keep me");
    EXPECT_EQ(Entries(), (Texts{{1, "a"}, {3, "c"}}));

    std::filesystem::create_symlink(letter, Temp('d'));
    EXPECT_TRUE(store.ChangePassword("new"));
    EXPECT_EQ(ReadFileBytes(letter), "keep me");
    EXPECT_EQ(Entries(), (Texts{{1, "a"}, {3, "c"}}));
}

// A caller may hold the record files open across several rewrites: each
// must replace the live file, not the one the previous rewrite renamed, and
// records added after the last was deleted go to the file that is there.
TEST_F(EntryOperations, RewritesAndAppendsOfHeldFilesWorkOnTheLiveFile)
{
    CDiaryStore store = Store();
    for (int64_t time : {30, 10, 20}) {
        AddReminder(store, time, "r" + std::to_string(time));
        AddTask(store, time, "t" + std::to_string(time));
    }
    Save("b", 200);
    Save("a", 100);
    Save("c", 300);

    store.OpenReminderFile();
    store.OpenPlannerFile();
    ASSERT_TRUE(store.OpenIndexFile());
    store.m_nReminderCount = 3;
    ASSERT_TRUE(store.SortReminders());
    ASSERT_TRUE(store.DeleteReminder(0));
    ASSERT_TRUE(store.DeleteReminder(0));
    ASSERT_TRUE(store.MarkPlannerTaskDone(0, 7));
    ASSERT_TRUE(store.DeletePlannerTask(1));
    Fill(store, 350, "edited");
    ASSERT_TRUE(store.ReplaceEntry(0));
    ASSERT_TRUE(store.DeleteEntry(0));
    ASSERT_TRUE(store.DeleteEntry(0));
    store.CloseReminderFile();
    store.ClosePlannerFile();
    store.CloseIndexFile();
    EXPECT_EQ(ReadFileBytes(Sibling('r')), ReminderBytes(30, "r30"));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), TaskBytes(30, 7, "t30", 1) + TaskBytes(20, 20, "t20"));
    EXPECT_EQ(Entries(), (Texts{{350, "edited"}}));

    store.OpenReminderFile();
    store.OpenPlannerFile();
    ASSERT_TRUE(store.OpenEntryFiles());
    ASSERT_TRUE(store.DeleteReminder(0));
    ASSERT_TRUE(store.DeletePlannerTask(0));
    ASSERT_TRUE(store.DeletePlannerTask(0));
    ASSERT_TRUE(store.DeleteEntry(0));
    AddReminder(store, 20, "r20");
    AddTask(store, 20, "t20");
    Fill(store, 20, "entry");
    store.AppendEntry();
    store.CloseReminderFile();
    store.ClosePlannerFile();
    store.CloseEntryFiles();
    EXPECT_EQ(ReadFileBytes(Sibling('r')), ReminderBytes(20, "r20"));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), TaskBytes(20, 20, "t20"));
    EXPECT_EQ(Entries(), (Texts{{20, "entry"}}));
    for (char letter : {'i', 'r', 'p'})
        EXPECT_FALSE(Exists(Temp(letter)));
    EXPECT_TRUE(messages.empty());
}

TEST_F(EntryOperations, ATextBeyondWhatTheRecordsCanAddressIsRefusedAndSaid)
{
    Save("first", 1);
    const std::string index = ReadFileBytes(Sibling('i'));
    // A texts file 20 bytes short of 4 GB, without the disk space.
    ASSERT_EQ(::truncate(Sibling('d').c_str(), 0xFFFFFFFFll - 20), 0);
    CDiaryStore store = Store();
    Fill(store, 2, std::string(100, 'x'));
    try {
        store.AppendEntry();
        FAIL() << "the entry was saved";
    } catch (const CFileError& error) {
        EXPECT_EQ(error.cause(), FileErrorCause::BeyondFormat);
        EXPECT_NE(std::string(error.what()).find("past the 4 GB"), std::string::npos);
    }
    EXPECT_EQ(ReadFileBytes(Sibling('i')), index);
}
} // namespace
