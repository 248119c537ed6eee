#pragma once
// The main window's reminder summary: every reminder of the diary worded
// relative to "now" as Today, Tomorrow/Soon or Later, reminders recurring
// yearly.

#include "store/Records.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

class CDiarySession;

class CReminderSummary
{
    Q_DECLARE_TR_FUNCTIONS(CReminderSummary)

public:
    // The summary lines for `reminders` (in file order): first every reminder
    // falling on today's local date, then those less than `soonDays` days
    // away, then the rest, each group in file order. The bracket shows the
    // day a reminder is counted towards, with that day's weekday.
    static QStringList Lines(const std::vector<ReminderRecord>& reminders, int64_t now,
                             int soonDays);

    // Reads the diary's reminders and words them as Lines() does. An empty
    // list when the diary has none. A file error is shown to the user here
    // (the lines of the reminders read until then are still returned).
    static QStringList Load(const CDiarySession& diary, int64_t now, int soonDays);

    // The moment a reminder counts towards: its stored time when that is
    // still ahead (or today), otherwise its next yearly recurrence at local
    // midnight.
    static int64_t DueTime(int64_t storedTime, int64_t now);
};
