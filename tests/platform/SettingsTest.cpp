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
    const QString configHome = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    ASSERT_FALSE(configHome.isEmpty());
    const QFileInfo file(CSettings::FileName());
    EXPECT_EQ(file.absolutePath(), QFileInfo(configHome + "/Orrinfield").absoluteFilePath());
    // Another program file name means other settings.
    EXPECT_EQ(file.completeBaseName(), CAppInfo::AppName());
    EXPECT_EQ(CAppInfo::AppName(), "test_platform");
}

TEST_F(SettingsTest, ValuesRoundTripAndReachTheDiskAtOnce)
{
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", 5), 5);
    EXPECT_EQ(CSettings::GetProfileString("Font Name", "Arial"), "Arial");
    for (const int value : {0, -1, 14, INT_MAX, INT_MIN}) {
        CSettings::WriteProfileInt("ExtLoc", value);
        EXPECT_EQ(OnDisk("ExtLoc").toInt(), value);
        EXPECT_EQ(CSettings::GetProfileInt("ExtLoc", 99), value);
    }
    for (const QString& value : {
             QStringLiteral("/home/me/Tagebücher/reise.ilm"),
             QStringLiteral("a=b; c, \"quoted\" [x] #not a comment"),
             QStringLiteral("  leading and trailing  "),
             QStringLiteral("Ελληνικά 日本語"),
             QStringLiteral("line one\nline two"),
         }) {
        CSettings::WriteProfileString("DiaryFile", value);
        EXPECT_EQ(OnDisk("DiaryFile").toString(), value);
        EXPECT_EQ(CSettings::GetProfileString("DiaryFile", "default"), value);
    }
    // Present but empty is not absent: the default must not come back.
    CSettings::WriteProfileString("MoodPThree", QString());
    EXPECT_EQ(CSettings::GetProfileString("MoodPThree", "Excellent"), "");
}

TEST_F(SettingsTest, KeysWithBlanksAreKeptApartFromSimilarKeys)
{
    CSettings::WriteProfileString("Font Name", "DejaVu Serif");
    CSettings::WriteProfileInt("Font Size", 14);
    CSettings::WriteProfileString("FontName", "other");
    EXPECT_EQ(CSettings::GetProfileString("Font Name", "Arial"), "DejaVu Serif");
    EXPECT_EQ(CSettings::GetProfileInt("Font Size", 12), 14);
    EXPECT_EQ(CSettings::GetProfileString("FontName"), "other");
    EXPECT_EQ(CSettings::GetProfileInt("FontSize", 12), 12);

    QFile file(CSettings::FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ini = file.readAll();
    EXPECT_TRUE(ini.startsWith("[Settings]")) << ini.constData();
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
