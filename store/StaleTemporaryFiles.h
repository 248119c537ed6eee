#pragma once
// The temporary files this program builds beside a diary before renaming
// them over the live ones: a crash (or a power cut) can leave one behind, as
// large as the file it was to replace. When a window opens the diary and
// holds its lock, no other window writes them, so those made before the
// opening are leftovers and are removed. Those of a committed password
// change (its marker still beside them) are the change itself: the store
// finishes it on the next open, so they stay.

#include "store/DiaryName.h"

#include <cstdint>
#include <string>
#include <vector>

// Removes the leftovers of the diary last modified before `now` (seconds since the epoch): the
// rewrites' files (NAME.ilm.tmp, .dlm.tmp, .rlm.tmp, .plm.tmp), the encrypted file's
// (NAME.dayloom.tmp) and the draft's (NAME.ilm.draft.tmp). Only regular
// files are removed, never what a link points to. Returns the paths removed.
std::vector<std::string> RemoveStaleTemporaryFiles(const CDiaryName& diary, int64_t now);
