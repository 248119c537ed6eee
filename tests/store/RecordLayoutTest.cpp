// The files byte by byte: what the store writes is compared with records
// built here by hand, and hand-made files are read back.

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

class RecordLayout : public StoreTest
{
};

TEST_F(RecordLayout, AppendedEntryMatchesHandBuiltRecordAndEncryptedText)
{
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    store.entry.time = 1039185022; // 2002-12-06 14:30:22 UTC
    store.entry.mood = -2;
    store.entry.fatigue = 1;
    store.entry.shape = 3;
    store.entry.dream = 4;
    store.entry.copulation = 1;
    store.entry.menstruus = 1;
    store.entry.temperature = 36.6f;
    store.entry.weight = 72;
    store.entry.text = "{\\rtf1 Hello}";
    std::strcpy(store.entry.password, "secret");
    store.AppendEntry();

    EntryBytes expected;
    expected.time = 1039185022;
    expected.mood = -2;
    expected.fatigue = 1;
    expected.shape = 3;
    expected.dream = 4;
    expected.copulation = 1;
    expected.menstruus = 1;
    expected.temperature = 36.6f;
    expected.weight = 72;
    expected.textOffset = 0;
    expected.textLength = 13;
    EXPECT_EQ(ReadFileBytes(Diary()), expected.Record());
    EXPECT_EQ(ReadFileBytes(Sibling('d')), Encrypted("{\\rtf1 Hello}", KeyOf("secret")));
    EXPECT_EQ(store.m_nEntryCount, 1u);
    EXPECT_EQ(store.m_nIndexLength, 72u);
    EXPECT_EQ(store.m_nDataLength, 13u);
    // The working entry is left scrambled and encrypted, as callers expect.
    EXPECT_EQ(std::string(store.entry.password), ScrambledField("secret").substr(0, 6));
    EXPECT_EQ(store.entry.text, Encrypted("{\\rtf1 Hello}", KeyOf("secret")));
}

TEST_F(RecordLayout, SecondTextIsAppendedAndItsOffsetRecorded)
{
    Save("first", 10);
    Save("second!", 20);
    const std::string index = ReadFileBytes(Diary());
    ASSERT_EQ(index.size(), 144u);
    EXPECT_EQ(index.substr(72 + 64, 8), U32(5) + U32(7));
    EXPECT_EQ(ReadFileBytes(Sibling('d')),
              Encrypted("first", KeyOf("secret")) + Encrypted("second!", KeyOf("secret")));
}

TEST_F(RecordLayout, PasswordFieldEdgeCases)
{
    struct Case
    {
        std::string password;
        std::string field;
    };
    const std::string thirty(30, 'x');
    const Case cases[] = {
        // 30 characters fill the field with no terminator.
        {thirty, std::string(30, char('x' ^ 0xB4))},
        // The mask byte itself is stored unchanged.
        {std::string("a\xB4z"), Pad(std::string{char('a' ^ 0xB4), '\xB4', char('z' ^ 0xB4)}, 30)},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(Diary());
        std::filesystem::remove(Sibling('d'));
        Save("t", 1, c.password);
        const std::string index = ReadFileBytes(Diary());
        ASSERT_EQ(index.size(), 72u);
        EXPECT_EQ(index.substr(0, 4), U32(static_cast<uint32_t>(c.password.size())));
        EXPECT_EQ(index.substr(4, 30), c.field);
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        ASSERT_TRUE(store.ReadFirstEntry());
        EXPECT_EQ(std::string(store.entry.password), c.password);
        EXPECT_EQ(store.entry.text, "t");
    }
}

TEST_F(RecordLayout, TextEncryptionKeyRules)
{
    // "ab" sums to 0xC3: a text byte equal to the key stays, others are XORed.
    const std::string text = std::string("x\xC3y");
    Save(text, 1, "ab");
    EXPECT_EQ(ReadFileBytes(Sibling('d')),
              (std::string{char('x' ^ 0xC3), '\xC3', char('y' ^ 0xC3)}));
    EXPECT_EQ(Entries()[0].second, text);

    // Bytes summing to 256 give key 0: the text is stored in the clear.
    std::filesystem::remove(Diary());
    std::filesystem::remove(Sibling('d'));
    Save("plain text", 1, "\x80\x80");
    EXPECT_EQ(ReadFileBytes(Sibling('d')), "plain text");

    // Two passwords with the same sum store the same bytes.
    std::filesystem::remove(Diary());
    std::filesystem::remove(Sibling('d'));
    Save("same", 1, "ba");
    EXPECT_EQ(ReadFileBytes(Sibling('d')), Encrypted("same", KeyOf("ab")));
}

