// The files byte by byte: what the store writes is compared with records
// built here by hand, and hand-made files are read back; reminders and
// planner tasks through the sequences the dialogs run.

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

using RecordLayout = StoreTest;

const EntryBytes kFull{.password = "secret",
                       .time = 1039185022, // 2002-12-06 14:30:22 UTC
                       .mood = -2,
                       .fatigue = 1,
                       .shape = 3,
                       .dream = 4,
                       .weight = 72,
                       .copulation = 1,
                       .menstruus = 1,
                       .temperature = 36.6f};

TEST_F(RecordLayout, AppendedEntryMatchesHandBuiltRecordAndEncryptedText)
{
    CDiaryStore store = Store();
    kFull.Fill(store.entry);
    store.entry.text = "{\\rtf1 Hello}";
    store.AppendEntry();

    EntryBytes expected = kFull;
    expected.textLength = 13;
    EXPECT_EQ(ReadFileBytes(Diary()), expected.Record());
    EXPECT_EQ(ReadFileBytes(Sibling('d')), Encrypted("{\\rtf1 Hello}", KeyOf("secret")));
    EXPECT_EQ(store.m_nEntryCount, 1u);
    EXPECT_EQ(store.m_nIndexLength, 72u);
    EXPECT_EQ(store.m_nDataLength, 13u);
    // The working entry is left scrambled and encrypted, as callers expect.
    EXPECT_EQ(std::string(store.entry.password), ScrambledField("secret").substr(0, 6));
    EXPECT_EQ(store.entry.text, Encrypted("{\\rtf1 Hello}", KeyOf("secret")));

    // The next text is appended and its offset recorded.
    Save("second!", 2000000000);
    EXPECT_EQ(ReadFileBytes(Diary()).substr(72 + 64), U32(13) + U32(7));
}

TEST_F(RecordLayout, PasswordAndTextKeyRules)
{
    struct Case
    {
        std::string password, text, field, data;
    };
    const std::string thirty(30, 'x');
    const Case cases[] = {
        // 30 characters fill the field with no terminator.
        {thirty, "t", std::string(30, char('x' ^ 0xB4)), Encrypted("t", KeyOf(thirty))},
        // The mask byte itself is stored unchanged.
        {"a\xB4z", "t", Pad({char('a' ^ 0xB4), '\xB4', char('z' ^ 0xB4)}, 30),
         Encrypted("t", KeyOf("a\xB4z"))},
        // "ab" sums to 0xC3: a text byte equal to the key stays, others are XORed.
        {"ab", "x\xC3y", ScrambledField("ab"), {char('x' ^ 0xC3), '\xC3', char('y' ^ 0xC3)}},
        // Bytes summing to 256 give key 0: the text is stored in the clear.
        {"\x80\x80", "plain text", ScrambledField("\x80\x80"), "plain text"},
    };
    for (const Case& c : cases) {
        ClearDir();
        Save(c.text, 1, c.password);
        const std::string index = ReadFileBytes(Diary());
        EXPECT_EQ(index.substr(0, 34), U32(uint32_t(c.password.size())) + c.field);
        EXPECT_EQ(ReadFileBytes(Sibling('d')), c.data);
        CDiaryStore store = Store();
        ASSERT_TRUE(store.ReadFirstEntry());
        EXPECT_EQ(std::string(store.entry.password), c.password);
        EXPECT_EQ(store.entry.text, c.text);
    }
}

