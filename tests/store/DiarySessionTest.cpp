// The open diary: which paths can name one, which names are too long for
// the files made beside it, and unlocking with the first entry's password.

#include "store/DiarySession.h"

#include "StoreTestSupport.h"

#include <unistd.h>

using namespace storetest;

namespace {

class DiarySessionTest : public StoreTest
{
};

TEST(DiarySessionPaths, TheExtensionMustBeTheFileNamesOwn)
{
    struct Case
    {
        const char* path;
        uint16_t location; // what ExtensionLocation finds
    };
    for (const Case& c : {Case{"/d/travel.ilm", 10}, Case{"travel.x", 7}, Case{"/d.x/travel", 0},
                          Case{"/d/travel.", 0}, Case{"/d/.ilm", 4}, Case{"", 0}}) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CDiarySession::ExtensionLocation(c.path), c.location);
        EXPECT_EQ(CDiarySession::IsUsableExtension(c.path, c.location), c.location != 0);
    }
    // A position inside a folder name, before the dot, or past the end.
    EXPECT_FALSE(CDiarySession::IsUsableExtension("/d.x/travel", 4));
    EXPECT_FALSE(CDiarySession::IsUsableExtension("/d/travel.ilm", 9));
    EXPECT_FALSE(CDiarySession::IsUsableExtension("/d/travel.ilm", 13));
    EXPECT_FALSE(CDiarySession::IsUsableExtension("/d/travel.ilm", -1));
}

TEST_F(DiarySessionTest, ANameIsTooLongWhenTheLongestFileBesideItWouldBe)
{
    const long limit = ::pathconf(Dir().c_str(), _PC_NAME_MAX);
    ASSERT_GT(limit, 20);
    const size_t longest = static_cast<size_t>(limit) - sizeof(".draft.damaged") + 1;
    const std::string fits = Dir() + "/" + std::string(longest - 4, 'a') + ".ilm";
    const std::string over = Dir() + "/" + std::string(longest - 3, 'a') + ".ilm";
    EXPECT_FALSE(CDiarySession::IsNameTooLong(fits));
    EXPECT_TRUE(CDiarySession::IsNameTooLong(over));
    // A folder still to be made is judged by the one it will be made in.
    EXPECT_TRUE(
        CDiarySession::IsNameTooLong(Dir() + "/new/deeper/" + over.substr(Dir().size() + 1)));
    EXPECT_FALSE(CDiarySession::IsNameTooLong("travel.ilm"));
}

TEST_F(DiarySessionTest, UnlockingComparesTheFirstEntrysPassword)
{
    CDiarySession empty(Diary(), ExtLoc(Diary()));
    EXPECT_FALSE(empty.ReadFirstEntry());
    EXPECT_TRUE(empty.IsNew());
    EXPECT_FALSE(empty.Unlock("")) << "a diary without entries has no password to match";

    Save("later", 2000, "Later-pw");
    Save("first", 1000, "Secret1");
    CDiarySession session(Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(session.ReadFirstEntry());
    EXPECT_FALSE(session.IsNew());
    EXPECT_FALSE(session.Unlock("secret1")) << "case matters";
    EXPECT_FALSE(session.Unlock("Secret"));
    EXPECT_FALSE(session.Unlock("Later-pw"));
    EXPECT_TRUE(session.Password().empty());
    EXPECT_TRUE(session.Unlock(std::string("Secret1\0junk", 12))) << "stored bytes end at a zero";
    EXPECT_EQ(session.Password(), "Secret1");

    // The store a command gets is positioned where it asked.
    const std::unique_ptr<CDiaryStore> store = session.MakeStore(1);
    ASSERT_TRUE(store->ReadEntry());
    EXPECT_EQ(store->entry.text, "later");
}

} // namespace
