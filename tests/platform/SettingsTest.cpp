// The per-user settings: an INI file under XDG_CONFIG_HOME (a temporary
// folder in the tests), organisation "Orrinfield", section "Settings".
#include "platform/Settings.h"

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
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", 5), 5);
    EXPECT_EQ(CSettings::GetProfileString("Font Name", "Arial"), "Arial");
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

} // namespace
