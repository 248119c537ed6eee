// Every rewriting operation, failed or cut short at each of its file steps in
// turn: the diary must afterwards open with its old or its new content, never
// less. Also a lock held by another process and a read-only folder.

#include "StoreTestSupport.h"

#include <functional>
#include <sstream>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace storetest;

namespace {

bool Counted(FileOp op)
{
    return op != FileOp::Read;
}

class FailureInjection : public StoreTest
{
protected:
    void Build()
    {
        for (const auto& entry : std::filesystem::directory_iterator(Dir()))
            std::filesystem::remove(entry.path());
        Save("{\\rtf1 noon}", 1200, "old-password");
        Save("{\\rtf1 dawn}", 600, "old-password");
        Save("{\\rtf1 night}", 2400, "old-password");
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        for (auto [time, text] :
             {std::pair{30, "r30"}, std::pair{10, "r10"}, std::pair{20, "r20"}}) {
            store.reminder.time = time;
            std::snprintf(store.reminder.description, 40, "%s", text);
            store.AppendReminder();
            store.task.plannedTime = store.task.doneTime = time;
            std::snprintf(store.task.description, 50, "%s", text);
            store.task.status = 0;
            store.AppendPlannerTask();
        }
    }

    // Everything the diary holds, read through the store as the windows do.
    std::string Snapshot()
    {
        std::ostringstream out;
        CDiaryStore probe(0, Diary(), ExtLoc(Diary()));
        if (!probe.OpenIndexFile())
            return "<index cannot be opened>";
        probe.CloseIndexFile();
        for (uint32_t i = 0; i < probe.m_nEntryCount; ++i) {
            CDiaryStore store(i, Diary(), ExtLoc(Diary()));
            if (!store.ReadEntry())
                return "<entry unreadable>";
            out << store.entry.time << ' ' << store.entry.password << ' ' << store.entry.text
                << '\n';
        }
        CDiaryStore lists(0, Diary(), ExtLoc(Diary()));
        lists.OpenReminderFile();
        lists.CloseReminderFile();
        for (lists.reminder_index = 0; lists.reminder_index < lists.m_nReminderCount;
             ++lists.reminder_index) {
            if (!lists.ReadReminder())
                return "<reminder unreadable>";
            out << "r " << lists.reminder.time << ' ' << lists.reminder.description << '\n';
        }
        lists.OpenPlannerFile();
        lists.ClosePlannerFile();
        for (lists.planner_index = 0; lists.planner_index < lists.m_nPlannerCount;
             ++lists.planner_index) {
            if (!lists.ReadPlannerTask())
                return "<task unreadable>";
            out << "p " << lists.task.plannedTime << ' ' << lists.task.doneTime << ' '
                << lists.task.status << ' ' << lists.task.description << '\n';
        }
        return out.str();
    }

    // Temporary files and markers in the diary's folder.
    std::string Leftovers() const
    {
        std::string names;
        for (const auto& file : std::filesystem::directory_iterator(Dir())) {
            const std::string name = file.path().filename().string();
            if (name.ends_with(".tmp") || name.ends_with(".pwswitch"))
                names += name + ' ';
        }
        return names;
    }

    // Runs the operation, returning its result; a raised file error counts as
    // false and as reported (the command that catches it shows it).
    bool Run(const std::function<bool(CDiaryStore&)>& op, const std::string& diary)
    {
        CDiaryStore store(0, diary, static_cast<uint16_t>(diary.rfind('.') + 1));
        try {
            return op(store);
        } catch (const CFileError& error) {
            messages.push_back(error.what());
            return false;
        }
    }

    using Operation = std::function<bool(CDiaryStore&)>;

    // Builds the diary, then brings it to the state the operation starts from.
    void Start(const Operation& prepare)
    {
        Build();
        if (prepare) {
            ASSERT_TRUE(Run(prepare, Diary()));
        }
    }

