#include "planning/LocalDay.h"

std::tm CLocalDay::Split(int64_t time)
{
    std::tm broken{};
    const std::time_t t = static_cast<std::time_t>(time);
    localtime_r(&t, &broken);
    return broken;
}

bool CLocalDay::Same(int64_t a, int64_t b)
{
    const std::tm ta = Split(a);
    const std::tm tb = Split(b);
    return ta.tm_mday == tb.tm_mday && ta.tm_mon == tb.tm_mon && ta.tm_year == tb.tm_year;
}
