// The open diary: the names made from its path, names too long for them, the
// copies sync tools leave beside it, and unlocking with the first entry's password.

#include "store/DiarySession.h"

#include "StoreTestSupport.h"
#include "store/ConflictCopies.h"

#include <climits>
#include <unistd.h>

using namespace storetest;

namespace {

using DiarySessionTest = StoreTest;

TEST(DiaryNameTest, TheExtensionMustBeTheFileNamesOwnAndEveryNameComesFromIt)
{
    // Each path with where its extension is found (0: nowhere).
    for (const auto& [path, location] :
         {std::pair{"/d/travel.ilm", 10}, std::pair{"travel.x", 7}, std::pair{"/d.x/travel", 0},
          std::pair{"/d/travel.", 0}, std::pair{"/d/.ilm", 4}, std::pair{"", 0}}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(CDiaryName(path).ExtLoc(), location);
        EXPECT_EQ(CDiaryName(path).IsUsable(), location != 0);
    }
    // A position inside a folder name, before the dot, or past the end.
    EXPECT_FALSE(CDiaryName("/d.x/travel", 4).IsUsable());
    for (uint16_t at : {9, 13, 0})
        EXPECT_FALSE(CDiaryName("/d/travel.ilm", at).IsUsable()) << at;

    // Every name the program derives from a diary's.
    const CDiaryName name("/h/ann/trip.2024.ilm");
    EXPECT_EQ(name, CDiaryName("/h/ann/trip.2024.ilm", 17));
    EXPECT_EQ(name.PartPath(DiaryPart::Index) + ' ' + name.DataPath() + ' ' + name.ReminderPath() +
                  ' ' + name.PlannerPath() + ' ' + name.SwitchMarkerPath() + ' ' +
                  name.DraftPath() + ' ' + name.DamagedDraftPath(1) + ' ' +
                  name.DamagedDraftPath(2) + ' ' + name.LockPath(),
              "/h/ann/trip.2024.ilm /h/ann/trip.2024.dlm /h/ann/trip.2024.rlm /h/ann/trip.2024.plm "
              "/h/ann/trip.2024.ilm.pwswitch /h/ann/trip.2024.ilm.draft "
              "/h/ann/trip.2024.ilm.draft.damaged /h/ann/trip.2024.ilm.draft.damaged-2 "
              "/h/ann/trip.2024.lock");
    EXPECT_EQ(name.Title() + ' ' + name.FileName() + ' ' + name.Folder(),
              "trip.2024 trip.2024.ilm /h/ann");
    EXPECT_FALSE(name.IsEncrypted());

    const CDiaryName sealed = name.WithExtension(CDiaryName::kEncryptedExtension);
    EXPECT_EQ(sealed.Path(), "/h/ann/trip.2024.dayloom");
    EXPECT_EQ(sealed.ExtLoc(), 17);
    EXPECT_TRUE(sealed.IsEncrypted());
    EXPECT_EQ(sealed.WithExtension("ilm"), name);
    EXPECT_FALSE(CDiaryName("/h/.dayloom").IsEncrypted());
    EXPECT_FALSE(CDiaryName("/h/x.dayloom.ilm").IsEncrypted());

    // Without a usable extension a sibling is neither the index nor a folder.
    EXPECT_EQ(CDiaryName("/h/ann/plain").DataPath(), "/h/ann/plaind");
    EXPECT_EQ(CDiaryName("/h/ann/plain", 200).DataPath(), "/h/ann/plaind");
    EXPECT_EQ(CDiaryName("/h/ann/plain").Title(), "plain");
    EXPECT_EQ(CDiaryName("plain.ilm").Folder(), ".");
}

// The longest name the program makes from the index name is
// "NAME.ilm.draft.damaged": 14 bytes more than the index name.
TEST_F(DiarySessionTest, NamesWhoseDerivedNamesPassTheLimitAreTooLong)
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
    // A folder still to be made is judged by the one it will be made in.
    EXPECT_TRUE(CDiarySession::IsNameTooLong(Dir() + "/new/deeper/" + name(limit - 13)));
}

TEST_F(DiarySessionTest, UnlockingComparesTheFirstEntrysPassword)
{
    CDiarySession empty{CDiaryName(Diary())};
    EXPECT_FALSE(empty.ReadFirstEntry());
    EXPECT_TRUE(empty.IsNew());
    EXPECT_FALSE(empty.Unlock("")) << "a diary without entries has no password to match";

    Save("later", 2000, "Later-pw");
    Save("first", 1000, "Secret1");
    CDiarySession session{CDiaryName(Diary())};
    ASSERT_TRUE(session.ReadFirstEntry());
    EXPECT_FALSE(session.IsNew());
    for (const char* wrong : {"secret1", "Secret", "Later-pw"}) // case matters
        EXPECT_FALSE(session.Unlock(wrong)) << wrong;
    EXPECT_TRUE(session.Password().empty());
    EXPECT_TRUE(session.Unlock(Passphrase(std::string("Secret1\0junk", 12))))
        << "stored bytes end at a zero";
    EXPECT_EQ(session.Password(), "Secret1");
}

TEST(ConflictCopies, FindsEachToolsCopiesOfThatDiaryOnly)
{
    const std::vector<std::string> folder = {
        "travel.dayloom",
        "travel.sync-conflict-20261207-101500-ABCDEFG.dayloom",     // Syncthing
        "travel (Ann's conflicted copy 2026-12-07).dayloom",        // Dropbox
        "travel (conflicted copy 2026-12-07 101500).dayloom",       // Nextcloud, ownCloud
        "travel (Ann's conflicted copy 2026-12-07 (1)).dayloom",    // Dropbox, again
        "travel.sync-conflict-20261207-101500-ABCDEFG.dayloom.tmp", // a rewrite's file
        "travel (copy).dayloom",                                    // a copy the user made
        "travel.sync-conflict-.dayloom",                            // nothing after the mark
        "travelogue.sync-conflict-20261207-101500-ABCDEFG.dayloom", // another diary
        "travelogue (conflicted copy 2026-12-07).dayloom",          // another diary
        "work.sync-conflict-20261207-101500-ABCDEFG.dayloom",       // another diary
        // A four-file diary's copies are found by their index files.
        "travel.ilm",
        "travel.dlm",
        "travel.sync-conflict-20261207-101500-ABCDEFG.ilm",
        "travel.sync-conflict-20261207-101500-ABCDEFG.dlm",
        "travel (conflicted copy 2026-12-07 101500).ilm",
        "travel (conflicted copy 2026-12-07 101500).rlm",
    };
    EXPECT_EQ(CConflictCopies::Find("/home/ann/Sync/travel.dayloom", folder),
              (std::vector<std::string>{
                  "travel (Ann's conflicted copy 2026-12-07 (1)).dayloom",
                  "travel (Ann's conflicted copy 2026-12-07).dayloom",
                  "travel (conflicted copy 2026-12-07 101500).dayloom",
                  "travel.sync-conflict-20261207-101500-ABCDEFG.dayloom",
              }));
    EXPECT_EQ(CConflictCopies::Find("travel.ilm", folder),
              (std::vector<std::string>{"travel (conflicted copy 2026-12-07 101500).ilm",
                                        "travel.sync-conflict-20261207-101500-ABCDEFG.ilm"}));
    EXPECT_TRUE(CConflictCopies::Find("/d/notes.ilm", folder).empty());
    EXPECT_TRUE(CConflictCopies::FindBeside("/no/such/folder/travel.dayloom").empty());
}

} // namespace
