#pragma once
// The graph told in words, for those who cannot see it: how many entries it
// shows, over which days, and the range of moods ("40 entries from
// 14 Nov 2023 to 22 Dec 2023; mood from Very Bad to Very Good").

#include "ratings/RatingLabels.h"
#include "store/Records.h"

#include <QString>
#include <vector>

// Dates are the local days of the entries' times, in English.
QString GraphSummary(const std::vector<EntryHeader>& headers, const RatingLabels& labels);
