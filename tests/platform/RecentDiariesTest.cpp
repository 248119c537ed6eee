// The list of recent diaries: newest first, no repeats, eight at most, kept
// in the settings.
#include "platform/RecentDiaries.h"

#include <gtest/gtest.h>

TEST(RecentDiariesTest, NewestFirstWithoutRepeatsAndAtMostEight)
{
    const QStringList three{"/d/c.dayloom", "/d/b.ilm", "/d/a.ilm"};
    EXPECT_EQ(CRecentDiaries::Added(three, "/d/x.ilm"),
              (QStringList{"/d/x.ilm", "/d/c.dayloom", "/d/b.ilm", "/d/a.ilm"}));
    // Opening one again moves it to the front.
    EXPECT_EQ(CRecentDiaries::Added(three, "/d/a.ilm"),
              (QStringList{"/d/a.ilm", "/d/c.dayloom", "/d/b.ilm"}));
    QStringList nine;
    for (int i = 1; i <= 9; ++i) {
        nine << QStringLiteral("/d/%1.ilm").arg(i);
    }
    const QStringList kept = CRecentDiaries::Added(nine, "/d/new.ilm");
    EXPECT_EQ(kept.size(), 8);
    EXPECT_EQ(kept.front(), "/d/new.ilm");
    EXPECT_EQ(kept.back(), "/d/7.ilm");
    EXPECT_EQ(CRecentDiaries::Added({"", "/d/a.ilm", ""}, ""), QStringList{"/d/a.ilm"});
}

TEST(RecentDiariesTest, KeptInTheSettingsAndRemovedOrClearedThere)
{
    EXPECT_TRUE(CRecentDiaries::Load().isEmpty());
    CRecentDiaries::Add("/d/a.ilm");
    CRecentDiaries::Add("/d/b.dayloom");
    CRecentDiaries::Add("/d/a.ilm");
    EXPECT_EQ(CRecentDiaries::Load(), (QStringList{"/d/a.ilm", "/d/b.dayloom"}));
    CRecentDiaries::Remove("/d/a.ilm");
    EXPECT_EQ(CRecentDiaries::Load(), QStringList{"/d/b.dayloom"});
    CRecentDiaries::Clear();
    EXPECT_TRUE(CRecentDiaries::Load().isEmpty());
}
