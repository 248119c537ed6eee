// Diary files and the password change's marker are the owner's alone
// whatever the umask, and a rewrite keeps the mode of the file it replaces.
// The start-up hardening, in a child process (it cannot be undone).

#include "StoreTestSupport.h"
#include "store/ProcessHardening.h"

#include <map>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace storetest;

namespace {

unsigned ModeOf(const std::string& path)
{
    return unsigned(std::filesystem::status(path).permissions() & std::filesystem::perms::mask);
}

using FileMode = StoreTest;

// Every kind of rewrite, each with work to do, under each umask, over new
// files and over files of the user's mode; then the mode of each diary file
// and of the marker, taken while it existed.
TEST_F(FileMode, OwnerOnlyWhateverTheUmaskAndRewritesKeepTheMode)
{
    for (unsigned kept : {0u, 0640u}) {
        for (mode_t mask : {mode_t(0), mode_t(022), mode_t(0277)}) {
            ClearDir();
            if (kept) { // the files exist already, with a mode of the user's
                Save("first", 50);
                CDiaryStore store = Store();
                store.AppendReminder();
                store.AppendPlannerTask();
                for (char letter : {'i', 'd', 'r', 'p'})
                    ::chmod(Sibling(letter).c_str(), kept);
            }
            std::map<std::string, unsigned> seen;
            CFileFaults::Install([&](FileOp op, const std::string& path) {
                if (op == FileOp::Flush && path == Dir() && Exists(Marker()))
                    seen["marker"] = ModeOf(Marker());
                return 0;
            });
            const mode_t previous = ::umask(mask);
            Save("b", 20);
            Save("a", 10);
            CDiaryStore store = Store();
            for (int64_t time : {30, 20, 10}) {
                AddReminder(store, time, "");
                AddTask(store, time, "");
            }
            EXPECT_TRUE(store.SortReminders() && store.SortPlannerTasks());
            EXPECT_TRUE(store.ChangePassword("new"));
            ::umask(previous);
            CFileFaults::Install({});
            for (char letter : {'i', 'd', 'r', 'p'})
                seen[std::string(1, letter)] = ModeOf(Sibling(letter));
            const unsigned mode = kept ? kept : 0600;
            const std::map<std::string, unsigned> expected = {
                {"i", mode}, {"d", mode}, {"r", mode}, {"p", mode}, {"marker", 0600}};
            EXPECT_EQ(seen, expected) << "umask " << mask << " kept " << kept;
        }
    }
}

TEST(ProcessHardening, NoCoreFileAndNotDumpable)
{
    ASSERT_EQ(::prctl(PR_GET_DUMPABLE, 0, 0, 0, 0), 1) << "a test process starts dumpable";
    EXPECT_EQ(InChild([] {
                  if (!CProcessHardening::Apply())
                      return 1;
                  rlimit core{};
                  ::getrlimit(RLIMIT_CORE, &core);
                  if (core.rlim_cur != 0 || core.rlim_max != 0)
                      return 2;
                  return ::prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) == 0 ? 0 : 3;
              }),
              0);
}

} // namespace
