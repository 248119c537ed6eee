#pragma once
// Replacing a live file safely: the new contents go to a temporary file
// beside it ("travel.ilm" -> "travel.ilm.tmp", started empty, with the live
// file's mode), are flushed to the disk, and the temporary file is renamed
// over the live one, then the folder is flushed. A failure at any step
// leaves the live file as it was, removes the temporary file and is reported
// with the file-error table.

#include "store/StoreFile.h"

#include <span>
#include <string>
#include <string_view>

class CSafeReplace
{
public:
    // A file a rewrite builds beside the live one before it takes the live
    // one's place.
    // It is created with `mode`: the mode of the file it replaces.
    struct Temporary
    {
        std::string path;
        std::string_view bytes;
        unsigned mode = CStoreFile::kOwnerOnly;
        CStoreFile file;
    };

    static std::string TempPathFor(const std::string& livePath);

    // Creates the temporary files empty, writes each its bytes and flushes
    // them to the disk: every open first, then every write, then every
    // flush. A failure is reported and removes the ones made so far; a
    // temporary file that cannot be opened may be another process's, so it
    // stays.
    static bool WriteTemporaries(std::span<Temporary> temps);
    // Closes and removes them.
    static void Discard(std::span<Temporary> temps);

    // Replaces the file at livePath, which `live` holds open, with bytes. On success `live` holds
    // the new file (the temporary handle, lock and all), so no other process
    // can slip in between; on failure it is untouched.
    static bool Replace(CStoreFile& live, const std::string& livePath, std::string_view bytes);
};
