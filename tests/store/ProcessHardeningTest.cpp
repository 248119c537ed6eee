// The start-up hardening, in a child process (it cannot be undone): after
// it the process is not dumpable and may write no core file.
#include "store/ProcessHardening.h"

#include "StoreTestSupport.h"

#include <sys/prctl.h>
#include <sys/resource.h>

using namespace storetest;

namespace {

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
