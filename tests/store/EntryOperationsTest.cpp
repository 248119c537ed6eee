// Entry operations as the windows use them: saving in time order, walking,
// deleting, and what damaged files do.

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

class EntryOperations : public StoreTest
{
};

TEST_F(EntryOperations, EmptyDiaryIsCreatedAndReadsNothing)
{
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_FALSE(store.ReadFirstEntry());
    EXPECT_FALSE(store.NextEntry());
    EXPECT_EQ(store.m_nEntryCount, 0u);
    EXPECT_TRUE(Exists(Diary()));
    EXPECT_TRUE(Exists(Sibling('d')));
    EXPECT_TRUE(messages.empty());
}

TEST_F(EntryOperations, SavesGoInTimeOrderAndEqualTimesKeepSavingOrder)
{
    Save("noon", 1200, "first-pw");
    Save("noon again", 1200, "first-pw");
    Save("dawn", 600, "dawn-pw");
    Save("night", 2400, "first-pw");
    Save("noon third", 1200, "first-pw");
    const std::vector<std::pair<int64_t, std::string>> expected = {
        {600, "dawn"}, {1200, "noon"}, {1200, "noon again"}, {1200, "noon third"}, {2400, "night"}};
    EXPECT_EQ(Entries(), expected);
    // The earliest entry carries the diary's password now.
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(store.ReadFirstEntry());
    EXPECT_STREQ(store.entry.password, "dawn-pw");
}

TEST_F(EntryOperations, WalkVisitsEveryHeaderAndEndsAtTheCount)
{
    for (int i = 0; i < 5; ++i)
        Save("t" + std::to_string(i), 100 + i, "pw", i);
    for (bool held : {false, true}) {
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        if (held) {
            ASSERT_TRUE(store.OpenIndexFile()); // the walk then reads the file once
        }
        std::vector<int> moods;
        ASSERT_TRUE(store.ReadFirstEntry());
        do {
            moods.push_back(store.entry.mood);
        } while (store.NextEntry());
        if (held)
            store.CloseIndexFile();
        EXPECT_EQ(moods, (std::vector<int>{0, 1, 2, 3, 4}));
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
    {
        CDiaryStore store(1, Diary(), ExtLoc(Diary()));
        ASSERT_TRUE(store.DeleteEntry(1));
        EXPECT_EQ(store.m_nEntryCount, 2u);
    }
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{{1, "a"}, {3, "c"}}));
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data);

    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_FALSE(store.DeleteEntry(7)); // nothing there: nothing lost, nothing invented
    EXPECT_EQ(Entries().size(), 2u);
    ASSERT_TRUE(store.DeleteEntry(0));
    ASSERT_TRUE(store.DeleteEntry(0));
    EXPECT_EQ(store.m_nEntryCount, 0u);
    EXPECT_FALSE(Exists(Diary()));
    EXPECT_FALSE(Exists(Sibling('d')));
    EXPECT_FALSE(Exists(CDiaryStore::TempPathFor(Diary())));
    // The next operation creates them again, empty.
    CDiaryStore again(0, Diary(), ExtLoc(Diary()));
    EXPECT_FALSE(again.ReadFirstEntry());
    EXPECT_EQ(ReadFileBytes(Diary()), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(EntryOperations, SortWithFewerThanTwoEntriesTouchesNothing)
{
    int rewrites = 0;
    CFileFaults::Install([&](FileOp op, const std::string&) {
        rewrites += op == FileOp::Rename;
        return 0;
    });
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_TRUE(store.SortEntries());
    Save("only", 5);
    EXPECT_EQ(rewrites, 0);
}

TEST_F(EntryOperations, EmptyTextAndLeftoverTemporaryFile)
{
    // A half-written temporary file from an earlier crash must not end up in front.
    WriteFileBytes(CDiaryStore::TempPathFor(Diary()), std::string(100, 'Z'));
    Save("", 20);
    Save("x", 10);
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{{10, "x"}, {20, ""}}));
    EXPECT_EQ(ReadFileBytes(Diary()).size(), 144u);
    EXPECT_FALSE(Exists(CDiaryStore::TempPathFor(Diary())));
}

