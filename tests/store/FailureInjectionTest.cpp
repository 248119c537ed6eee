// Every operation that writes, failed or cut short at each of its file steps
// in turn: a failure leaves every file of the diary byte for byte as it was
// and is reported once; after a crash the diary opens with its old or its new
// content, never less. Also a lock held by another process and a read-only
// folder.

#include "StoreTestSupport.h"

#include <sstream>

using namespace storetest;

namespace {

using Operation = std::function<bool(CDiaryStore&)>;

class FailureInjection : public StoreTest
{
protected:
    void Build()
    {
        ClearDir();
        Save("{\\rtf1 noon}", 1200, "old-password");
        Save("{\\rtf1 dawn}", 600, "old-password");
        Save("{\\rtf1 night}", 2400, "old-password");
        CDiaryStore store = Store();
        for (auto [time, text] : {std::pair{30, "r30"}, {10, "r10"}, {20, "r20"}}) {
            AddReminder(store, time, text);
            AddTask(store, time, text);
        }
    }

    // Everything the diary holds, read through the store as the windows do.
    std::string Snapshot()
    {
        std::ostringstream out;
        CDiaryStore probe = Store();
        if (!probe.OpenIndexFile())
            return "<index cannot be opened>";
        probe.CloseIndexFile();
        for (uint32_t i = 0; i < probe.m_nEntryCount; ++i) {
            CDiaryStore store = Store(i);
            if (!store.ReadEntry())
                return "<entry unreadable>";
            out << store.entry.time << ' ' << store.entry.password << ' ' << store.entry.text
                << '\n';
        }
        std::vector<ReminderRecord> reminders;
        std::vector<PlannerRecord> tasks;
        if (!probe.ReadAllReminders(reminders) || !probe.ReadAllPlannerTasks(tasks))
            return "<lists unreadable>";
        for (const ReminderRecord& r : reminders)
            out << "r " << r.time << ' ' << r.description << '\n';
        for (const PlannerRecord& t : tasks)
            out << "p " << t.plannedTime << ' ' << t.doneTime << ' ' << t.status << ' '
                << t.description << '\n';
        return out.str();
    }

    // Temporary files and markers in the diary's folder.
    std::string Leftovers() const
    {
        std::string names;
        for (const auto& [name, bytes] : FolderFiles())
            if (name.ends_with(".tmp") || name.ends_with(".pwswitch"))
                names += name + ' ';
        return names;
    }

    // Runs the operation, returning its result; a raised file error counts as
    // false and as reported (the command that catches it shows it).
    bool Run(const Operation& op)
    {
        CDiaryStore store = Store();
        try {
            return op(store);
        } catch (const CFileError& error) {
            messages.push_back(error.what());
            return false;
        }
    }

    // Builds the diary, then brings it to the state the operation starts from.
    void Start(const Operation& prepare)
    {
        Build();
        if (prepare) {
            ASSERT_TRUE(Run(prepare));
        }
    }

    // A hook that runs `at` at the k-th step that is not a read.
    static void AtStep(int k, const std::function<int()>& at)
    {
        auto seen = std::make_shared<int>(0);
        CFileFaults::Install([=](FileOp o, const std::string&) {
            return o != FileOp::Read && ++*seen == k ? at() : 0;
        });
    }

