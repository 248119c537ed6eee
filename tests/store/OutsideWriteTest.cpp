// An encrypted diary replaced by another program (a sync tool bringing
// another computer's version) between two writes of this one: that version
// is kept beside it as a conflict copy, never written over.

#include "SessionTestSupport.h"
#include "store/ConflictCopies.h"
#include "store/DiarySession.h"
#include "store/EncryptedDiaryFile.h"
#include "store/EncryptedSession.h"

using namespace storetest;

namespace {

class OutsideWrite : public StoreTest
{
protected:
    std::string Path() const { return Diary("travel.dayloom"); }

    // Another computer adds an entry to its copy, and the sync tool renames
    // that copy over the diary. Returns the bytes it brought.
    std::string ChangedElsewhere(const std::string& text)
    {
        std::filesystem::create_directories(Diary("elsewhere"));
        const std::string there = Diary("elsewhere/travel.dayloom");
        WriteFileBytes(there, ReadFileBytes(Path()));
        SaveEntry(*OpenEncrypted(there), text, 2000);
        const std::string bytes = ReadFileBytes(there);
        std::filesystem::rename(there, Path());
        return bytes;
    }
};

TEST_F(OutsideWrite, AnotherProgramsVersionIsKeptAsAConflictCopyOnce)
{
    const auto here = OpenEncrypted(Path());
    SaveEntry(*here, "{\\rtf1 Here}", 1000);
    SaveEntry(*here, "{\\rtf1 Here, too}", 1500);
    EXPECT_TRUE(CConflictCopies::FindBeside(Path()).empty()) << "its own writes keep nothing";
    const std::string theirs = ChangedElsewhere("{\\rtf1 There}");

    SaveEntry(*here, "{\\rtf1 Here again}", 3000);
    const std::vector<std::string> copies = CConflictCopies::FindBeside(Path());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0], here->Encrypted()->File().KeptAside());
    EXPECT_EQ(ReadFileBytes(copies[0]), theirs) << "the other computer's version, whole";
    EXPECT_NE(ReadFileBytes(Path()), theirs);

    // Once reloaded, the other version is its own: nothing more is kept.
    ChangedElsewhere("{\\rtf1 There, later}");
    ASSERT_TRUE(here->Reload());
    SaveEntry(*here, "{\\rtf1 Here, later}", 4000);
    EXPECT_EQ(CConflictCopies::FindBeside(Path()).size(), 1u);

    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(CConflictCopies::NameFor("/d/travel.dayloom", 1796638500),
              "/d/travel (conflicted copy 2026-12-07 101500).dayloom");
    EXPECT_EQ(CConflictCopies::NameFor("/d/travel.dayloom", 1796638500, 2),
              "/d/travel (conflicted copy 2026-12-07 101500 2).dayloom");
}

TEST_F(OutsideWrite, WhenNoCopyCanBeMadeNothingIsWrittenOverIt)
{
    const auto here = OpenEncrypted(Path());
    SaveEntry(*here, "{\\rtf1 Here}", 1000);
    const std::string theirs = ChangedElsewhere("{\\rtf1 There}");
    std::filesystem::remove_all(Diary("elsewhere"));
    // No second name (some file systems have none), then no copy either.
    CFileFaults::Install([](FileOp op, const std::string& path) {
        const bool copy = path.find("conflicted copy") != std::string::npos;
        return copy && (op == FileOp::Rename || op == FileOp::Open) ? EIO : 0;
    });
    SaveEntry(*here, "{\\rtf1 Here again}", 3000);
    CFileFaults::Install({});
    EXPECT_EQ(ReadFileBytes(Path()), theirs);
    EXPECT_EQ(FolderFiles().size(), 1u) << "neither a copy nor a temporary file is left";

    // The failed command read the file back: theirs is now its own, and
    // the next write keeps it without a copy.
    SaveEntry(*here, "{\\rtf1 Here, later}", 4000);
    EXPECT_TRUE(CConflictCopies::FindBeside(Path()).empty());
    EXPECT_EQ(SessionContent(*OpenEncrypted(Path())),
              "{\\rtf1 Here}\n{\\rtf1 There}\n{\\rtf1 Here, later}\n");
}

} // namespace