TEST_F(RecordLayout, HandMadeFilesReadBack)
{
    EntryBytes first = kFull;
    first.time = 0x90000000u; // after 2038: an unsigned count
    first.password = "pw";
    first.menstruus = 0; // the two marks differ, each the other way round below
    first.textOffset = 4;
    first.textLength = 3;
    EntryBytes second{.password = "pw", .menstruus = 1};
    // Six trailing bytes of an incomplete record are never an entry.
    WriteFileBytes(Diary(), first.Record() + second.Record() + "\x01\x02\x03\x04\x05\x06");
    WriteFileBytes(Sibling('d'), "junk" + Encrypted("abc", KeyOf("pw")));

    CDiaryStore store = Store();
    ASSERT_TRUE(store.ReadFirstEntry());
    EXPECT_EQ(store.m_nEntryCount, 2u);
    EXPECT_EQ(EntryBytes::Of(store.entry, store.entry.password).Record(), first.Record());
    EXPECT_EQ(store.entry.time, int64_t(0x90000000u));
    EXPECT_EQ(store.entry.text, "abc");

    // The walk's headers and the headers read in one go.
    std::vector<EntryHeader> headers;
    ASSERT_TRUE(store.ReadAllEntryHeaders(headers));
    ASSERT_EQ(headers.size(), 2u);
    EXPECT_EQ(headers[0].time, int64_t(0x90000000u));
    for (uint32_t i = 0; i < 2; ++i) {
        const std::string expected = (i == 0 ? first : second).Record();
        EXPECT_EQ(EntryBytes::Of(headers[i], "pw").Record(), expected) << i;
        store.current_index = i;
        ASSERT_TRUE(store.ReadEntryHeader());
        EXPECT_EQ(EntryBytes::Of(store.entry, "pw").Record(), expected) << i;
    }
    EXPECT_FALSE(store.NextEntry());
    EXPECT_EQ(store.current_index, 2u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordLayout, ReplaceEntryRewritesItsRecordAndAppendsItsText)
{
    Save("first", 10);
    Save("second", 20);
    Save("third", 30);
    const std::string index = ReadFileBytes(Diary());
    const std::string data = ReadFileBytes(Sibling('d'));
    EntryBytes edited = kFull;
    const auto edit = [&](uint32_t at, uint32_t time, const std::string& text) {
        CDiaryStore store = Store();
        edited.time = time;
        edited.Fill(store.entry);
        store.entry.text = text;
        return store.ReplaceEntry(at) ? int(store.current_index) : -1;
    };
    EXPECT_EQ(edit(1, 20, "edited"), 1);
    edited.textOffset = static_cast<uint32_t>(data.size());
    edited.textLength = 6;
    EXPECT_EQ(ReadFileBytes(Diary()), index.substr(0, 72) + edited.Record() + index.substr(144));
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data + Encrypted("edited", KeyOf("secret")));

    // A new date puts the entry in its place in the same single rewrite.
    int renames = 0;
    CFileFaults::Install(
        [&](FileOp op, const std::string&) { return renames += op == FileOp::Rename, 0; });
    EXPECT_EQ(edit(0, 40, "moved"), 2);
    EXPECT_EQ(renames, 1);
    EXPECT_EQ(edit(2, 5, "back"), 0);
    CFileFaults::Install({});
    EXPECT_EQ(Entries(), (Texts{{5, "back"}, {20, "edited"}, {30, "third"}}));
    // No entry there: nothing changes.
    const std::string before = ReadFileBytes(Diary());
    EXPECT_EQ(edit(3, 50, "none"), -1);
    EXPECT_EQ(ReadFileBytes(Diary()), before);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordLayout, ReminderAndTaskRecords)
{
    CDiaryStore store = Store();
    store.reminder.time = 0xF0000000u;
    std::memset(store.reminder.description, 'r', 40); // 40 bytes, no terminator
    store.AppendReminder();
    EXPECT_EQ(ReadFileBytes(Sibling('r')), ReminderBytes(0xF0000000u, std::string(40, 'r')));
    store.task.plannedTime = store.task.doneTime = 1000;
    std::memset(store.task.description, 'p', 50);
    store.task.status = 0;
    store.AppendPlannerTask();
    EXPECT_EQ(ReadFileBytes(Sibling('p')), TaskBytes(1000, 1000, std::string(50, 'p')));

    CDiaryStore reader = Store();
    ASSERT_TRUE(reader.ReadReminder());
    EXPECT_EQ(reader.reminder.time, int64_t(0xF0000000u));
    EXPECT_EQ(std::string(reader.reminder.description), std::string(39, 'r'));
    ASSERT_TRUE(reader.ReadPlannerTask());
    EXPECT_EQ(std::string(reader.task.description), std::string(49, 'p'));
    // A rewrite reads them so too: the description's last byte becomes zero.
    AddReminder(reader, 1, std::string(40, 'a'));
    ASSERT_TRUE(reader.SortReminders());
    EXPECT_EQ(ReadFileBytes(Sibling('r')), ReminderBytes(1, std::string(39, 'a')) +
                                               ReminderBytes(0xF0000000u, std::string(39, 'r')));
    CDiaryStore walker = Store();
    ASSERT_TRUE(walker.ReadReminder() && walker.NextReminder());
    EXPECT_EQ(walker.reminder.time, int64_t(0xF0000000u));
    EXPECT_FALSE(walker.NextReminder());
    EXPECT_EQ(walker.reminder_index, 2u);
    std::vector<ReminderRecord> reminders;
    ASSERT_TRUE(walker.ReadAllReminders(reminders));
    ASSERT_EQ(reminders.size(), 2u);
    EXPECT_EQ(reminders[1].time, int64_t(0xF0000000u));
    EXPECT_EQ(std::string(reminders[0].description), std::string(39, 'a'));
    ASSERT_TRUE(reader.MarkPlannerTaskDone(0, 11));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), TaskBytes(1000, 11, std::string(49, 'p'), 1));

    // A status other than 0 or 1 reads back as it stands; a partial tail is ignored.
    WriteFileBytes(Sibling('p'), TaskBytes(5, 6, "job", 7) + "xyz");
    CDiaryStore odd = Store();
    odd.OpenPlannerFile();
    odd.ClosePlannerFile();
    EXPECT_EQ(odd.m_nPlannerCount, 1u);
    ASSERT_TRUE(odd.ReadPlannerTask());
    EXPECT_EQ(odd.task.status, 7);
    EXPECT_EQ(odd.task.doneTime, 6);
    EXPECT_FALSE(odd.NextPlannerTask());
    std::vector<PlannerRecord> tasks;
    ASSERT_TRUE(odd.ReadAllPlannerTasks(tasks));
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_EQ(tasks[0].status, 7);
    EXPECT_STREQ(tasks[0].description, "job");
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordLayout, RemindersSortStablyAndDeleteInOrder)
{
    std::vector<ReminderRecord> none(1);
    EXPECT_TRUE(Store().ReadAllReminders(none) && none.empty());
    EXPECT_TRUE(Exists(Sibling('r'))); // a missing file is created empty
    for (const auto& [time, text] : {std::pair{300, "c"}, {100, "a"}, {300, "c2"}, {200, "b"}}) {
        CDiaryStore store = Store();
        AddReminder(store, time, text);
        ASSERT_TRUE(store.SortReminders());
    }
    const std::string a = ReminderBytes(100, "a"), b = ReminderBytes(200, "b");
    EXPECT_EQ(ReadFileBytes(Sibling('r')),
              a + b + ReminderBytes(300, "c") + ReminderBytes(300, "c2"));

    CDiaryStore store = Store();
    ASSERT_TRUE(store.DeleteReminder(2));
    EXPECT_EQ(store.reminder_index, 0u);
    EXPECT_EQ(ReadFileBytes(Sibling('r')), a + b + ReminderBytes(300, "c2"));
    EXPECT_FALSE(store.DeleteReminder(3));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(store.DeleteReminder(0));
    EXPECT_EQ(store.m_nReminderCount, 0u);
    EXPECT_FALSE(Exists(Sibling('r')));
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordLayout, TasksSortByPlannedTimeAndMarkDoneChangesOneRecord)
{
    for (const auto& [time, text] : {std::pair{50, "later"}, {10, "first"}, {50, "later too"}}) {
        CDiaryStore store = Store();
        AddTask(store, time, text);
        ASSERT_TRUE(store.SortPlannerTasks());
    }
    const std::string first = TaskBytes(10, 10, "first"), last = TaskBytes(50, 50, "later too");
    EXPECT_EQ(ReadFileBytes(Sibling('p')), first + TaskBytes(50, 50, "later") + last);
    CDiaryStore store = Store();
    ASSERT_TRUE(store.MarkPlannerTaskDone(1, 0x1'2345'6789LL)); // only the low half is stored
    EXPECT_EQ(ReadFileBytes(Sibling('p')), first + TaskBytes(50, 0x2345'6789, "later", 1) + last);
    // Marking again replaces the time; an index past the end changes nothing.
    ASSERT_TRUE(store.MarkPlannerTaskDone(1, 70));
    ASSERT_TRUE(store.MarkPlannerTaskDone(3, 99));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), first + TaskBytes(50, 70, "later", 1) + last);

    ASSERT_TRUE(store.DeletePlannerTask(0));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), TaskBytes(50, 70, "later", 1) + last);
    ASSERT_TRUE(store.DeletePlannerTask(1));
    ASSERT_TRUE(store.MarkPlannerTaskDone(0, 80)); // a planner of one task keeps its file
    EXPECT_EQ(ReadFileBytes(Sibling('p')), TaskBytes(50, 80, "later", 1));
    ASSERT_TRUE(store.DeletePlannerTask(0));
    EXPECT_FALSE(Exists(Sibling('p')));
    EXPECT_TRUE(messages.empty());
}