    void CheckEveryStep(const char* name, const Operation& op, const Operation& prepare = {})
    {
        SCOPED_TRACE(name);
        Start(prepare);
        const std::string before = Snapshot();
        int steps = 0;
        CFileFaults::Install(
            [&](FileOp o, const std::string&) { return steps += o != FileOp::Read, 0; });
        ASSERT_TRUE(Run(op));
        CFileFaults::Install({});
        const std::string after = Snapshot();
        ASSERT_NE(before, after);
        ASSERT_GT(steps, 0);

        for (int k = 1; k <= steps; ++k) {
            for (int error : {EIO, ENOSPC}) {
                SCOPED_TRACE("failing step " + std::to_string(k) + " with errno " +
                             std::to_string(error));
                Start(prepare);
                const auto files = FolderFiles();
                messages.clear();
                AtStep(k, [error] { return error; });
                const bool result = Run(op);
                CFileFaults::Install({});
                if (!result) {
                    EXPECT_EQ(FolderFiles(), files) << "a failure changes no byte of any file";
                    EXPECT_EQ(messages.size(), 1u) << "a failure is reported, once";
                }
                // A committed switch is finished by that reopening.
                EXPECT_EQ(Snapshot(), result ? after : before);
                EXPECT_EQ(Leftovers(), "") << "a failed rewrite leaves nothing behind";
            }
            // A crash at step k: a child process dies there, the parent reopens.
            SCOPED_TRACE("crash at step " + std::to_string(k));
            Start(prepare);
            InChild([&] {
                AtStep(k, [] { return _exit(0), 0; });
                Run(op);
                return 0;
            });
            const std::string state = Snapshot();
            EXPECT_TRUE(state == before || state == after) << state;
        }
    }
};

// Every rewriting operation, with what must happen first for it to have work.
const Operation kAppend = [](CDiaryStore& s) {
    Fill(s, 100, "{\\rtf1 earliest}", "old-password");
    s.AppendEntry();
    return true;
};
const struct
{
    const char* name;
    Operation op, prepare = {};
} kRewrites[] = {
    {"DeleteEntry", [](CDiaryStore& s) { return s.DeleteEntry(1); }},
    {"DeleteLastEntry", [](CDiaryStore& s) { return s.DeleteEntry(0); },
     [](CDiaryStore& s) { return s.DeleteEntry(0) && s.DeleteEntry(0); }},
    {"AppendEntry", kAppend},
    {"ChangePassword", [](CDiaryStore& s) { return s.ChangePassword("new"); }},
    {"ReplaceEntry",
     [](CDiaryStore& s) {
         Fill(s, 3000, "{\\rtf1 edited}", "old-password"); // first to last: re-sorted
         return s.ReplaceEntry(0);
     }},
    {"SortReminders",
     [](CDiaryStore& s) {
         s.m_nReminderCount = 3;
         return s.SortReminders();
     }},
    {"DeleteReminder", [](CDiaryStore& s) { return s.DeleteReminder(0); }},
    {"DeleteLastReminder", [](CDiaryStore& s) { return s.DeleteReminder(0); },
     [](CDiaryStore& s) { return s.DeleteReminder(0) && s.DeleteReminder(0); }},
    {"SortPlannerTasks",
     [](CDiaryStore& s) {
         s.m_nPlannerCount = 3;
         return s.SortPlannerTasks();
     }},
    {"DeletePlannerTask", [](CDiaryStore& s) { return s.DeletePlannerTask(2); }},
    {"MarkPlannerTaskDone", [](CDiaryStore& s) { return s.MarkPlannerTaskDone(1, 777); }},
    {"SortEntries",
     [](CDiaryStore& s) {
         s.m_nEntryCount = 4;
         return s.SortEntries();
     },
     kAppend},
};

TEST_F(FailureInjection, EveryRewrite)
{
    for (const auto& [name, op, prepare] : kRewrites)
        CheckEveryStep(name, op, prepare);
}

// Another open of the diary (another process, or another window's handle)
// holds its lock: every operation fails and says why.
TEST_F(FailureInjection, LockHeldElsewhereIsASharingViolation)
{
    Save("text", 5);
    const std::string index = ReadFileBytes(Diary());
    {
        CStoreFile held;
        ASSERT_EQ(held.Open(Diary()), FileErrorCause::None);
        CDiaryStore store = Store();
        EXPECT_FALSE(store.ReadFirstEntry() || store.DeleteEntry(0) || store.ChangePassword("x") ||
                     store.ReplaceEntry(0));
        // Thrown, not reported as well: the editor shows it, once.
        EXPECT_THROW(store.AppendEntry(), CFileError);
    }
    EXPECT_EQ(ReadFileBytes(Diary()), index);
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0], "A sharing violation occurred while accessing " + Diary() + ".");
    EXPECT_TRUE(Store().ReadFirstEntry());
}

// A read-only folder: rewrites fail and say why, reading still works (the
// main window's tests open a diary on read-only media that has no reminder
// or planner file).
TEST_F(FailureInjection, ReadOnlyFolderLeavesEverythingAndSaysWhy)
{
    Build();
    const std::string before = Snapshot();
    const int failures = InReadOnlyFolder([&] {
        int bad = 0;
        const std::string denied = "Access to " + Diary() + " was denied.";
        CDiaryStore store = Store();
        store.m_nEntryCount = 3;
        std::vector<std::string> seen;
        SetStoreMessageHandler([&](const std::string& m) { seen.push_back(m); });
        bad += store.DeleteEntry(0) ? 1 : 0;
        bad += store.ChangePassword("new") ? 2 : 0;
        bad += store.MarkPlannerTaskDone(0, 5) ? 4 : 0;
        bad += store.ReadFirstEntry() ? 0 : 8; // reading still works
        bad += seen.size() == 3 && seen[0] == denied ? 0 : 16;
        return bad;
    });
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(Snapshot(), before);
}

