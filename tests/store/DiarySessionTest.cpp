// Which names can be a diary at all: every name derived from the index name
// must fit the file system's limits.

#include "store/DiarySession.h"

#include "StoreTestSupport.h"

#include <climits>

using namespace storetest;

namespace {

class DiarySession : public StoreTest
{
};

// The longest name the program makes from the index name is
// "NAME.ilm.draft.damaged": 14 bytes more than the index name.
TEST_F(DiarySession, NamesWhoseDerivedNamesPassTheLimitAreTooLong)
{
    const auto limit = static_cast<size_t>(::pathconf(Dir().c_str(), _PC_NAME_MAX));
    const auto name = [&](size_t length) { return std::string(length - 4, 'n') + ".ilm"; };
    EXPECT_FALSE(CDiarySession::IsNameTooLong(Diary(name(limit - 14))));
    EXPECT_TRUE(CDiarySession::IsNameTooLong(Diary(name(limit - 13))));
    EXPECT_TRUE(CDiarySession::IsNameTooLong(Diary(name(limit))));
    EXPECT_FALSE(CDiarySession::IsNameTooLong(Diary()));

    // The longest accepted name works for every rewrite and the password change.
    CDiaryStore store = Store(0, name(limit - 14));
    for (int64_t time : {20, 10}) {
        Fill(store, time, "t");
        store.AppendEntry();
    }
    EXPECT_TRUE(store.SortEntries());
    EXPECT_TRUE(store.ChangePassword("new"));
    EXPECT_TRUE(messages.empty());

    // A whole path near PATH_MAX is too long too, even with short names.
    std::string deep = Dir();
    while (deep.size() < PATH_MAX - 20)
        deep += "/dddddddddddddddddddddddddddddd";
    EXPECT_TRUE(CDiarySession::IsNameTooLong(deep + "/a.ilm"));
}

} // namespace
