#pragma once
// The "on this day" lines of an open diary, ready to show: which entry each
// line stands for and its text.

#include "store/DiarySession.h"

#include <QString>
#include <cstdint>
#include <vector>

struct OnThisDayLine
{
    int32_t entry = -1;
    QString text; // "1 year ago: first words of the entry..."
};

// Reads the headers and the few entries the lines need. A file error is
// raised to the caller as CFileError.
std::vector<OnThisDayLine> ReadOnThisDayLines(const CDiarySession& session, int64_t now);
