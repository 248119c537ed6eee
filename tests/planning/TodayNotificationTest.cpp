// Today's reminders on the desktop: the words, the option, a missing service,
// and the start-up and midnight announcements.
#include "planning/TodayNotification.h"

#include "PlanningFixture.h"
#include "planning/ReminderNotices.h"
#include "platform/DesktopNotifications.h"
#include "platform/Settings.h"
#include "store/DiaryStore.h"

using Sent = std::vector<QString>;

class TodayNotificationTest : public PlanningTest
{
protected:
    void AddReminder(int64_t time, const char* description)
    {
        auto store = Diary().MakeStore(0);
        store->reminder = Reminder(time, description);
        store->AppendReminder();
    }
};

TEST_F(TodayNotificationTest, NamesOrCountsTodaysRemindersAndIsSentOnlyWithTheOptionAndAService)
{
    const int64_t now = LocalTime(2002, 12, 5, 10);
    const std::vector<ReminderRecord> reminders = {
        Reminder(LocalTime(2002, 12, 5, 8), "Mother's birthday"),
        Reminder(LocalTime(2002, 12, 6, 0), "Tomorrow's"),
        Reminder(LocalTime(2001, 12, 5, 8), "A year ago"),
        Reminder(LocalTime(2002, 12, 5, 23, 59), "Dentist "),
    };
    EXPECT_EQ(CTodayNotification::Text(reminders, now, false), "Today: Mother's birthday, Dentist");
    EXPECT_EQ(CTodayNotification::Text(reminders, now, true), "2 reminders today");
    EXPECT_EQ(CTodayNotification::Text({reminders[0]}, now, true), "1 reminder today");
    EXPECT_EQ(CTodayNotification::Text({reminders[1], reminders[2]}, now, false), "");
    EXPECT_EQ(CTodayNotification::Text({}, now, true), "");

    // Sent only with the option on, a reminder today and a service.
    EXPECT_FALSE(CTodayNotification::Send(Diary(), now)) << "no reminder yet";
    AddReminder(LocalTime(2002, 12, 5, 9), "Mother's birthday");
    EXPECT_TRUE(CTodayNotification::Send(Diary(), now));
    EXPECT_EQ(CDesktopNotifications::Sent(), Sent{"Today: Mother's birthday|"});

    CDesktopNotifications::Reset();
    CSettings::WriteProfileInt("bNotifyReminders", 0);
    EXPECT_FALSE(CTodayNotification::Send(Diary(), now));
    CSettings::WriteProfileInt("bNotifyReminders", 1);
    CDesktopNotifications::SetServiceAvailable(false);
    EXPECT_FALSE(CTodayNotification::Send(Diary(), now));
    EXPECT_EQ(CDesktopNotifications::Sent(), Sent());
}

TEST_F(TodayNotificationTest, AnnouncedAtStartAndOnceAfterEachLocalMidnightWhileADiaryIsOpen)
{
    AddReminder(LocalTime(2002, 12, 5, 9), "Dentist");
    AddReminder(LocalTime(2002, 12, 6, 9), "Concert");
    const CDiarySession* open = nullptr;
    CReminderNotices notices([&open] { return open; });
    notices.Start(); // no diary open: nothing
    EXPECT_EQ(CDesktopNotifications::Sent(), Sent());
    EXPECT_TRUE(notices.Timer().isActive());
    EXPECT_EQ(notices.Timer().interval(), 14 * 3600 * 1000 + 1000);

    open = &Diary();
    notices.Start();
    notices.OnTimer(); // woke early: the same day is not told twice
    EXPECT_EQ(CDesktopNotifications::Sent(), Sent{"Today: Dentist|"});
    CClock::SetFixed(LocalTime(2002, 12, 6, 0, 0) + 1);
    notices.OnTimer();
    EXPECT_EQ(CDesktopNotifications::Sent(), (Sent{"Today: Dentist|", "Today: Concert|"}));

    // Midnight is local: Berlin puts its clocks back on 25 October 2026 (25 hours).
    EXPECT_EQ(CReminderNotices::MsecsToMidnight(LocalTime(2026, 10, 24, 23)), 3600 * 1000 + 1000);
    EXPECT_EQ(CReminderNotices::MsecsToMidnight(LocalTime(2026, 10, 25, 0, 30)),
              int64_t{24 * 3600 + 1800} * 1000 + 1000);
    EXPECT_EQ(CReminderNotices::MsecsToMidnight(LocalTime(2026, 3, 29, 0, 30)),
              int64_t{22 * 3600 + 1800} * 1000 + 1000);
}
