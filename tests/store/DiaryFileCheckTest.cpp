// What is refused before a password is asked: a folder with a diary's name,
// an encrypted file whose header is not sound (empty, junk, cut short) and
// an index file that does not begin with an entry record. A new name, an
// empty index and every sound diary pass.

#include "store/DiaryFileCheck.h"

#include "StoreTestSupport.h"
#include "store/EncryptedDiaryFile.h"

#include <filesystem>

using namespace storetest;

namespace {

using DiaryFileCheck = StoreTest;

TEST_F(DiaryFileCheck, FoldersJunkAndCutFilesAreNamedSoundDiariesPass)
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

    for (const char* name : {"x.ilm", "x.dayloom"}) {
        std::filesystem::create_directory(Diary(name));
        EXPECT_EQ(problem(name),
                  std::string(name) + " is a folder, not a diary. Nothing was opened.");
    }

    const std::string junk = " is not a Dayloom diary, or it is damaged. Nothing was opened.";
    WriteFileBytes(Diary("short.ilm"), "hello");
    WriteFileBytes(Diary("text.ilm"), std::string(100, 'j'));
    // Zeros read as an entry without a password, whose text would lie
    // beyond the end of its data file.
    WriteFileBytes(Diary("zeros.ilm"), std::string(64, '\0') + U32(0) + U32(10));
    WriteFileBytes(Diary("zeros.dlm"), "short");
    for (const char* name : {"short.ilm", "text.ilm", "zeros.ilm"})
        EXPECT_EQ(problem(name), "The file " + std::string(name) + junk);

    CEncryptedDiaryFile vault(Diary("vault.dayloom"));
    ASSERT_TRUE(vault.Create("password", KdfParams::Cheapest()).ok());
    ASSERT_TRUE(vault.Commit().ok());
    EXPECT_EQ(problem("vault.dayloom"), "");
    const std::string sealed = ReadFileBytes(Diary("vault.dayloom"));
    const std::string damaged = " is damaged or was altered. Nothing was opened.";
    for (const std::string& bytes :
         {std::string(), std::string(400, 'j'), sealed.substr(0, sealed.size() - 1)}) {
        WriteFileBytes(Diary("bad.dayloom"), bytes);
        EXPECT_EQ(problem("bad.dayloom"), "The diary file bad.dayloom" + damaged) << bytes.size();
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
