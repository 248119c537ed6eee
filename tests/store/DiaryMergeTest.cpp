// Merging another copy of a diary into this one: four-file diaries joined as a
// union, encrypted copies by their histories, and a merge failed at every step.

#include "store/DiaryMerge.h"

#include "SessionTestSupport.h"
#include "store/DiarySession.h"
#include "store/EncryptedSession.h"
#include "store/EntryHistory.h"
#include "store/ScriptTexts.h"

#include <memory>
#include <sodium.h>

using namespace storetest;

namespace {

// A plan in short: "+3 r1 t1 back" adds three entries, a reminder and a task,
// deleted entries coming back; "~" replaced, "-" deleted, "!" kept twice.
std::string Counts(const CDiaryMerge::Plan& plan)
{
    using Kind = CDiaryMerge::Change::Kind;
    std::string text;
    for (const auto& [sign, n] :
         {std::pair{"+", plan.Count(Kind::Add)}, std::pair{"r", plan.reminders.size()},
          std::pair{"t", plan.tasks.size()}, std::pair{"~", plan.Count(Kind::Replace)},
          std::pair{"-", plan.Count(Kind::Delete)}, std::pair{"!", plan.conflicts.size()}})
        if (n != 0)
            text += (text.empty() ? "" : " ") + std::string(sign) + std::to_string(n);
    if (plan.deletionsComeBack && plan.Count(Kind::Add) + plan.reminders.size() + plan.tasks.size())
        text += " back";
    return text;
}

class DiaryMerge : public StoreTest
{
protected:
    // Entries, reminders and tasks; each entry with the password it is kept under.
    void Build(const std::string& name, const std::string& password,
               const std::vector<std::pair<int64_t, std::string>>& entries,
               const std::vector<std::pair<int64_t, std::string>>& reminders,
               const std::vector<std::pair<int64_t, std::string>>& tasks)
    {
        CDiaryStore store = Store(0, name);
        for (const auto& [time, text] : entries) {
            Fill(store, time, text, password);
            store.AppendEntry();
        }
        for (const auto& [time, text] : reminders)
            AddReminder(store, time, text);
        for (const auto& [time, text] : tasks)
            AddTask(store, time, text);
        ASSERT_TRUE(store.SortEntries() && store.SortReminders() && store.SortPlannerTasks());
    }

    DiaryParts Parts(const std::string& name)
    {
        DiaryParts parts;
        EXPECT_TRUE(CDiaryMerge::ReadFiles(CDiaryName(Diary(name)), parts));
        return parts;
    }

    bool MergeInto(const std::string& name, const DiaryParts& other,
                   CDiaryMerge::Plan* applied = nullptr)
    {
        CDiarySession session{CDiaryName(Diary(name))};
        session.SetPassword("secret");
        return CDiaryMerge::Merge(session, other, applied);
    }

