#pragma once
// Replacing a live record file the store holds open: the new contents are
// written whole beside it (CAtomicFile) and take its place, and the handle
// then holds the new file, lock and all, so no other process can slip in
// between the rename and the next step.

#include "store/FileResult.h"
#include "store/StoreFile.h"

#include <string_view>

class CSafeReplace
{
public:
    // Replaces the file `live` holds open with bytes. On success `live` holds
    // the new file; on failure it and the file are untouched and no
    // temporary file is left.
    static FileResult Replace(CStoreFile& live, std::string_view bytes);
};
