#pragma once
// Local calendar days as plain numbers: day 0 is 1 January 1970, day n the
// n-th local date after it. A diary's statistics count days, streaks and
// months in the writer's local time, so every entry time is first turned
// into the local day it fell on.

#include "store/Records.h"

#include <cstdint>
#include <vector>

struct CivilDate
{
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    bool operator==(const CivilDate&) const = default;
};

// Proleptic Gregorian calendar arithmetic, independent of any time zone.
int32_t DayNumber(const CivilDate& date);
CivilDate DateOfDay(int32_t day);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The first second of a local day in the current time zone (TZ).
int64_t LocalDayStart(int32_t day);

// Maps times to local days. Consecutive calls with nearby times (a walk over
// a diary in time order) cost one mktime() per new day instead of one
// localtime() per time, which is what makes a walk over 100,000 entries fast.
class CLocalDays
{
public:
    int32_t DayOf(int64_t time);

private:
    bool m_bKnown = false;
    int32_t m_nDay = 0;
    int64_t m_nStart = 0; // [m_nStart, m_nEnd) is local day m_nDay
    int64_t m_nEnd = 0;
    int64_t m_nOffset = 0; // seconds the local clock was ahead of UTC
};

// The local day of every entry, in the headers' order.
std::vector<int32_t> EntryDays(const std::vector<EntryHeader>& headers);

// The local day of `now`.
int32_t LocalToday(int64_t now);