TEST_F(EntryOperations, AppendAfterATrailingPartialRecordStaysAligned)
{
    Save("a", 1);
    std::string index = ReadFileBytes(Diary());
    WriteFileBytes(Diary(), index + "junk!");
    Save("b", 2);
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{{1, "a"}, {2, "b"}}));
}

TEST_F(EntryOperations, DamagedRecordsNeverReadOutsideTheirFields)
{
    EntryBytes record;
    record.password = "pw";
    record.time = 10;
    std::string bytes = record.Record();
    // A password length far above 30 and a text far outside the data file.
    bytes.replace(0, 4, U32(0xFFFFFFF0u));
    bytes.replace(64, 8, U32(0xFFFFFF00u) + U32(0xFFFFFFFFu));
    EntryBytes good;
    good.password = "pw";
    good.time = 5;
    good.textLength = 2;
    WriteFileBytes(Diary(), bytes + good.Record());
    WriteFileBytes(Sibling('d'), Encrypted("ok", KeyOf("pw")));

    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
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

    // Sort and delete move records as they are, none lost or invented.
    CDiaryStore sorter(0, Diary(), ExtLoc(Diary()));
    sorter.m_nEntryCount = 2;
    ASSERT_TRUE(sorter.SortEntries());
    const std::string sorted = ReadFileBytes(Diary());
    EXPECT_EQ(sorted.substr(0, 72), before.substr(72, 72));
    EXPECT_EQ(sorted.substr(72, 72), before.substr(0, 72));
    ASSERT_TRUE(sorter.DeleteEntry(1));
    EXPECT_EQ(ReadFileBytes(Diary()), before.substr(72, 72));
}

TEST_F(EntryOperations, ChangePasswordKeepsEveryTextAndPassesOnTheNewPassword)
{
    Save("a", 1, "old");
    Save("bb", 2, "other");
    CDiaryStore store(1, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(store.ChangePassword("n\xB4w"));
    EXPECT_EQ(store.current_index, 1u);
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{{1, "a"}, {2, "bb"}}));
    CDiaryStore check(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(check.ReadFirstEntry());
    EXPECT_STREQ(check.entry.password, "n\xB4w");

    // An empty diary ends with two empty files.
    CDiaryStore empty(0, Diary("empty.ilm"), ExtLoc(Diary("empty.ilm")));
    EXPECT_TRUE(empty.ChangePassword("x"));
    EXPECT_EQ(ReadFileBytes(Diary("empty.ilm")), "");
    EXPECT_EQ(ReadFileBytes(Diary("empty.dlm")), "");
}

// A link where a rewrite's temporary file goes (a hostile or careless folder)
// must not make the rewrite empty and overwrite the file it points at: the
// diary's own data file, or any other file of the user's.
TEST_F(EntryOperations, ALinkInPlaceOfATemporaryFileIsNeverWrittenThrough)
{
    Save("a", 1);
    Save("b", 2);
    Save("c", 3);
    CDiaryStore lists(0, Diary(), ExtLoc(Diary()));
    for (int64_t time : {20, 10}) {
        lists.reminder.time = time;
        lists.AppendReminder();
    }
    const std::string letter = Dir() + "/letter.txt";
    WriteFileBytes(letter, "keep me");
    const std::string data = ReadFileBytes(Sibling('d'));
    std::filesystem::create_symlink(Sibling('d'), CDiaryStore::TempPathFor(Diary()));
    std::filesystem::create_hard_link(letter, CDiaryStore::TempPathFor(Sibling('r')));

    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_TRUE(store.DeleteEntry(1));
    store.m_nReminderCount = 2;
    EXPECT_TRUE(store.SortReminders());
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data);
    EXPECT_EQ(ReadFileBytes(letter), "keep me");
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{{1, "a"}, {3, "c"}}));

    std::filesystem::create_symlink(letter, CDiaryStore::TempPathFor(Sibling('d')));
    EXPECT_TRUE(store.ChangePassword("new"));
    EXPECT_EQ(ReadFileBytes(letter), "keep me");
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{{1, "a"}, {3, "c"}}));
}

} // namespace