TEST_F(RecordLayout, HandMadeFilesReadBack)
{
    EntryBytes first;
    first.password = "pw";
    first.time = 0x90000000u; // after 2038: an unsigned count
    first.mood = 3;
    first.fatigue = -1;
    first.shape = 2;
    first.dream = -2;
    first.copulation = 1;
    first.weight = 80;
    first.temperature = 37.5f;
    first.textOffset = 4;
    first.textLength = 3;
    // Six trailing bytes of an incomplete record are never an entry.
    WriteFileBytes(Diary(), first.Record() + "\x01\x02\x03\x04\x05\x06");
    WriteFileBytes(Sibling('d'), "junk" + Encrypted("abc", KeyOf("pw")));

    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(store.ReadFirstEntry());
    EXPECT_EQ(store.m_nEntryCount, 1u);
    EXPECT_EQ(store.entry.time, int64_t(0x90000000u));
    EXPECT_EQ(store.entry.mood, 3);
    EXPECT_EQ(store.entry.fatigue, -1);
    EXPECT_EQ(store.entry.shape, 2);
    EXPECT_EQ(store.entry.dream, -2);
    EXPECT_EQ(store.entry.copulation, 1);
    EXPECT_EQ(store.entry.menstruus, 0);
    EXPECT_EQ(store.entry.weight, 80);
    EXPECT_FLOAT_EQ(store.entry.temperature, 37.5f);
    EXPECT_EQ(store.entry.text, "abc");
    EXPECT_STREQ(store.entry.password, "pw");
    EXPECT_FALSE(store.NextEntry());
    EXPECT_EQ(store.current_index, 1u);

    std::vector<EntryHeader> headers;
    ASSERT_TRUE(store.ReadAllEntryHeaders(headers));
    ASSERT_EQ(headers.size(), 1u);
    EXPECT_EQ(headers[0].time, int64_t(0x90000000u));
    EXPECT_EQ(headers[0].dream, -2);
    EXPECT_EQ(headers[0].textOffset, 4u);
    EXPECT_TRUE(messages.empty());
}

// The two marks lie side by side: a header whose marks differ tells them apart.
TEST_F(RecordLayout, HeadersWithDifferentMarks)
{
    EntryBytes copulation;
    copulation.copulation = 1;
    EntryBytes menstruus;
    menstruus.menstruus = 1;
    WriteFileBytes(Diary(), copulation.Record() + menstruus.Record());
    std::vector<EntryHeader> headers;
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(store.ReadAllEntryHeaders(headers));
    ASSERT_EQ(headers.size(), 2u);
    for (uint32_t i = 0; i < 2; ++i) {
        store.current_index = i;
        ASSERT_TRUE(store.ReadEntryHeader());
        EXPECT_EQ(headers[i].copulation, i == 0 ? 1 : 0) << i;
        EXPECT_EQ(headers[i].menstruus, i == 1 ? 1 : 0) << i;
        EXPECT_EQ(store.entry.copulation, headers[i].copulation) << i;
        EXPECT_EQ(store.entry.menstruus, headers[i].menstruus) << i;
    }
}

