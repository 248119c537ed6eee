#pragma once
// Time values as text, in local time, with English month and weekday names
// whatever locale the process runs under.

#include <cstdint>
#include <string>
#include <string_view>

// strftime() of the local time of `time` in the C locale. "%#x" is the long
// date "Friday, December 06, 2002" and "%#c" the long date with the time
// ("Friday, December 06, 2002 14:30:22"); "%#d" etc. drop leading zeros.
// A result longer than 127 characters, or a time that cannot be converted,
// gives an empty string.
std::string FormatTime(std::string_view format, int64_t time);

// Seconds since 1970 of a local date and time of day (month 1-12), daylight
// saving time as the zone has it on that day; -1 when it cannot be told.
int64_t LocalMoment(int year, int month, int day, int hour, int minute, int second);
