// Diary files are the owner's alone whatever the umask, and a rewrite keeps
// the mode of the file it replaces (temporary files and markers included).

#include "StoreTestSupport.h"

#include <map>
#include <sys/stat.h>

using namespace storetest;

namespace {

class FileMode : public StoreTest
{
protected:
    static unsigned ModeOf(const std::string& path)
    {
        struct stat info
        {
        };
        return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    // Every rewrite, out of order so that each one has work to do; the mode
    // of every temporary file and marker is taken while it exists.
    std::map<std::string, unsigned> RunRewrites()
    {
        std::map<std::string, unsigned> seen;
        CFileFaults::Install([&](FileOp op, const std::string& path) {
            if (op == FileOp::Flush && path != Dir() && Exists(path))
                seen[path.substr(Dir().size() + 1)] = ModeOf(path);
            return 0;
        });
        Save("b", 20);
        Save("a", 10);
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        for (int64_t time : {30, 20, 10}) {
            store.reminder.time = store.task.plannedTime = store.task.doneTime = time;
            store.AppendReminder();
            store.AppendPlannerTask();
        }
        EXPECT_TRUE(store.SortReminders());
        EXPECT_TRUE(store.SortPlannerTasks());
        EXPECT_TRUE(store.MarkPlannerTaskDone(0, 5));
        EXPECT_TRUE(store.DeleteReminder(1));
        EXPECT_TRUE(store.ChangePassword("new"));
        CFileFaults::Install({});
        return seen;
    }
};

TEST_F(FileMode, NewFilesAreOwnerOnlyWhateverTheUmask)
{
    for (mode_t mask : {mode_t(0), mode_t(022), mode_t(0277)}) {
        SCOPED_TRACE("umask " + std::to_string(mask));
        for (const auto& entry : std::filesystem::directory_iterator(Dir()))
            std::filesystem::remove(entry.path());
        const mode_t previous = ::umask(mask);
        const auto seen = RunRewrites();
        ::umask(previous);
        for (const char* name : {"travel.ilm", "travel.dlm", "travel.rlm", "travel.plm"})
            EXPECT_EQ(ModeOf(Diary(name)), 0600u) << name;
        for (const char* name :
             {"travel.ilm.tmp", "travel.dlm.tmp", "travel.rlm.tmp", "travel.plm.tmp"}) {
            ASSERT_TRUE(seen.count(name)) << name;
            EXPECT_EQ(seen.at(name), 0600u) << name;
        }
    }
}

TEST_F(FileMode, RewritesKeepTheModeOfTheFileTheyReplace)
{
    Save("first", 50);
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    store.AppendReminder();
    store.AppendPlannerTask();
    for (char letter : {'i', 'd', 'r', 'p'})
        std::filesystem::permissions(Sibling(letter), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_write |
                                                          std::filesystem::perms::group_read);
    const auto seen = RunRewrites();
    for (const char* name : {"travel.ilm", "travel.dlm", "travel.rlm", "travel.plm"})
        EXPECT_EQ(ModeOf(Diary(name)), 0640u) << name;
    for (const char* name :
         {"travel.ilm.tmp", "travel.dlm.tmp", "travel.rlm.tmp", "travel.plm.tmp"}) {
        ASSERT_TRUE(seen.count(name)) << name;
        EXPECT_EQ(seen.at(name), 0640u) << name;
    }
}

TEST_F(FileMode, SwitchMarkerIsOwnerOnly)
{
    Save("text", 5);
    const mode_t previous = ::umask(0);
    unsigned markerMode = 0;
    CFileFaults::Install([&](FileOp op, const std::string& path) {
        if (op == FileOp::Flush && path == Dir() && Exists(Diary() + ".pwswitch"))
            markerMode = ModeOf(Diary() + ".pwswitch");
        return 0;
    });
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    EXPECT_TRUE(store.ChangePassword("new"));
    CFileFaults::Install({});
    ::umask(previous);
    EXPECT_EQ(markerMode, 0600u);
}

} // namespace
