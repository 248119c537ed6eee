// "On this day": earlier years' entries of today's local month and day, and
// the lines the main window shows for them.

#include "stats/OnThisDay.h"

#include "stats/LocalDays.h"
#include "stats/OnThisDayLines.h"
#include "stats/OnThisDayView.h"
#include "stats/WordText.h"
#include "tests/stats/StatsTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Found = std::vector<std::pair<int, int>>; // years ago, entry

Found Find(const std::vector<EntryHeader>& headers, int64_t now)
{
    Found found;
    for (const OnThisDayEntry& entry : FindOnThisDay(headers, now)) {
        found.emplace_back(entry.yearsAgo, entry.entry);
    }
    return found;
}

TEST(OnThisDay, LeapDaysAndFirstOfMarchAcrossZones)
{
    // Written in Auckland (UTC+13 in February): the same instants fall on
    // the day before in Los Angeles.
    PinTimeZone("Pacific/Auckland");
    const std::vector<EntryHeader> headers = {
        Header(LocalTime(2016, 2, 29, 20)),     // 0
        Header(LocalTime(2020, 2, 28, 8)),      // 1
        Header(LocalTime(2020, 2, 29, 0, 30)),  // 2
        Header(LocalTime(2020, 2, 29, 21)),     // 3: the latest of its day
        Header(LocalTime(2021, 3, 1, 9)),       // 4
        Header(LocalTime(2023, 2, 28, 23, 59)), // 5
        Header(LocalTime(2023, 3, 1, 0, 30)),   // 6
        Header(LocalTime(2024, 2, 29, 12)),     // 7
    };
    const std::tuple<const char*, CivilDate, Found> cases[] = {
        // 29 February: only earlier 29 Februaries.
        {"Pacific/Auckland", {2028, 2, 29}, {{4, 7}, {8, 3}, {12, 0}}},
        // 28 February of a common year: a leap year's 29 February counts too,
        // and the latest entry of the two days stands for the year.
        {"Pacific/Auckland", {2025, 2, 28}, {{1, 7}, {2, 5}, {5, 3}, {9, 0}}},
        {"Pacific/Auckland", {2025, 3, 1}, {{2, 6}, {4, 4}}},
        // The same instants in Los Angeles, 21 hours behind.
        {"America/Los_Angeles", {2025, 3, 1}, {}},
        {"America/Los_Angeles", {2025, 2, 28}, {{1, 7}, {2, 6}, {4, 4}, {5, 3}, {9, 0}}},
        {"America/Los_Angeles", {2028, 2, 29}, {{8, 3}}},
        {"America/Los_Angeles", {2028, 2, 28}, {{4, 7}, {5, 6}, {7, 4}, {8, 2}, {12, 0}}},
    };
    for (const auto& [zone, date, expected] : cases) {
        PinTimeZone(zone);
        EXPECT_EQ(Find(headers, LocalTime(date.year, date.month, date.day, 23, 59)), expected)
            << zone << " " << date.year << "-" << date.month << "-" << date.day;
        EXPECT_EQ(Find(headers, LocalTime(date.year, date.month, date.day, 0, 0)), expected);
    }
}

TEST(OnThisDay, AtMostFiveMostRecentFirst)
{
    PinTimeZone("Europe/Berlin");
    std::vector<EntryHeader> headers;
    for (int year = 2010; year <= 2024; ++year) {
        headers.push_back(Header(LocalTime(year, 7, 14, 0, 1)));
        headers.push_back(Header(LocalTime(year, 7, 15, 0, 1)));
    }
    EXPECT_EQ(Find(headers, LocalTime(2025, 7, 14, 23, 0)),
              (Found{{1, 28}, {2, 26}, {3, 24}, {4, 22}, {5, 20}}));
    EXPECT_EQ(Find(headers, LocalTime(2010, 7, 14, 23, 0)), Found{});
    EXPECT_EQ(Find({}, LocalTime(2025, 7, 14, 23, 0)), Found{});
}

TEST(OnThisDay, WordsAreCountedAndCutOnWhitespaceAndPictures)
{
    EXPECT_EQ(CountWords(u""), 0);
    EXPECT_EQ(CountWords(u"  one\ttwo\n\nthree\u00a0four  "), 4);
    EXPECT_EQ(CountWords(u"\uFFFC one\uFFFCtwo \uFFFC"), 2);
    EXPECT_EQ(FirstWords(u"\uFFFC Seen\uFFFCtoday", 8), QStringLiteral("Seen today"));
    EXPECT_EQ(FirstWords(u"  Rain\nall day.  ", 8), QStringLiteral("Rain all day."));
    EXPECT_EQ(FirstWords(u"a b c d e f g h  ", 8), QStringLiteral("a b c d e f g h"));
}

// The lines of an encrypted diary on disk: texts decrypted and cut short.
TEST(OnThisDay, LinesOfADiaryOnDisk)
{
    PinTimeZone("Europe/Berlin");
    QTemporaryDir folder;
    const QString path = folder.filePath("days.ilm");
    WriteDiary(path,
               {{LocalTime(2022, 5, 1, 9), Rtf("Maypole in the square, music and a long walk home "
                                               "by the river")},
                {LocalTime(2023, 5, 1, 9), Rtf("Quiet.")},
                {LocalTime(2023, 5, 2, 9), Rtf("Not this one.")}},
               "secret");
    const CDiarySession session(NameOf(path));
    const std::vector<OnThisDayLine> lines = ReadOnThisDayLines(session, LocalTime(2024, 5, 1, 18));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].entry, 1);
    EXPECT_EQ(lines[0].text, QStringLiteral("1 year ago: Quiet."));
    EXPECT_EQ(lines[1].entry, 0);
    EXPECT_EQ(lines[1].text,
              QStringLiteral("2 years ago: Maypole in the square, music and a long..."));

    // Shown under the reminder summary: a click on a line asks for its entry.
    COnThisDayView view;
    view.SetLines(lines);
    view.show();
    QSignalSpy asked(&view, &COnThisDayView::EntryRequested);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualItemRect(view.item(1)).center());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][0].toInt(), 0);
    view.SetLines({});
    EXPECT_TRUE(view.isHidden());
}

} // namespace
