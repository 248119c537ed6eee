#pragma once
// The name a diary goes by outside the program: its index file's name
// without the extension ("/home/ann/travel.ilm" -> "travel"), used for the
// title of an export and the name of a backup.

#include <cstdint>
#include <string>

// extLoc is the offset of the extension's first character; a path without
// a usable one gives the whole file name.
std::string DiaryName(const std::string& indexPath, uint16_t extLoc);
