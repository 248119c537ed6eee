// What a crash left beside a diary: the program's own temporary files made
// before the diary was opened go; a newer one, a link, another diary's
// files and the files of a committed password change stay.

#include "store/StaleTemporaryFiles.h"

#include "StoreTestSupport.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace storetest;

namespace {

using StaleTemporaryFiles = StoreTest;

void SetModified(const std::string& path, int64_t time)
{
    const timespec times[2] = {{time, 0}, {time, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

TEST_F(StaleTemporaryFiles, LeftoversMadeBeforeTheOpeningGoOthersStay)
{
    constexpr int64_t kNow = 2000000000;
    const std::vector<std::string> own = {Diary() + ".tmp", Sibling('d') + ".tmp",
                                          Sibling('r') + ".tmp", Sibling('p') + ".tmp",
                                          Diary() + ".draft.tmp"};
    for (const std::string& path : own) {
        WriteFileBytes(path, "half written");
        SetModified(path, kNow - 1);
    }
    const std::vector<std::string> others = {Diary("other.ilm.tmp"), Diary("travel.ilm.bak"),
                                             Diary() + ".draft"};
    for (const std::string& path : others) {
        WriteFileBytes(path, "keep");
        SetModified(path, kNow - 1);
    }

    // A committed password change is finished from its files on the next open.
    WriteFileBytes(Marker(), "");
    EXPECT_TRUE(RemoveStaleTemporaryFiles(CDiaryName(Diary()), kNow).empty());
    std::filesystem::remove(Marker());

    // One being written right now stays.
    SetModified(own[1], kNow);
    EXPECT_EQ(RemoveStaleTemporaryFiles(CDiaryName(Diary()), kNow),
              (std::vector<std::string>{own[0], own[2], own[3], own[4]}));
    EXPECT_TRUE(Exists(own[1]));
    for (const std::string& path : others)
        EXPECT_EQ(ReadFileBytes(path), "keep");

    // A link in a temporary file's place is not followed, nor removed.
    std::filesystem::create_symlink(others[0], Diary("vault.dayloom.tmp"));
    SetModified(Diary("vault.dayloom.tmp"), kNow - 1);
    WriteFileBytes(Diary("vault.dayloom.draft.tmp"), "sealed draft");
    SetModified(Diary("vault.dayloom.draft.tmp"), kNow - 1);
    EXPECT_EQ(RemoveStaleTemporaryFiles(CDiaryName(Diary("vault.dayloom")), kNow),
              std::vector<std::string>{Diary("vault.dayloom.draft.tmp")});
    EXPECT_TRUE(std::filesystem::is_symlink(Diary("vault.dayloom.tmp")));
    EXPECT_EQ(ReadFileBytes(others[0]), "keep");
}

} // namespace
