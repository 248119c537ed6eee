#pragma once
// The copies of a diary that sync tools leave beside it when two computers
// changed it while apart. A copy keeps the diary's extension, so an encrypted
// diary's copies are .dayloom files and a four-file diary's copies are found
// by their index file (.ilm):
//   Syncthing         travel.sync-conflict-20261207-101500-ABCDEFG.dayloom
//   Dropbox           travel (Ann's conflicted copy 2026-12-07).dayloom
//   Nextcloud/ownCloud travel (conflicted copy 2026-12-07 101500).dayloom

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
};
