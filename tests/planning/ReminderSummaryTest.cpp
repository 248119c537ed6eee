// The reminder summary's classification and wording, with a pinned zone and
// "now".
#include "planning/ReminderSummary.h"

#include "PlanningFixture.h"

namespace {

ReminderRecord Reminder(int64_t time, const char* description)
{
    ReminderRecord reminder;
    reminder.time = time;
    std::strncpy(reminder.description, description, sizeof reminder.description - 1);
    return reminder;
}

// A local moment: year, month, day, hour, minute.
struct When
{
    int y, mo, d, h, mi;
    int64_t Time() const { return Local(y, mo, d, h, mi); }
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
    // Today at an hour already past; today's day and month of an earlier year.
    {kBerlin, kThu10, {2002, 12, 5, 8, 0}, 5, "Today [05 Dec, Thu]: x"},
    {kBerlin, kThu10, {2001, 12, 5, 10, 0}, 5, "in 365 days [05 Dec, Wed]: x"},
    {kBerlin, {2003, 12, 5, 10, 0}, {2001, 12, 5, 10, 0}, 5, "in 366 days [05 Dec, Wed]: x"},
    {kBerlin, kThu10, {2002, 12, 4, 12, 0}, 5, "in 364 days [04 Dec, Wed]: x"},
    // Tomorrow before and after the present time of day; no Soon window.
    {kBerlin, kThu10, {2002, 12, 6, 9, 0}, 5, "Tomorrow [06 Dec, Fri]: x"},
    {kBerlin, kThu10, {2002, 12, 6, 11, 0}, 5, "Soon [in 2 days] [06 Dec, Fri]: x"},
    {kBerlin, kThu10, {2002, 12, 6, 9, 0}, 0, "in 1 days [06 Dec, Fri]: x"},
    // The edge of the Soon window.
    {kBerlin, kThu10, {2002, 12, 9, 11, 0}, 5, "Soon [in 5 days] [09 Dec, Mon]: x"},
    {kBerlin, kThu10, {2002, 12, 10, 11, 0}, 5, "in 6 days [10 Dec, Tue]: x"},
    // 29 February counts towards 1 March of a common year, shown as stored.
    {kBerlin, kThu10, {2000, 2, 29, 12, 0}, 5, "in 86 days [29 Feb, Tue]: x"},
    // An anniversary still ahead this year is not pushed a year away.
    {kBerlin, kThu10, {2001, 12, 10, 9, 0}, 5, "Soon [in 5 days] [10 Dec, Mon]: x"},
    // Days are counted in real seconds across the change to summer time.
    {kBerlin, {2003, 3, 28, 12, 0}, {2003, 3, 31, 12, 30}, 5, "Soon [in 3 days] [31 Mar, Mon]: x"},
    // Today and tomorrow are local days, not UTC days.
    {kNewYork, {2002, 12, 5, 0, 30}, {2002, 12, 5, 23, 30}, 5, "Today [05 Dec, Thu]: x"},
    {kNewYork, {2002, 12, 5, 20, 0}, {2002, 12, 6, 0, 30}, 5, "Tomorrow [06 Dec, Fri]: x"},
};
// clang-format on

} // namespace

class ReminderSummaryTest : public PlanningTest
{
};

TEST_F(ReminderSummaryTest, ClassifiesAndWordsOneReminder)
{
    for (const Case& c : kCases) {
        PinZone(c.zone);
        EXPECT_EQ(
            CReminderSummary::Lines({Reminder(c.stored.Time(), "x")}, c.now.Time(), c.soonDays),
            QStringList{QString::fromLatin1(c.line)})
            << c.line;
    }
}

TEST_F(ReminderSummaryTest, ListsTodaySoonLaterWhateverTheFileOrder)
{
    const std::vector<ReminderRecord> file{
        Reminder(Local(2002, 12, 8, 9), "Party"), Reminder(Local(2001, 3, 10, 15), "Anniversary"),
        Reminder(Local(2002, 12, 5, 8), "Dentist"), Reminder(Local(2002, 12, 6, 9), "Call Ann"),
        Reminder(Local(2002, 12, 5, 9), "Caf\xe9")};
    EXPECT_EQ(
        CReminderSummary::Lines(file, kThu10.Time(), 5),
        (QStringList{"Today [05 Dec, Thu]: Dentist", QString::fromUtf8("Today [05 Dec, Thu]: Café"),
                     "Soon [in 3 days] [08 Dec, Sun]: Party", "Tomorrow [06 Dec, Fri]: Call Ann",
                     "in 95 days [10 Mar, Sat]: Anniversary"}));
}

TEST_F(ReminderSummaryTest, LoadsTheDiarysRemindersAndNothingWithoutThem)
{
    EXPECT_TRUE(CReminderSummary::Load(Diary(), kThu10.Time(), 5).isEmpty());
    QByteArray file(44, '\0');
    const uint32_t time = static_cast<uint32_t>(Local(2002, 12, 6, 9));
    std::memcpy(file.data(), &time, 4); // the file is little-endian, as is the host
    std::memcpy(file.data() + 4, "Call Ann", 8);
    WriteFile('r', file);
    EXPECT_EQ(CReminderSummary::Load(Diary(), kThu10.Time(), 5),
              QStringList{"Tomorrow [06 Dec, Fri]: Call Ann"});
}
