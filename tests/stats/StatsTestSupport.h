#pragma once
// Helpers of the statistics tests: headers made from local times. The zone
// is pinned with widgettest::PinTimeZone; the per-test reset restores it.

#include "store/Records.h"
#include "tests/support/TestDiary.h"
#include "tests/support/WidgetTestSupport.h"

using widgettest::PinTimeZone;

inline EntryHeader Header(int64_t time, int mood = 0, int fatigue = 0, int shape = 0, int dream = 0)
{
    EntryHeader header;
    header.time = time;
    header.mood = mood;
    header.fatigue = fatigue;
    header.shape = shape;
    header.dream = dream;
    return header;
}