// A marker an earlier, finished switch failed to remove must never make the
// next open adopt a temporary file a later rewrite was writing when it died.
TEST_F(FailureInjection, StaleSwitchMarkerNeverAdoptsAHalfWrittenTemporaryFile)
{
    for (const auto& [name, op, prepare] : kRewrites) {
        SCOPED_TRACE(name);
        Start(prepare);
        const std::string before = Snapshot();
        WriteFileBytes(Marker(), "");
        const int finished = InChild([&] {
            CFileFaults::Install([&](FileOp o, const std::string& path) {
                if (o == FileOp::Write && path.ends_with(".tmp"))
                    _exit(0); // dies before a byte of a temporary file is written
                return o == FileOp::Remove && path == Marker() ? EIO : 0;
            });
            Run(op);
            return 1; // an append, which writes no temporary file
        });
        if (!finished) {
            EXPECT_EQ(Snapshot(), before);
        }
    }
}

// A second process must find the diary locked throughout the finishing of a
// committed switch, or it could work on files still being renamed.
TEST_F(FailureInjection, DiaryStaysLockedWhileACommittedSwitchIsFinished)
{
    Save("text", 5, "old");
    CFileFaults::Install(
        [](FileOp o, const std::string&) { return o == FileOp::Rename ? EIO : 0; });
    ASSERT_TRUE(Store().ChangePassword("new"));
    ASSERT_TRUE(Exists(Marker()));

    std::vector<std::string> steps;
    bool probing = false;
    CFileFaults::Install([&](FileOp o, const std::string& path) {
        if (probing || (o != FileOp::Rename && o != FileOp::Remove && o != FileOp::Flush))
            return 0;
        probing = true;
        CStoreFile other;
        if (other.Open(Diary()) != FileErrorCause::SharingViolation)
            steps.push_back(path);
        probing = false;
        return 0;
    });
    CDiaryStore reader = Store();
    ASSERT_TRUE(reader.ReadFirstEntry());
    CFileFaults::Install({});
    EXPECT_EQ(steps, std::vector<std::string>{}) << "steps at which a second opener got in";
    EXPECT_STREQ(reader.entry.password, "new");
    EXPECT_EQ(reader.entry.text, "text");
    EXPECT_FALSE(Exists(Marker()));
}

// Deleting the last entry removes the index file, then the data file: a
// second process saving in between must not write into the doomed data file.
TEST_F(FailureInjection, EntrySavedWhileTheLastOneIsDeletedIsNeverLost)
{
    Save("last", 5);
    bool saved = false;
    bool once = false;
    CFileFaults::Install([&](FileOp o, const std::string& path) {
        if (o != FileOp::Remove || path != Sibling('d') || std::exchange(once, true))
            return 0;
        CDiaryStore other = Store();
        Fill(other, 7, "written meanwhile");
        try {
            other.AppendEntry();
            saved = true;
        } catch (const CFileError&) {
        }
        return 0;
    });
    EXPECT_TRUE(Store().DeleteEntry(0));
    CFileFaults::Install({});
    ASSERT_TRUE(once);
    EXPECT_EQ(Entries(), (saved ? Texts{{7, "written meanwhile"}} : Texts{}));
}

// The commit's folder flush fails and the marker cannot be taken back: the
// next open will switch, so the change must go through now, whole, and be
// reported as made, or the diary opens garbled or with an unexpected password.
TEST_F(FailureInjection, MarkerThatCannotBeTakenBackCommitsTheChange)
{
    Build();
    bool flushed = false;
    CFileFaults::Install([&](FileOp o, const std::string& path) {
        if (o == FileOp::Flush && path == Dir() && !std::exchange(flushed, true))
            return EIO;
        return o == FileOp::Remove && (path == Marker() || path == Temp('d')) ? EIO : 0;
    });
    const bool changed = Run([](CDiaryStore& s) { return s.ChangePassword("new"); });
    CFileFaults::Install({});
    ASSERT_TRUE(flushed);
    CDiaryStore reader = Store();
    ASSERT_TRUE(reader.ReadFirstEntry());
    EXPECT_STREQ(reader.entry.password, changed ? "new" : "old-password");
    EXPECT_EQ(reader.entry.text, "{\\rtf1 dawn}");
}

} // namespace