    void CheckEveryStep(const char* name, const Operation& op, const Operation& prepare = {})
    {
        SCOPED_TRACE(name);
        Start(prepare);
        const std::string before = Snapshot();
        int steps = 0;
        CFileFaults::Install([&](FileOp o, const std::string&) {
            steps += Counted(o);
            return 0;
        });
        ASSERT_TRUE(Run(op, Diary()));
        CFileFaults::Install({});
        const std::string after = Snapshot();
        ASSERT_NE(before, after);
        ASSERT_GT(steps, 0);

        for (int k = 1; k <= steps; ++k) {
            for (int error : {EIO, ENOSPC}) {
                SCOPED_TRACE("failing step " + std::to_string(k) + " with errno " +
                             std::to_string(error));
                Start(prepare);
                messages.clear();
                int seen = 0;
                CFileFaults::Install([&](FileOp o, const std::string&) {
                    return Counted(o) && ++seen == k ? error : 0;
                });
                const bool result = Run(op, Diary());
                CFileFaults::Install({});
                const std::string state = Snapshot();
                EXPECT_EQ(state, result ? after : before);
                if (!result) {
                    EXPECT_FALSE(messages.empty()) << "a failure must be reported";
                    EXPECT_EQ(Leftovers(), "") << "a failed rewrite leaves nothing behind";
                }
            }
            // A crash at step k: a child process dies there, the parent reopens.
            SCOPED_TRACE("crash at step " + std::to_string(k));
            Start(prepare);
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                int seen = 0;
                CFileFaults::Install([&](FileOp o, const std::string&) {
                    if (Counted(o) && ++seen == k)
                        _exit(0);
                    return 0;
                });
                Run(op, Diary());
                _exit(0);
            }
            int status = 0;
            waitpid(child, &status, 0);
            const std::string state = Snapshot();
            EXPECT_TRUE(state == before || state == after) << state;
        }
        // Whatever happened, the next operation finds no switch left to finish.
        EXPECT_FALSE(Exists(Diary() + ".pwswitch"));
    }
};

TEST_F(FailureInjection, EntryRewrites)
{
    CheckEveryStep("DeleteEntry", [](CDiaryStore& s) { return s.DeleteEntry(1); });
    const auto append = [](CDiaryStore& s) {
        s.entry.time = 100;
        s.entry.text = "{\\rtf1 earliest}";
        std::strcpy(s.entry.password, "old-password");
        s.AppendEntry();
        return true;
    };
    CheckEveryStep("AppendEntry", append);
    CheckEveryStep(
        "SortEntries",
        [](CDiaryStore& s) {
            s.m_nEntryCount = 4;
            return s.SortEntries();
        },
        append);
    CheckEveryStep("ChangePassword", [](CDiaryStore& s) { return s.ChangePassword("new"); });
    CheckEveryStep("ReplaceEntry", [](CDiaryStore& s) {
        s.entry.time = 3000; // from first to last: the index is re-sorted
        s.entry.text = "{\\rtf1 edited}";
        std::strcpy(s.entry.password, "old-password");
        return s.ReplaceEntry(0);
    });
}

TEST_F(FailureInjection, ReminderAndPlannerRewrites)
{
    CheckEveryStep("SortReminders", [](CDiaryStore& s) {
        s.m_nReminderCount = 3;
        return s.SortReminders();
    });
    CheckEveryStep("DeleteReminder", [](CDiaryStore& s) { return s.DeleteReminder(0); });
    CheckEveryStep("SortPlannerTasks", [](CDiaryStore& s) {
        s.m_nPlannerCount = 3;
        return s.SortPlannerTasks();
    });
    CheckEveryStep("DeletePlannerTask", [](CDiaryStore& s) { return s.DeletePlannerTask(2); });
    CheckEveryStep("MarkPlannerTaskDone",
                   [](CDiaryStore& s) { return s.MarkPlannerTaskDone(1, 777); });
}

TEST_F(FailureInjection, LastRecordRemoval)
{
    Save("only", 5);
    int seen = 0;
    CFileFaults::Install([&](FileOp o, const std::string&) {
        return o == FileOp::Remove && ++seen == 1 ? EACCES : 0;
    });
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_FALSE(store.DeleteEntry(0)); // the entry is still there: not a success
    CFileFaults::Install({});
    EXPECT_EQ(Entries().size(), 1u);
    EXPECT_EQ(messages, (std::vector<std::string>{"Access to " + Diary() + " was denied."}));
}

