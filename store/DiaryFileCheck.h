#pragma once
// Whether a path can be opened as a diary at all, looked at before the
// password is asked and before anything is made or written beside it: a
// folder is no diary, an encrypted diary's header must be sound, and a
// four-file diary's index file, unless empty (a new diary), must begin with
// an entry record. Nothing is written; only what is needed is read.

#include "store/DiaryName.h"

#include <string>

// The message for the user when the diary cannot be opened; empty when it
// can, or when it does not exist yet (a new diary).
std::string DiaryFileProblem(const CDiaryName& diary);
