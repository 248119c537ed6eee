// The per-user settings: an INI file under XDG_CONFIG_HOME (a temporary
// folder in the tests), organisation "Orrinfield", section "Settings".
#include "platform/Settings.h"

#include "platform/AppInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <climits>
#include <gtest/gtest.h>

namespace {
class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { QSettings(CSettings::FileName(), QSettings::IniFormat).clear(); }
    // What another process would read: a fresh look at the file on disk.
    static QVariant OnDisk(const QString& key)
    {
        return QSettings(CSettings::FileName(), QSettings::IniFormat)
            .value(QStringLiteral("Settings/") + key);
    }
};

TEST_F(SettingsTest, FileLivesInTheUsersConfigFolderUnderTheProgramName)
{
    const QFileInfo file(CSettings::FileName());
    EXPECT_EQ(file.absolutePath(),
              QFileInfo(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Orrinfield")
                  .absoluteFilePath());
    EXPECT_EQ(file.completeBaseName(), "test_platform");
    CSettings::WriteProfileInt("Font Size", 14);
    QFile ini(CSettings::FileName());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().startsWith("[Settings]"));
}

TEST_F(SettingsTest, ValuesRoundTripAndReachTheDiskAtOnce)
{
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", 5), 5);
    EXPECT_EQ(CSettings::GetProfileString("Font Name", "Arial"), "Arial");
    for (const int value : {0, -1, INT_MAX, INT_MIN}) {
        CSettings::WriteProfileInt("ExtLoc", value);
        EXPECT_EQ(OnDisk("ExtLoc").toInt(), value);
        EXPECT_EQ(CSettings::GetProfileInt("ExtLoc", 99), value);
    }
    const QString path = QStringLiteral("/home/me/Tagebücher/a=b; #c.ilm");
    CSettings::WriteProfileString("DiaryFile", path);
    EXPECT_EQ(OnDisk("DiaryFile").toString(), path);
    EXPECT_EQ(CSettings::GetProfileString("DiaryFile", "default"), path);
    // Present but empty is not absent; keys with blanks stay apart.
    CSettings::WriteProfileString("MoodPThree", QString());
    EXPECT_EQ(CSettings::GetProfileString("MoodPThree", "Excellent"), "");
    CSettings::WriteProfileString("Font Name", "DejaVu Serif");
    EXPECT_EQ(CSettings::GetProfileString("FontName", "Arial"), "Arial");
}

TEST_F(SettingsTest, IntegersAndStringsShareOneNamespaceAndTextIsNoNumber)
{
    CSettings::WriteProfileInt("ExtLoc", 21);
    EXPECT_EQ(CSettings::GetProfileString("ExtLoc"), "21");
    CSettings::WriteProfileString("StartAlarmBefore", " 7 ");
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", 5), 7);
    CSettings::WriteProfileString("StartAlarmBefore", "soon");
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", 5), 5);
}
} // namespace