TEST_F(FailureInjection, CommittedPasswordChangeIsFinishedByTheNextOpen)
{
    Save("text", 5, "old");
    // Both renames fail after the commit: the change stands and is finished later.
    CFileFaults::Install(
        [](FileOp o, const std::string&) { return o == FileOp::Rename ? EIO : 0; });
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_TRUE(store.ChangePassword("new"));
    CFileFaults::Install({});
    EXPECT_TRUE(Exists(store.SwitchMarkerPath()));
    EXPECT_EQ(messages.size(), 1u);
    CDiaryStore reader(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(reader.ReadFirstEntry());
    EXPECT_STREQ(reader.entry.password, "new");
    EXPECT_EQ(reader.entry.text, "text");
    EXPECT_FALSE(Exists(store.SwitchMarkerPath()));
    EXPECT_FALSE(Exists(CDiaryStore::TempPathFor(Diary())));
    EXPECT_FALSE(Exists(CDiaryStore::TempPathFor(Sibling('d'))));
}

TEST_F(FailureInjection, LockHeldByAnotherProcessIsASharingViolation)
{
    Save("text", 5);
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CStoreFile held;
        const bool locked = held.Open(Diary()) == FileErrorCause::None;
        char c = locked ? '1' : '0';
        (void)!write(ready[1], &c, 1);
        (void)!read(release[0], &c, 1);
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, '1');
    const std::string index = ReadFileBytes(Diary());
    {
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        EXPECT_FALSE(store.ReadFirstEntry());
        EXPECT_FALSE(store.DeleteEntry(0));
        EXPECT_FALSE(store.ChangePassword("x"));
        EXPECT_THROW(store.AppendEntry(), CFileError);
    }
    EXPECT_EQ(ReadFileBytes(Diary()), index);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0], "A sharing violation occurred while accessing " + Diary() + ".");
    (void)!write(release[1], "x", 1);
    waitpid(child, nullptr, 0);
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_TRUE(store.ReadFirstEntry());
    for (int fd : {ready[0], ready[1], release[0], release[1]})
        close(fd);
}

