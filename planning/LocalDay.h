#pragma once
// Calendar days in the local time zone, for wording planner tasks and
// reminders by the day they fall on rather than their time of day.

#include <cstdint>
#include <ctime>

class CLocalDay
{
public:
    static std::tm Split(int64_t time); // local broken-down time
    static bool Same(int64_t a, int64_t b);
};