    // The other copy: both entries (one edited, one twice), one of its own,
    // and a reminder and a task of its own, all under another password.
    void BuildTwoCopies()
    {
        Build("travel.ilm", "secret", {{600, "{\\rtf1 dawn}"}, {1200, "{\\rtf1 noon}"}},
              {{10, "pay rent"}}, {{20, "pack"}});
        Build("other.ilm", "other pass",
              {{600, "{\\rtf1 dawn}"},
               {1200, "{\\rtf1 noon, edited}"},
               {1800, "{\\rtf1 dusk}"},
               {600, "{\\rtf1 dawn}"}},
              {{10, "pay rent"}, {30, "call home"}}, {{20, "pack"}, {40, "book train"}});
    }
};

TEST_F(DiaryMerge, UnionOfTwoFourFileDiariesAddsWhatOnlyTheOtherHas)
{
    BuildTwoCopies();
    CDiaryMerge::Plan plan;
    ASSERT_TRUE(CDiaryMerge::Compare(Parts("travel.ilm"), Parts("other.ilm"), plan));
    EXPECT_EQ(Counts(plan), "+3 r1 t1 back");

    CDiaryMerge::Plan applied;
    ASSERT_TRUE(MergeInto("travel.ilm", Parts("other.ilm"), &applied));
    EXPECT_EQ(applied.Count(CDiaryMerge::Change::Kind::Add), 3u);
    // In time order, under this diary's password; a double stays double.
    EXPECT_EQ(SessionContent(CDiarySession{CDiaryName(Diary())}, Show::Full),
              "600 secret {\\rtf1 dawn}\n"
              "600 secret {\\rtf1 dawn}\n"
              "1200 secret {\\rtf1 noon}\n"
              "1200 secret {\\rtf1 noon, edited}\n"
              "1800 secret {\\rtf1 dusk}\n"
              "r 10 pay rent\n"
              "r 30 call home\n"
              "p 20 pack\n"
              "p 40 book train\n");
    EXPECT_TRUE(messages.empty());

    // Merged once more, and merged with itself: nothing to add, nothing written.
    const auto before = FolderFiles();
    for (const char* copy : {"other.ilm", "travel.ilm"}) {
        SCOPED_TRACE(copy);
        ASSERT_TRUE(CDiaryMerge::Compare(Parts("travel.ilm"), Parts(copy), plan));
        EXPECT_TRUE(plan.IsEmpty());
        EXPECT_EQ(Counts(plan), "");
        ASSERT_TRUE(MergeInto("travel.ilm", Parts(copy)));
        EXPECT_EQ(FolderFiles(), before);
    }
}

// One encrypted diary, copied, each copy changed on its own: entries added,
// deleted and edited on each side, one entry edited differently in both.
class EncryptedCopies : public DiaryMerge
{
protected:
    void SetUp() override
    {
        DiaryMerge::SetUp();
        {
            const auto first = OpenEncrypted(Diary("mine.dayloom"));
            for (const auto& [time, text] : kShared)
                SaveEntry(*first, text, time);
        }
        WriteFileBytes(Diary("other.dayloom"), ReadFileBytes(Diary("mine.dayloom")));
        mine = OpenEncrypted(Diary("mine.dayloom"));
        other = OpenEncrypted(Diary("other.dayloom"));
        mine->Encrypted()->SetClock([] { return int64_t(1'700'000'000); });
        other->Encrypted()->SetClock([] { return int64_t(1'700'000'100); });
    }

    static uint32_t IndexOf(CDiarySession& session, int64_t time)
    {
        std::vector<EntryHeader> headers;
        EXPECT_TRUE(session.MakeStore()->ReadAllEntryHeaders(headers));
        for (uint32_t i = 0; i < headers.size(); ++i)
            if (headers[i].time == time)
                return i;
        ADD_FAILURE() << "no entry at " << time;
        return 0;
    }

    static void Edit(CDiarySession& session, int64_t time, const std::string& text)
    {
        auto store = session.MakeStore();
        Fill(*store, time, text, "");
        ASSERT_TRUE(store->ReplaceEntry(IndexOf(session, time)));
    }

    static void Delete(CDiarySession& session, int64_t time)
    {
        ASSERT_TRUE(session.MakeStore()->DeleteEntry(IndexOf(session, time)));
    }

    static size_t Changes(const CDiarySession& session)
    {
        return session.Encrypted()->History()->size() / CEntryHistory::kRecordSize;
    }

    void ChangeApart()
    {
        SaveEntry(*mine, "{\\rtf1 mine added}", 3600);
        Delete(*mine, 600);
        Edit(*mine, 1200, "{\\rtf1 B edited here}");
        Edit(*mine, 3000, "{\\rtf1 E edited here}");
        Edit(*mine, 3300, "{\\rtf1 F edited here}"); // and deleted there
        SaveEntry(*other, "{\\rtf1 other added}", 4200);
        Delete(*other, 1800);
        Edit(*other, 2400, "{\\rtf1 D edited there}");
        Edit(*other, 2400, "{\\rtf1 D edited there again}");
        Edit(*other, 3000, "{\\rtf1 E edited there}");
        Delete(*other, 3300);
    }

    static constexpr std::pair<int64_t, const char*> kShared[] = {
        {600, "{\\rtf1 A}"},  {1200, "{\\rtf1 B}"}, {1800, "{\\rtf1 C}"},
        {2400, "{\\rtf1 D}"}, {3000, "{\\rtf1 E}"}, {3300, "{\\rtf1 F}"}};
    std::unique_ptr<CDiarySession> mine;
    std::unique_ptr<CDiarySession> other;
};

TEST_F(EncryptedCopies, EachCopysDeletionsAndEditsSurviveTheMergeEitherWay)
{
    ChangeApart();
    ASSERT_EQ(Changes(*mine), 4u);
    ASSERT_EQ(Changes(*other), 5u);
    const std::string merged = "{\\rtf1 B edited here}\n"
                               "{\\rtf1 D edited there again}\n"
                               "{\\rtf1 E edited here}\n"
                               "{\\rtf1 E edited there}\n"
                               "{\\rtf1 F edited here}\n"
                               "{\\rtf1 mine added}\n"
                               "{\\rtf1 other added}\n";
    CDiaryMerge::Plan plan;
    ASSERT_TRUE(CDiaryMerge::Compare(mine->Encrypted()->CurrentParts(),
                                     other->Encrypted()->CurrentParts(), plan));
    EXPECT_FALSE(plan.deletionsComeBack);
    EXPECT_EQ(Counts(plan), "+2 ~1 -1 !1");

    // A merge that cannot be written leaves the file and the memory alone.
    const std::string sealed = ReadFileBytes(Diary("mine.dayloom"));
    const DiaryParts mineBefore = mine->Encrypted()->CurrentParts();
    CFileFaults::Install(
        [](FileOp op, const std::string&) { return op == FileOp::Rename ? EIO : 0; });
    EXPECT_FALSE(CDiaryMerge::Merge(*mine, other->Encrypted()->CurrentParts()));
    CFileFaults::Install({});
    EXPECT_EQ(ReadFileBytes(Diary("mine.dayloom")), sealed);
    EXPECT_EQ(mine->Encrypted()->CurrentParts(), mineBefore);
    EXPECT_EQ(messages.size(), 1u);

    // The other way round the same diary comes out.
    ASSERT_TRUE(CDiaryMerge::Merge(*other, mineBefore));
    EXPECT_EQ(SessionContent(*other, Show::Sorted), merged);

    CDiaryMerge::Plan applied;
    ASSERT_TRUE(CDiaryMerge::Merge(*mine, other->Encrypted()->CurrentParts(), &applied));
    EXPECT_EQ(SessionContent(*mine, Show::Sorted), merged);
    EXPECT_EQ(applied.conflicts, (std::vector<std::pair<int64_t, int64_t>>{{3000, 3000}}));
    // The histories joined, the merge itself recorded as nothing new.
    EXPECT_EQ(Changes(*mine), 9u);
    EXPECT_EQ(*mine->Encrypted()->History(), *other->Encrypted()->History());

    // Reopened, merged with itself and with the other copy again: nothing.
    mine = OpenEncrypted(Diary("mine.dayloom"));
    EXPECT_EQ(SessionContent(*mine, Show::Sorted), merged);
    for (CDiarySession* copy : {mine.get(), other.get()}) {
        ASSERT_TRUE(CDiaryMerge::Compare(mine->Encrypted()->CurrentParts(),
                                         copy->Encrypted()->CurrentParts(), plan));
        EXPECT_TRUE(plan.IsEmpty());
        EXPECT_TRUE(plan.conflicts.empty());
    }

    // Deleting everything here deletes it there, though the texts part goes.
    for (int i = 0; i < 7; ++i) // the seven entries merged
        ASSERT_TRUE(mine->MakeStore()->DeleteEntry(0));
    ASSERT_EQ(Changes(*mine), 9u + 7u);
    ASSERT_TRUE(CDiaryMerge::Merge(*other, mine->Encrypted()->CurrentParts()));
    EXPECT_EQ(SessionContent(*other, Show::Sorted), "");
}

TEST_F(EncryptedCopies, HistoryRecordsItsBytesAndAnEditBackIsNoDeletion)
{
    // A deletion's record, byte for byte (BLAKE2b-256 of fields and text).
    Delete(*mine, 600);
    std::string fields = std::string("\x58\x02\0\0\0\0\0\0", 8) + std::string(18, '\0') +
                         std::string(8, '\0') + "{\\rtf1 A}";
    unsigned char hash[32];
    crypto_generichash(hash, sizeof hash, reinterpret_cast<const unsigned char*>(fields.data()),
                       fields.size(), nullptr, 0);
    const std::string expected =
        std::string("\x01\0\0\0\0\0\0\0", 8) + std::string("\x00\xF1\x53\x65\0\0\0\0", 8) +
        std::string("\x58\x02\0\0\0\0\0\0", 8) + std::string(8, '\0') +
        std::string(reinterpret_cast<const char*>(hash), 32) + std::string(32, '\0');
    EXPECT_EQ(*mine->Encrypted()->History(), expected);
    mine = OpenEncrypted(Diary("mine.dayloom"));
    EXPECT_EQ(*mine->Encrypted()->History(), expected) << "written with the deletion";

    // B edited there, merged, edited back there: the older form wins again.
    Edit(*other, 1200, "{\\rtf1 B for a while}");
    ASSERT_TRUE(CDiaryMerge::Merge(*mine, other->Encrypted()->CurrentParts()));
    other->Encrypted()->SetClock([] { return int64_t(1'700'000'500); });
    Edit(*other, 1200, "{\\rtf1 B}");
    CDiaryMerge::Plan applied;
    ASSERT_TRUE(CDiaryMerge::Merge(*mine, other->Encrypted()->CurrentParts(), &applied));
    EXPECT_EQ(Counts(applied), "~1");
    EXPECT_EQ(SessionContent(*mine, Show::Sorted),
              "{\\rtf1 B}\n{\\rtf1 C}\n{\\rtf1 D}\n{\\rtf1 E}\n{\\rtf1 F}\n");

    // A copy without a history is merged as a union: the deleted entry comes
    // back, and the preview says so; nothing readable reaches the folder.
    Build("four.ilm", "other pass", {{600, "{\\rtf1 A}"}, {1200, "{\\rtf1 B}"}}, {}, {});
    CDiaryMerge::Plan plan;
    ASSERT_TRUE(CDiaryMerge::Compare(mine->Encrypted()->CurrentParts(), Parts("four.ilm"), plan));
    EXPECT_TRUE(plan.deletionsComeBack);
    EXPECT_EQ(Counts(plan), "+1 back");
    ASSERT_TRUE(CDiaryMerge::Merge(*mine, Parts("four.ilm")));
    mine = OpenEncrypted(Diary("mine.dayloom"));
    EXPECT_EQ(SessionContent(*mine, Show::Sorted),
              "{\\rtf1 A}\n{\\rtf1 B}\n{\\rtf1 C}\n{\\rtf1 D}\n{\\rtf1 E}\n{\\rtf1 F}\n");
    EXPECT_FALSE(Exists(Diary("mine.ilm")) || Exists(Diary("mine.dlm")));
}

TEST_F(EncryptedCopies, RussianReminderAndTaskSurviveReopenPasswordChangeAndMerge)
{
    const std::string birthday = "\xD0\x94\xD0\xB5\xD0\xBD\xD1\x8C \xD1\x80\xD0\xBE\xD0\xB6"
                                 "\xD0\xB4\xD0\xB5\xD0\xBD\xD0\xB8\xD1\x8F \xD0\xBC\xD0\xB0"
                                 "\xD0\xBC\xD1\x8B"; // День рождения мамы
    const std::string call = "\xD0\x9F\xD0\xBE\xD0\xB7\xD0\xB2\xD0\xBE\xD0\xBD\xD0\xB8"
                             "\xD1\x82\xD1\x8C"; // Позвонить
    {
        auto store = mine->MakeStore();
        AddReminder(*store, 7200, "???? ???????? ????");
        AddTask(*store, 9000, "?????????");
        AddReminder(*store, 7300, "plain");
    }
    ASSERT_TRUE(mine->Encrypted()->SetScriptText(
        {CScriptTexts::Kind::Reminder, 7200, "???? ???????? ????", birthday}));
    ASSERT_TRUE(
        mine->Encrypted()->SetScriptText({CScriptTexts::Kind::Task, 9000, "?????????", call}));
    // Texts whose record is gone are dropped when the diary is written.
    ASSERT_TRUE(mine->Encrypted()->SetScriptText(
        {CScriptTexts::Kind::Reminder, 7200, "other field", call}));
    ASSERT_TRUE(mine->Encrypted()->CommitReported());

    const auto texts = [](CDiarySession& session) {
        std::vector<ReminderRecord> reminders;
        std::vector<PlannerRecord> tasks;
        auto store = session.MakeStore();
        EXPECT_TRUE(store->ReadAllReminders(reminders) && store->ReadAllPlannerTasks(tasks));
        const std::string part = session.Encrypted()->ScriptTexts().value_or("");
        std::string out;
        for (const ReminderRecord& r : reminders)
            out += CScriptTexts::Find(part, r) + '|';
        for (const PlannerRecord& t : tasks)
            out += CScriptTexts::Find(part, t) + '|';
        return out;
    };
    const std::string expected = birthday + "||" + call + '|';
    EXPECT_EQ(texts(*mine), expected);
    ASSERT_TRUE(mine->ChangePassword(Passphrase("new password")));
    mine = OpenEncrypted(Diary("mine.dayloom"), "new password");
    EXPECT_EQ(texts(*mine), expected);
    EXPECT_EQ(CScriptTexts::Decode(*mine->Encrypted()->ScriptTexts())->size(), 2u);

    ASSERT_TRUE(CDiaryMerge::Merge(*other, mine->Encrypted()->CurrentParts()));
    other = OpenEncrypted(Diary("other.dayloom"));
    EXPECT_EQ(texts(*other), expected);
}

TEST_F(DiaryMerge, FailureAtAnyWriteStepLeavesEveryFileAsItWas)
{
    int steps = 0;
    for (int k = 1;; ++k) {
        SCOPED_TRACE(k);
        ClearDir();
        BuildTwoCopies();
        const DiaryParts other = Parts("other.ilm");
        const auto before = FolderFiles();
        bool hit = false;
        bool folderFlush = false;
        int seen = 0;
        CFileFaults::Install([&](FileOp op, const std::string& path) {
            if (op == FileOp::Read || ++seen != k)
                return 0;
            hit = true;
            folderFlush = path == Dir();
            return EIO;
        });
        const bool merged = MergeInto("travel.ilm", other);
        CFileFaults::Install({});
        if (!hit) {
            EXPECT_TRUE(merged);
            steps = k - 1;
            break;
        }
        if (folderFlush && merged) {
            // Renamed already: an unflushed folder only delays the names.
            EXPECT_NE(SessionContent(CDiarySession{CDiaryName(Diary())}).find("dusk"),
                      std::string::npos);
            continue;
        }
        EXPECT_FALSE(merged);
        EXPECT_FALSE(messages.empty());
        messages.clear();
        EXPECT_EQ(FolderFiles(), before) << "no file changed, none left behind";
    }
    // Opens, temporary files written and flushed, renames and folder flushes.
    EXPECT_GT(steps, 12);
}

} // namespace