// Runs fn without the right to write into a read-only folder: as root, in a
// child process that gives up its privileges. fn returns 0 when it passed.
int WithoutPrivileges(const std::function<int()>& fn)
{
    if (geteuid() != 0)
        return fn();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(90);
        _exit(fn());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST_F(FailureInjection, ReadOnlyFolderLeavesEverythingAndSaysWhy)
{
    Build();
    const std::string before = Snapshot();
    for (const auto& entry : std::filesystem::directory_iterator(Dir()))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::all);
    std::filesystem::permissions(
        Dir(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                   std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    const int failures = WithoutPrivileges([&] {
        int bad = 0;
        const std::string denied =
            "Access to " + CDiaryStore::TempPathFor(Diary()) + " was denied.";
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
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
    std::filesystem::permissions(Dir(), std::filesystem::perms::owner_all);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(Snapshot(), before);
}

} // namespace

namespace {

// A marker left behind by an earlier, finished switch (its removal failed)
// must never make the next open adopt a temporary file a later rewrite was
// still writing when it crashed: that file is empty or half written.
TEST_F(FailureInjection, StaleSwitchMarkerNeverAdoptsAHalfWrittenTemporaryFile)
{
    const std::function<bool(CDiaryStore&)> ops[] = {
        [](CDiaryStore& s) { return s.DeleteEntry(1); },
        [](CDiaryStore& s) {
            s.m_nEntryCount = 4;
            return s.SortEntries();
        },
        [](CDiaryStore& s) { return s.ChangePassword("new"); },
    };
    for (size_t i = 0; i < std::size(ops); ++i) {
        SCOPED_TRACE("operation " + std::to_string(i));
        Build();
        {
            // Out of order, so that sorting has something to rewrite.
            CDiaryStore store(0, Diary(), ExtLoc(Diary()));
            store.entry.time = 1;
            store.entry.text = "{\\rtf1 first}";
            std::strcpy(store.entry.password, "old-password");
            store.AppendEntry();
        }
        const std::string before = Snapshot();
        WriteFileBytes(Diary() + ".pwswitch", "");
        const std::string marker = Diary() + ".pwswitch";
        const std::string temp = CDiaryStore::TempPathFor(Diary());
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CFileFaults::Install([&](FileOp o, const std::string& path) {
                if (o == FileOp::Remove && path == marker)
                    return EIO;
                if (o == FileOp::Write && path == temp)
                    _exit(0); // dies before a byte of the new index is written
                return 0;
            });
            Run(ops[i], Diary());
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        const std::string state = Snapshot();
        EXPECT_EQ(state, before);
    }
}

// Finishing a committed switch replaces the index file under the lock of the
// old one; a second process must find the diary locked throughout, or it can
// work on the new files (even start a switch of its own) while this one is
// still renaming and removing the marker.
TEST_F(FailureInjection, DiaryStaysLockedWhileACommittedSwitchIsFinished)
{
    Save("text", 5, "old");
    CFileFaults::Install(
        [](FileOp o, const std::string&) { return o == FileOp::Rename ? EIO : 0; });
    {
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        ASSERT_TRUE(store.ChangePassword("new"));
    }
    ASSERT_TRUE(Exists(Diary() + ".pwswitch"));

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
    CDiaryStore reader(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(reader.ReadFirstEntry());
    CFileFaults::Install({});
    EXPECT_EQ(steps, std::vector<std::string>{}) << "steps at which a second opener got in";
    EXPECT_STREQ(reader.entry.password, "new");
    EXPECT_EQ(reader.entry.text, "text");
    EXPECT_FALSE(Exists(Diary() + ".pwswitch"));
}

// A saved entry is on the disk when the save returns: a failed flush of its
// index record is a failed save, and the diary stays as it was.
TEST_F(FailureInjection, FailedFlushOfTheNewRecordFailsTheSave)
{
    Save("kept", 5);
    const std::string index = ReadFileBytes(Diary());
    const std::string data = ReadFileBytes(Sibling('d'));
    CFileFaults::Install([&](FileOp o, const std::string& path) {
        return o == FileOp::Flush && path == Diary() ? EIO : 0;
    });
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    store.entry.time = 9;
    store.entry.text = "lost?";
    std::strcpy(store.entry.password, "secret");
    EXPECT_THROW(store.AppendEntry(), CFileError);
    CFileFaults::Install({});
    EXPECT_EQ(ReadFileBytes(Diary()), index);
    EXPECT_EQ(ReadFileBytes(Sibling('d')), data);
}

// Deleting the last entry removes the index file, then the data file. A
// second process that opens the diary in between finds no index (and creates
// one); it must not get to write its entry's text into the data file about
// to be removed.
TEST_F(FailureInjection, EntrySavedWhileTheLastOneIsDeletedIsNeverLost)
{
    Save("last", 5);
    bool saved = false;
    bool once = false;
    CFileFaults::Install([&](FileOp o, const std::string& path) {
        if (o != FileOp::Remove || path != Sibling('d') || std::exchange(once, true))
            return 0;
        CDiaryStore other(0, Diary(), ExtLoc(Diary()));
        other.entry.time = 7;
        other.entry.text = "written meanwhile";
        std::strcpy(other.entry.password, "secret");
        try {
            other.AppendEntry();
            saved = true;
        } catch (const CFileError&) {
        }
        return 0;
    });
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_TRUE(store.DeleteEntry(0));
    CFileFaults::Install({});
    ASSERT_TRUE(once);
    const auto expected =
        saved ? std::vector<std::pair<int64_t, std::string>>{{7, "written meanwhile"}}
              : std::vector<std::pair<int64_t, std::string>>{};
    EXPECT_EQ(Entries(), expected);
}

// The commit's folder flush fails and the marker cannot be taken back: the
// next open will switch, so the change must go through now, whole, and be
// reported as made; discarding the temporary files (one of which may stay)
// would leave a diary that opens garbled or with a password the user was
// told is not in force.
TEST_F(FailureInjection, MarkerThatCannotBeTakenBackCommitsTheChange)
{
    Build();
    const std::string marker = Diary() + ".pwswitch";
    const std::string dataTemp = CDiaryStore::TempPathFor(Sibling('d'));
    bool flushed = false;
    CFileFaults::Install([&](FileOp o, const std::string& path) {
        if (o == FileOp::Flush && path == Dir() && !std::exchange(flushed, true))
            return EIO;
        return o == FileOp::Remove && (path == marker || path == dataTemp) ? EIO : 0;
    });
    const bool changed = Run([](CDiaryStore& s) { return s.ChangePassword("new"); }, Diary());
    CFileFaults::Install({});
    ASSERT_TRUE(flushed);
    CDiaryStore reader(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(reader.ReadFirstEntry());
    EXPECT_STREQ(reader.entry.password, changed ? "new" : "old-password");
    EXPECT_EQ(reader.entry.text, "{\\rtf1 dawn}");
}

} // namespace
