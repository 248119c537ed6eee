// Finding the copies sync tools leave beside a diary, by name alone.

#include "store/ConflictCopies.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

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
}

TEST(ConflictCopies, FindsThemBesideTheDiaryOnDisk)
{
    const auto folder =
        std::filesystem::temp_directory_path() / ("dayloom-copies-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (const char* name :
         {"travel.dayloom", "travel.sync-conflict-20261207-101500-ABC.dayloom", "notes.txt"})
        std::ofstream(folder / name) << "x";
    const std::string diary = (folder / "travel.dayloom").string();
    EXPECT_EQ(CConflictCopies::FindBeside(diary),
              std::vector<std::string>{
                  (folder / "travel.sync-conflict-20261207-101500-ABC.dayloom").string()});
    std::filesystem::remove_all(folder);
    EXPECT_TRUE(CConflictCopies::FindBeside(diary).empty()) << "a folder that is gone";
}

} // namespace
