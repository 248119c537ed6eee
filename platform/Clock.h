#pragma once
// "Now" for the reminder and planner windows. The program reads the system
// clock; tests pin it (or step it) so that dates in lists are predictable.

#include <cstdint>
#include <functional>

class CClock
{
public:
    // Seconds since 1970-01-01 00:00:00 UTC.
    static int64_t Now();

    // Replaces the clock; an empty function restores the system clock.
    static void SetSource(std::function<int64_t()> source);
    // Pins the clock to one moment.
    static void SetFixed(int64_t now);
    static void Reset();
};