// Each text is decrypted with its own record's password and encrypted with
// the new one; the texts no record refers to are left out.
TEST_F(RecordLayout, ChangePasswordRewritesBothFilesCompactly)
{
    Save("one", 30, "twelve-chars");
    Save("three", 10, "other-twelve");
    Save("two", 20, "twelve-chars");
    ASSERT_TRUE(Store().DeleteEntry(1)); // "two": its text stays behind as a gap
    CDiaryStore store = Store(1);
    ASSERT_TRUE(store.ChangePassword("n\xB4w"));
    EXPECT_EQ(store.current_index, 1u);

    // The old password's further characters become spaces.
    const std::string field = ScrambledField("n\xB4w").substr(0, 4) + std::string(8, ' ') + '\0';
    const std::string index = ReadFileBytes(Diary());
    ASSERT_EQ(index.size(), 144u);
    uint32_t offset = 0;
    std::string data;
    for (int i = 0; i < 2; ++i) {
        const std::string text = i == 0 ? "three" : "one";
        const std::string record = index.substr(72 * i, 72);
        EXPECT_EQ(record.substr(0, 17), U32(3) + field) << i;
        EXPECT_EQ(record.substr(64, 8), U32(offset) + U32(uint32_t(text.size()))) << i;
        offset += static_cast<uint32_t>(text.size());
        data += Encrypted(text, KeyOf("n\xB4w"));
    }
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data);
    EXPECT_FALSE(Exists(Temp('i')) || Exists(Marker()));
    EXPECT_EQ(Entries(), (Texts{{10, "three"}, {30, "one"}}));

    // An empty diary ends with two empty files.
    EXPECT_TRUE(Store(0, "empty.ilm").ChangePassword("x"));
    EXPECT_EQ(ReadFileBytes(Diary("empty.ilm")) + ReadFileBytes(Diary("empty.dlm")), "");
}

} // namespace
