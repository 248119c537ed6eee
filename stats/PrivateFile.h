#pragma once
// Writes a file that holds diary data (a picture of the year's moods) the
// way the store writes its own: readable by its owner only, built beside
// the target, flushed, renamed over it and the folder flushed, so a failure
// at any step leaves the old file (or none) and no temporary file behind.

#include "store/FileError.h"

#include <string>
#include <string_view>

struct PrivateFileResult
{
    FileErrorCause cause = FileErrorCause::None; // None on success
    std::string path;                            // the file the failure concerns
};

PrivateFileResult WritePrivateFile(const std::string& path, std::string_view bytes);
