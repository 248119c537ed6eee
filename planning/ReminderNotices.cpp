#include "planning/ReminderNotices.h"

#include "planning/LocalDay.h"
#include "planning/TodayNotification.h"
#include "platform/Clock.h"

#include <algorithm>
#include <ctime>

namespace {

// Local midnight starting the day of `now`, `days` days on.
int64_t LocalMidnight(int64_t now, int days)
{
    std::tm day = CLocalDay::Split(now);
    day.tm_mday += days;
    day.tm_hour = 0;
    day.tm_min = 0;
    day.tm_sec = 0;
    day.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&day));
}

} // namespace

CReminderNotices::CReminderNotices(std::function<const CDiarySession*()> diary, QObject* parent)
    : QObject(parent), m_diary(std::move(diary))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CReminderNotices::OnTimer);
}

int64_t CReminderNotices::MsecsToMidnight(int64_t now)
{
    return std::max<int64_t>(LocalMidnight(now, 1) - now, 0) * 1000 + 1000;
}

void CReminderNotices::Start()
{
    const int64_t now = CClock::Now();
    Announce(now);
    Arm(now);
}

void CReminderNotices::OnTimer()
{
    const int64_t now = CClock::Now();
    // A timer that woke early (the clock was set back) leaves the day alone.
    if (LocalMidnight(now, 0) != m_nAnnouncedDay) {
        Announce(now);
    }
    Arm(now);
}

void CReminderNotices::Announce(int64_t now)
{
    m_nAnnouncedDay = LocalMidnight(now, 0);
    if (const CDiarySession* diary = m_diary()) {
        CTodayNotification::Send(*diary, now);
    }
}

void CReminderNotices::Arm(int64_t now)
{
    // A day is at most 25 hours: the interval always fits an int.
    m_timer.start(static_cast<int>(MsecsToMidnight(now)));
}
