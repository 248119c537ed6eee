// What is found at and beside a diary's name before it is opened: what a
// crash left there, and what is refused before a password is asked (the
// opening window's tests have folders and junk under a diary's name).

#include "StoreTestSupport.h"
#include "store/DiaryFileCheck.h"
#include "store/EncryptedDiaryFile.h"
#include "store/StaleTemporaryFiles.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace storetest;

namespace {

using DiaryFolder = StoreTest;

void SetModified(const std::string& path, int64_t time)
{
    const timespec times[2] = {{time, 0}, {time, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

TEST_F(DiaryFolder, LeftoversMadeBeforeTheOpeningGoOthersStay)
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

TEST_F(DiaryFolder, JunkAndCutFilesAreNamedSoundDiariesPass)
{
    const auto problem = [this](const std::string& name) {
        return DiaryFileProblem(CDiaryName(Diary(name)));
    };
    EXPECT_EQ(problem("new.ilm"), "");
    EXPECT_EQ(problem("new.dayloom"), "");
    WriteFileBytes(Diary("empty.ilm"), "");
    EXPECT_EQ(problem("empty.ilm"), "") << "an empty index is a new diary";
    Save("first", 1000);
    EXPECT_EQ(problem("travel.ilm"), "");

    // Zeros read as an entry without a password, whose text would lie
    // beyond the end of its data file.
    WriteFileBytes(Diary("zeros.ilm"), std::string(64, '\0') + U32(0) + U32(10));
    WriteFileBytes(Diary("zeros.dlm"), "short");
    EXPECT_EQ(problem("zeros.ilm"),
              "The file zeros.ilm is not a Dayloom diary, or it is damaged. Nothing was opened.");

    CEncryptedDiaryFile vault(Diary("vault.dayloom"));
    ASSERT_TRUE(vault.Create("password", KdfParams::Cheapest()).ok());
    ASSERT_TRUE(vault.Commit().ok());
    EXPECT_EQ(problem("vault.dayloom"), "");
    const std::string sealed = ReadFileBytes(Diary("vault.dayloom"));
    WriteFileBytes(Diary("cut.dayloom"), sealed.substr(0, sealed.size() - 1));
    EXPECT_EQ(problem("cut.dayloom"),
              "The diary file cut.dayloom is damaged or was altered. Nothing was opened.");
    EXPECT_TRUE(messages.empty());
}

} // namespace
