#pragma once
// "On this day": the entries written on today's local month and day in
// earlier years, most recent year first.

#include "store/Records.h"

#include <cstdint>
#include <vector>

struct OnThisDayEntry
{
    int yearsAgo = 0;
    int32_t entry = -1; // index of the entry (the latest of its day)
};

// headers in time order (the store's order). On 28 February of a common
// year an earlier leap year's 29 February counts too, so that entries of
// 29 February come back every year; on 29 February only 29 Februaries count.
std::vector<OnThisDayEntry> FindOnThisDay(const std::vector<EntryHeader>& headers, int64_t now,
                                          size_t most = 5);
