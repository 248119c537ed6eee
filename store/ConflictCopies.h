#pragma once
// The copies of a diary that sync tools leave beside it when two computers
// changed it while apart. A copy keeps the diary's extension, so an encrypted
// diary's copies are .dayloom files and a four-file diary's copies are found
// by their index file (.ilm):
//   Syncthing         travel.sync-conflict-20261207-101500-ABCDEFG.dayloom
//   Dropbox           travel (Ann's conflicted copy 2026-12-07).dayloom
//   Nextcloud/ownCloud travel (conflicted copy 2026-12-07 101500).dayloom

#include "store/FileResult.h"

#include <cstdint>
#include <string>
#include <vector>

class CConflictCopies
{
public:
    // The names among `names` (file names in the diary's folder, without a
    // folder) that are conflict copies of the diary at diaryPath, sorted.
    static std::vector<std::string> Find(const std::string& diaryPath,
                                         const std::vector<std::string>& names);
    // The conflict copies in the diary's folder now, as full paths, sorted;
    // none when the folder cannot be listed.
    static std::vector<std::string> FindBeside(const std::string& diaryPath);
    // Whether `name` is a conflict copy of the diary whose file name is
    // diaryName.
    static bool IsCopyOf(const std::string& diaryName, const std::string& name);

    // The name of the program's own copy of the diary at diaryPath, as it was
    // written at `modified` (seconds, shown in local time); a second copy of
    // the same second gets a number:
    //   travel (conflicted copy 2026-12-07 101500).dayloom
    //   travel (conflicted copy 2026-12-07 101500 2).dayloom
    static std::string NameFor(const std::string& diaryPath, int64_t modified, int number = 1);
    // Keeps the file now at diaryPath (another computer's version, about to
    // be written over) under a new copy name beside it: a second name for the
    // same file where the file system allows it, a copy otherwise. Returns
    // the copy's path in `kept`.
    static FileResult KeepAside(const std::string& diaryPath, std::string& kept);
};
