// The per-user settings (one INI file, one section) and the recent diaries.
#include "platform/Settings.h"

#include "platform/RecentDiaries.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(SettingsTest, OneFileOneSectionValuesOnDiskAtOnceAndTextIsNoNumber)
{
    const QFileInfo file(CSettings::FileName());
    EXPECT_EQ(file.absolutePath(),
              QFileInfo(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Orrinfield")
                  .absoluteFilePath());
    EXPECT_EQ(file.completeBaseName(), "test_platform");
    for (const int value : {0, -1, INT_MAX, INT_MIN}) {
        CSettings::WriteProfileInt("ExtLoc", value);
        // What another process would read: a fresh look at the file on disk.
        EXPECT_EQ(
            QSettings(file.filePath(), QSettings::IniFormat).value("Settings/ExtLoc").toString(),
            QString::number(value));
        EXPECT_EQ(CSettings::GetProfileInt("ExtLoc", 99), value);
    }
    QFile ini(file.filePath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().startsWith("[Settings]"));
    // Integers and strings share one namespace; present but empty is not absent.
    EXPECT_EQ(CSettings::GetProfileString("ExtLoc"), QString::number(INT_MIN));
    CSettings::WriteProfileString("MoodPThree", QString());
    EXPECT_EQ(CSettings::GetProfileString("MoodPThree", "Excellent"), "");
    CSettings::WriteProfileString("StartAlarmBefore", " 7 ");
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", 5), 7);
    CSettings::WriteProfileString("StartAlarmBefore", "soon");
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", 5), 5);
}

// Each key's name and default pinned once: a renamed key forgets user choices.
TEST(SettingsTest, EveryKeyWithItsDefault)
{
    QSettings(CSettings::FileName(), QSettings::IniFormat).clear();
    QStringList all;
    for (const IntSetting& s : {CSettings::kExtLoc, CSettings::kOpenLastDiary,
                                CSettings::kStartAlarmBefore, CSettings::kShowOnThisDay,
                                CSettings::kFontSize, CSettings::kTipsOff, CSettings::kTipPosition})
        all << QStringLiteral("%1=%2").arg(s.key).arg(CSettings::Get(s));
    for (const IntSetting& s : CSettings::kGraphSeries)
        all << QStringLiteral("%1=%2").arg(s.key).arg(CSettings::Get(s));
    for (const TextSetting& s : {CSettings::kDiaryFile, CSettings::kShortFile, CSettings::kFontName,
                                 CSettings::kTipsStamp, CSettings::kBackupFolder})
        all << QStringLiteral("%1=%2").arg(s.key, CSettings::Get(s));
    for (const TextSetting& s : CSettings::kRatingLabels)
        all << QStringLiteral("%1=%2").arg(s.key, CSettings::Get(s));
    EXPECT_EQ(all.join(','),
              "ExtLoc=0,OpenLastDiary=0,StartAlarmBefore=5,bShowOnThisDay=1,Font Size=12,"
              "StartUp=0,FilePos=0,bShowMood=1,bShowFatigue=1,bShowShape=1,bShowDream=1,"
              "bShowTemp=1,bShowWeight=1,bShowMenstruus=1,bShowCopulation=1,DiaryFile=,"
              "shortFile=,Font Name=Arial,TimeStamp=,BackupFolder=,MoodMThree=Depressed,"
              "MoodMTwo=Sad,MoodMOne=Not Good,MoodZero=Neutral,MoodPOne=Good,MoodPTwo=Very Good,"
              "MoodPThree=Excellent,FatigueMTwo=Exhausted,FatigueMOne=Tired,FatigueZero=Normal,"
              "ShapeMThree=Very Sick,ShapeMTwo=Sick,ShapeMOne=Not Well,ShapeZero=Healthy,"
              "DreamMTwo=Nightmare,DreamMOne=Strange,DreamZero=Neutral,DreamPOne=Amusing,"
              "DreamPTwo=Fun");
    // A typed write lands under the key's own name.
    CSettings::Set(CSettings::kFontSize, 14);
    EXPECT_EQ(CSettings::GetProfileInt("Font Size", 0), 14);
}

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
    // Kept in the settings, removed and cleared there: the File menu's test.
}

} // namespace
