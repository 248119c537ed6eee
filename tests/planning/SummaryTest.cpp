// The main window's summaries: how reminders are classified and worded
// relative to a pinned "now", and how a task reads in either planner list.
#include "PlanningFixture.h"
#include "planning/PlannerSummary.h"
#include "planning/ReminderSummary.h"

namespace {

// A local moment: year, month, day, hour, minute.
struct When
{
    int y, mo, d, h, mi;
    int64_t Time() const { return LocalTime(y, mo, d, h, mi); }
};

const char* const kBerlin = "Europe/Berlin";
const char* const kNewYork = "America/New_York";
const When kThu10{2002, 12, 5, 10, 0}; // Thursday 5 December 2002, 10:00

// clang-format off
const struct Case
{
    const char* zone;
    When now, stored;
    int soonDays;
    const char* line;
} kCases[] = {
    // Today at an hour already past; today's day and month of an earlier
    // year falls next year, shown with that year's weekday.
    {kBerlin, kThu10, {2002, 12, 5, 8, 0}, 5, "Today [05 Dec, Thu]: x"},
    {kBerlin, kThu10, {2001, 12, 5, 10, 0}, 5, "in 365 days [05 Dec, Fri]: x"},
    {kBerlin, {2003, 12, 5, 10, 0}, {2001, 12, 5, 10, 0}, 5, "in 366 days [05 Dec, Sun]: x"},
    {kBerlin, kThu10, {2002, 12, 4, 12, 0}, 5, "in 364 days [04 Dec, Thu]: x"},
    // Across the year end: 5 January falls next on a Tuesday in 2027.
    {kBerlin, {2026, 12, 20, 10, 0}, {2020, 1, 5, 9, 0}, 5, "in 16 days [05 Jan, Tue]: x"},
    // Tomorrow before and after the present time of day; no Soon window.
    {kBerlin, kThu10, {2002, 12, 6, 9, 0}, 5, "Tomorrow [06 Dec, Fri]: x"},
    {kBerlin, kThu10, {2002, 12, 6, 11, 0}, 5, "Soon [in 2 days] [06 Dec, Fri]: x"},
    {kBerlin, kThu10, {2002, 12, 6, 9, 0}, 0, "in 1 days [06 Dec, Fri]: x"},
    // The edge of the Soon window.
    {kBerlin, kThu10, {2002, 12, 9, 11, 0}, 5, "Soon [in 5 days] [09 Dec, Mon]: x"},
    {kBerlin, kThu10, {2002, 12, 10, 11, 0}, 5, "in 6 days [10 Dec, Tue]: x"},
    // 29 February falls on 1 March of a common year, on itself in a leap year.
    {kBerlin, kThu10, {2000, 2, 29, 12, 0}, 5, "in 86 days [01 Mar, Sat]: x"},
    {kBerlin, {2027, 12, 5, 10, 0}, {2024, 2, 29, 12, 0}, 5, "in 86 days [29 Feb, Tue]: x"},
    // An anniversary still ahead this year is not pushed a year away.
    {kBerlin, kThu10, {2001, 12, 10, 9, 0}, 5, "Soon [in 5 days] [10 Dec, Tue]: x"},
    // Days are counted in real seconds across the change to summer time.
    {kBerlin, {2003, 3, 28, 12, 0}, {2003, 3, 31, 12, 30}, 5, "Soon [in 3 days] [31 Mar, Mon]: x"},
    // Today and tomorrow are local days, not UTC days.
    {kNewYork, {2002, 12, 5, 0, 30}, {2002, 12, 5, 23, 30}, 5, "Today [05 Dec, Thu]: x"},
    {kNewYork, {2002, 12, 5, 20, 0}, {2002, 12, 6, 0, 30}, 5, "Tomorrow [06 Dec, Fri]: x"},
};
// clang-format on

} // namespace

using ReminderSummaryTest = PlanningTest;

TEST_F(ReminderSummaryTest, ClassifiesAndWordsEachReminderAndListsTodaySoonLater)
{
    for (const Case& c : kCases) {
        PinTimeZone(c.zone);
        EXPECT_EQ(
            CReminderSummary::Lines({Reminder(c.stored.Time(), "x")}, c.now.Time(), c.soonDays),
            QStringList{QString::fromLatin1(c.line)})
            << c.line;
    }
    // A list runs Today, Soon, then the rest, whatever the file order.
    PinTimeZone(kBerlin);
    const std::vector<ReminderRecord> file{Reminder(LocalTime(2002, 12, 8, 9), "Party"),
                                           Reminder(LocalTime(2001, 3, 10, 15), "Anniversary"),
                                           Reminder(LocalTime(2002, 12, 5, 8), "Dentist"),
                                           Reminder(LocalTime(2002, 12, 6, 9), "Call Ann"),
                                           Reminder(LocalTime(2002, 12, 5, 9), "Caf\xe9")};
    EXPECT_EQ(
        CReminderSummary::Lines(file, kThu10.Time(), 5),
        (QStringList{"Today [05 Dec, Thu]: Dentist", QString::fromUtf8("Today [05 Dec, Thu]: Café"),
                     "Soon [in 3 days] [08 Dec, Sun]: Party", "Tomorrow [06 Dec, Fri]: Call Ann",
                     "in 95 days [10 Mar, Mon]: Anniversary"}));
}

using PlannerSummaryTest = PlanningTest;

TEST_F(PlannerSummaryTest, WordsEachStatusForBothLists)
{
    struct
    {
        const char* zone;
        int plannedHour, plannedMinute; // on 12 December
        int doneDay, doneHour, doneMinute, status;
        const char *dialog, *mainWindow;
    } const cases[] = {
        {kBerlin, 9, 0, 12, 9, 0, 0, " ] NOT DONE", " ] NOT DONE"},
        {kBerlin, 9, 0, 12, 23, 59, 1, " ] DONE on 12 Dec", " ] DONE ON TIME"},
        {kBerlin, 9, 0, 14, 9, 0, 1, " ] DONE on 14 Dec", " ] DONE on 14 Dec"},
        {kBerlin, 9, 0, 11, 9, 0, 1, " ] DONE on 11 Dec", " ] DONE on 11 Dec"},
        {kBerlin, 9, 0, 12, 9, 0, 2, "ERROR", " ERROR"},
        {kBerlin, 9, 0, 12, 9, 0, -1, "ERROR", " ERROR"},
        // On time means the same local day: different UTC days count, the
        // next local day does not.
        {kNewYork, 0, 30, 12, 23, 30, 1, " ] DONE on 12 Dec", " ] DONE ON TIME"},
        {kNewYork, 23, 30, 13, 0, 30, 1, " ] DONE on 13 Dec", " ] DONE on 13 Dec"},
    };
    for (const auto& c : cases) {
        PinTimeZone(c.zone);
        PlannerRecord task;
        task.plannedTime = LocalTime(2002, 12, 12, c.plannedHour, c.plannedMinute);
        task.doneTime = LocalTime(2002, 12, c.doneDay, c.doneHour, c.doneMinute);
        task.status = c.status;
        std::strcpy(task.description, "Buy paint");
        EXPECT_EQ(CPlannerSummary::DialogLine(task), "12 Dec [ Buy paint" + QString(c.dialog));
        EXPECT_EQ(CPlannerSummary::MainWindowLine(task),
                  "12 Dec [ Buy paint" + QString(c.mainWindow));
    }
}
