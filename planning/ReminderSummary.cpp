#include "planning/ReminderSummary.h"

#include "planning/DiaryRecords.h"
#include "planning/LocalDay.h"
#include "planning/ScriptText.h"
#include "platform/ShownTime.h"

#include <cstring>
#include <ctime>

namespace {

constexpr int64_t kSecondsPerDay = 86400;

// Local midnight of a day and month in a year; mktime turns 29 February of a
// common year into 1 March.
int64_t LocalMidnight(int mday, int mon, int year)
{
    std::tm broken{};
    broken.tm_mday = mday;
    broken.tm_mon = mon;
    broken.tm_year = year;
    broken.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&broken));
}

QString Description(const ReminderRecord& reminder)
{
    return CScriptText::Of(reminder);
}

QString Bracket(int64_t time)
{
    return CShownTime::Format(QCoreApplication::translate("CReminderSummary", "[%d %b, %a]: "),
                              time);
}

struct Item
{
    size_t index;
    int64_t due; // the moment the reminder counts towards
    int64_t n;
};

} // namespace

int64_t CReminderSummary::DueTime(int64_t storedTime, int64_t now)
{
    if (storedTime >= now)
        return storedTime;
    // A yearly reminder falls next on this year's anniversary if that is
    // still ahead, otherwise on next year's. (Always jumping to next year
    // would put a reminder due in a few days a whole year away.)
    const std::tm stored = CLocalDay::Split(storedTime);
    const std::tm present = CLocalDay::Split(now);
    const int64_t thisYear = LocalMidnight(stored.tm_mday, stored.tm_mon, present.tm_year);
    if (thisYear > now)
        return thisYear;
    return LocalMidnight(stored.tm_mday, stored.tm_mon, present.tm_year + 1);
}

QStringList CReminderSummary::Lines(const std::vector<ReminderRecord>& reminders, int64_t now,
                                    int soonDays)
{
    std::vector<size_t> today;
    std::vector<Item> soon;
    std::vector<Item> later;
    for (size_t i = 0; i < reminders.size(); ++i) {
        const int64_t stored = reminders[i].time;
        // The time of day plays no part: a reminder earlier today is today's.
        if (CLocalDay::Same(stored, now)) {
            today.push_back(i);
            continue;
        }
        const int64_t due = DueTime(stored, now);
        const int64_t days = (due - now) / kSecondsPerDay;
        const Item item{i, due, days + 1};
        if (days < soonDays)
            soon.push_back(item);
        else
            later.push_back(item);
    }

    // A yearly reminder is shown for the day it falls on next: a stored
    // Tuesday read a year later falls on a Wednesday, and 29 February of a
    // common year on 1 March.
    QStringList lines;
    for (size_t i : today) {
        lines << CShownTime::Format(tr("Today [%d %b, %a]: "), reminders[i].time) +
                     Description(reminders[i]);
    }
    for (const Item& item : soon) {
        const ReminderRecord& r = reminders[item.index];
        const QString prefix =
            item.n == 1 ? tr("Tomorrow ") : tr("Soon [in %n days] ", "", int(item.n));
        lines << prefix + Bracket(item.due) + Description(r);
    }
    for (const Item& item : later) {
        const ReminderRecord& r = reminders[item.index];
        lines << tr("in %n days ", "", int(item.n)) + Bracket(item.due) + Description(r);
    }
    return lines;
}

QStringList CReminderSummary::Load(const CDiarySession& diary, int64_t now, int soonDays)
{
    return Lines(CDiaryRecords::Reminders(diary), now, soonDays);
}
