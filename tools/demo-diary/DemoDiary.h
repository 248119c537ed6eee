#pragma once
// Writes demo diaries for screenshots and layout checks: entries, reminders
// and planner tasks dated relative to a given "now", so the same now always
// gives the same diary.

#include "store/DiaryName.h"

#include <cstdint>
#include <span>
#include <string>

struct DemoDay
{
    int daysAgo;
    int mood, fatigue, shape, dream;
    bool copulation, menstruus;
    float temperature;
    int weight;
    const char* text; // RTF body
};

struct DemoReminder
{
    int days; // from now; a past one recurs next year
    const char* text;
};

struct DemoTask
{
    int plannedDays;
    int doneDays; // meaningful when done
    bool done;
    const char* text;
};

class CDemoDiary
{
public:
    // The index file's siblings are created beside it.
    CDemoDiary(CDiaryName name, int64_t now);

    // Local midnight of the day `days` from `now`, plus the given time.
    static int64_t LocalDay(int64_t now, int days, int hour, int minute = 0);

    // One entry a day at 21:17, oldest first. `rtfHead` opens every text
    // (header, font and colour tables, first font); "\par}" closes it.
    void WriteEntries(const std::string& password, const std::string& rtfHead,
                      std::span<const DemoDay> days) const;
    void WriteReminders(std::span<const DemoReminder> reminders) const; // at 09:00
    // Planned at 10:00, done at 18:00.
    void WritePlanner(std::span<const DemoTask> tasks) const;

private:
    CDiaryName m_name;
    int64_t m_timeNow;
};
