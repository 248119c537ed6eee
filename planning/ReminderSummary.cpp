#include "planning/ReminderSummary.h"

#include "planning/LocalDay.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/TimeText.h"

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
    return CAnsiCodec::ToQString(std::string_view(
        reminder.description, strnlen(reminder.description, sizeof reminder.description)));
}

QString Bracket(int64_t time)
{
    return QString::fromStdString(FormatTime("[%d %b, %a]: ", time));
}

struct Item
{
    size_t index;
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
        const int64_t days = (DueTime(stored, now) - now) / kSecondsPerDay;
        const Item item{i, days + 1};
        if (days < soonDays)
            soon.push_back(item);
        else
            later.push_back(item);
    }

    // The brackets show the stored date, not the recurrence it was counted
    // towards, so a moved reminder keeps its original weekday.
    QStringList lines;
    for (size_t i : today) {
        lines << QString::fromStdString(FormatTime("Today [%d %b, %a]: ", reminders[i].time)) +
                     Description(reminders[i]);
    }
    for (const Item& item : soon) {
        const ReminderRecord& r = reminders[item.index];
        const QString prefix = item.n == 1 ? QStringLiteral("Tomorrow ")
                                           : QStringLiteral("Soon [in %1 days] ").arg(item.n);
        lines << prefix + Bracket(r.time) + Description(r);
    }
    for (const Item& item : later) {
        const ReminderRecord& r = reminders[item.index];
        lines << QStringLiteral("in %1 days ").arg(item.n) + Bracket(r.time) + Description(r);
    }
    return lines;
}

void CReminderSummary::ReadAll(const CDiarySession& diary, std::vector<ReminderRecord>& reminders)
{
    const auto pStore = diary.MakeStore();
    CDiaryStore& store = *pStore;
    store.OpenReminderFile();
    store.CloseReminderFile();
    if (store.m_nReminderCount == 0)
        return;
    store.reminder_index = 0;
    if (!store.ReadReminder())
        return;
    do {
        reminders.push_back(store.reminder);
    } while (store.NextReminder());
}

QStringList CReminderSummary::Load(const CDiarySession& diary, int64_t now, int soonDays)
{
    std::vector<ReminderRecord> reminders;
    try {
        ReadAll(diary, reminders);
    } catch (const CFileError& error) {
        CMessageBox::Show(nullptr, QString::fromStdString(error.what()), CAppInfo::AppName());
    }
    return Lines(reminders, now, soonDays);
}