TEST_F(RecordLayout, ReplaceEntryRewritesItsRecordAndAppendsItsText)
{
    Save("first", 10);
    Save("second", 20);
    Save("third", 30);
    const std::string index = ReadFileBytes(Diary());
    const std::string data = ReadFileBytes(Sibling('d'));
    const auto edit = [&](uint32_t at, uint32_t time, const std::string& text) {
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        store.entry.time = time;
        store.entry.mood = 3;
        store.entry.copulation = 1;
        store.entry.temperature = 37.1f;
        store.entry.text = text;
        std::strcpy(store.entry.password, "secret");
        const bool replaced = store.ReplaceEntry(at);
        return replaced ? int(store.current_index) : -1;
    };
    EXPECT_EQ(edit(1, 20, "edited"), 1);
    EntryBytes expected;
    expected.time = 20;
    expected.mood = 3;
    expected.copulation = 1;
    expected.temperature = 37.1f;
    expected.textOffset = static_cast<uint32_t>(data.size());
    expected.textLength = 6;
    EXPECT_EQ(ReadFileBytes(Diary()), index.substr(0, 72) + expected.Record() + index.substr(144));
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data + Encrypted("edited", KeyOf("secret")));

    // A new date puts the entry in its place in the same single rewrite.
    int renames = 0;
    CFileFaults::Install([&](FileOp op, const std::string&) {
        renames += op == FileOp::Rename;
        return 0;
    });
    EXPECT_EQ(edit(0, 40, "moved"), 2);
    EXPECT_EQ(renames, 1);
    EXPECT_EQ(edit(2, 5, "back"), 0);
    CFileFaults::Install({});
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{
                             {5, "back"}, {20, "edited"}, {30, "third"}}));
    // No entry there: nothing changes.
    const std::string before = ReadFileBytes(Diary());
    EXPECT_EQ(edit(3, 50, "none"), -1);
    EXPECT_EQ(ReadFileBytes(Diary()), before);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordLayout, SiblingNamesFollowTheExtensionPosition)
{
    CDiaryStore store(0, Diary("notes.abc"), ExtLoc(Diary("notes.abc")));
    EXPECT_EQ(store.m_strIndexPath, Diary("notes.abc"));
    EXPECT_EQ(store.m_strDataPath, Diary("notes.dbc"));
    EXPECT_EQ(store.m_strReminderPath, Diary("notes.rbc"));
    EXPECT_EQ(store.m_strPlannerPath, Diary("notes.pbc"));
    // An extension position past the end never makes a sibling the index itself.
    CDiaryStore bare(0, Diary("plain"), 200);
    EXPECT_NE(bare.m_strDataPath, bare.m_strIndexPath);
}

TEST_F(RecordLayout, ReminderAndTaskRecords)
{
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    store.reminder.time = 0xF0000000u;
    std::memset(store.reminder.description, 'r', 40); // 40 bytes, no terminator
    store.AppendReminder();
    EXPECT_EQ(ReadFileBytes(Sibling('r')), U32(0xF0000000u) + std::string(40, 'r'));

    store.task.plannedTime = 1000;
    store.task.doneTime = 1000;
    std::memset(store.task.description, 'p', 50);
    store.task.status = 0;
    store.AppendPlannerTask();
    EXPECT_EQ(ReadFileBytes(Sibling('p')), U32(1000) + U32(1000) + std::string(50, 'p') + U32(0));

    CDiaryStore reader(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(reader.ReadReminder());
    EXPECT_EQ(reader.reminder.time, int64_t(0xF0000000u));
    EXPECT_EQ(std::string(reader.reminder.description), std::string(39, 'r'));
    ASSERT_TRUE(reader.ReadPlannerTask());
    EXPECT_EQ(std::string(reader.task.description), std::string(49, 'p'));

    // A status other than 0 or 1 reads back as it stands; a partial tail is ignored.
    WriteFileBytes(Sibling('p'), U32(5) + U32(6) + Pad("job", 50) + U32(7) + "xyz");
    CDiaryStore odd(0, Diary(), ExtLoc(Diary()));
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
    std::vector<ReminderRecord> reminders;
    ASSERT_TRUE(odd.ReadAllReminders(reminders));
    ASSERT_EQ(reminders.size(), 1u);
    EXPECT_EQ(std::string(reminders[0].description), std::string(39, 'r'));
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordLayout, ChangePasswordRewritesBothFilesCompactly)
{
    Save("one", 30, "twelve-chars");
    Save("three", 10, "twelve-chars");
    Save("two", 20, "twelve-chars");
    {
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        ASSERT_TRUE(store.DeleteEntry(1)); // "two": its text stays behind as a gap
    }
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(store.ChangePassword("abc"));

    std::string expectedField =
        ScrambledField("abc").substr(0, 4) + std::string(8, ' ') + std::string(1, '\0');
    const std::string index = ReadFileBytes(Diary());
    ASSERT_EQ(index.size(), 144u);
    const std::string texts[] = {"three", "one"};
    uint32_t offset = 0;
    std::string data;
    for (int i = 0; i < 2; ++i) {
        const std::string record = index.substr(72 * i, 72);
        EXPECT_EQ(record.substr(0, 4), U32(3));
        EXPECT_EQ(record.substr(4, 13), expectedField) << i;
        EXPECT_EQ(record.substr(64, 8), U32(offset) + U32(uint32_t(texts[i].size()))) << i;
        offset += static_cast<uint32_t>(texts[i].size());
        data += Encrypted(texts[i], KeyOf("abc"));
    }
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data);
    EXPECT_FALSE(Exists(CDiaryStore::TempPathFor(Diary())));
    EXPECT_FALSE(Exists(store.SwitchMarkerPath()));
}

} // namespace
