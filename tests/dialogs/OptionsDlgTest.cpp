// The Options dialog as the user sees it: what it shows from the settings,
// what SAVE writes, and the days box it refuses.
#include "dialogs/OptionsDlg.h"

#include "platform/AppInfo.h"
#include "platform/Settings.h"
#include "ratings/RatingLabels.h"
#include "tests/support/TestDictionary.h"
#include "tests/support/WidgetTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

using widgettest::Child;
using widgettest::Click;

// The settings written, as "key=value" in key order.
QStringList Written()
{
    QSettings settings(CSettings::FileName(), QSettings::IniFormat);
    settings.beginGroup("Settings");
    QStringList written;
    for (const QString& key : settings.childKeys()) {
        written << key + "=" + settings.value(key).toString();
    }
    written.sort();
    return written;
}

int RunOptions(std::function<void(COptionsDlg&)> drive)
{
    COptionsDlg dialog(nullptr);
    return widgettest::RunModal<COptionsDlg>(dialog, std::move(drive));
}

QLineEdit* Box(QWidget& dialog, const char* name)
{
    return Child<QLineEdit>(dialog, name);
}

void Retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    widgettest::TypeText(box, text);
}

TEST(OptionsDlgTest, EmptySettingsShowTheDefaultsAndSaveWritesAll26Values)
{
    EXPECT_EQ(RunOptions([](COptionsDlg& dialog) {
                  EXPECT_EQ(dialog.windowTitle(), "Options - Dayloom v2.21");
                  for (const RatingLabelKey& key : RatingLabelKeys()) {
                      EXPECT_EQ(Box(dialog, key.key)->text(), key.defaultText) << key.key;
                  }
                  for (const IntSetting& s :
                       {CSettings::kOpenLastDiary, CSettings::kShowOnThisDay,
                        CSettings::kNotifyReminders, CSettings::kCheckSpelling}) {
                      EXPECT_EQ(Child<QCheckBox>(dialog, s.key)->isChecked(), s.defaultValue == 1)
                          << s.key;
                  }
                  EXPECT_EQ(Child<QSpinBox>(dialog, "LockAfterMinutes")->value(),
                            CSettings::kLockAfterMinutes.defaultValue);
                  Click(dialog, "save");
              }),
              QDialog::Accepted);

    // Every value is written, each as it was shown.
    QStringList expected{"SpellingLanguage=" + CSettings::GetProfileString("SpellingLanguage")};
    for (const IntSetting& s :
         {CSettings::kOpenLastDiary, CSettings::kStartAlarmBefore, CSettings::kShowOnThisDay,
          CSettings::kNotifyReminders, CSettings::kCheckSpelling, CSettings::kLockAfterMinutes}) {
        expected << QStringLiteral("%1=%2").arg(s.key).arg(s.defaultValue);
    }
    for (const TextSetting& s : CSettings::kRatingLabels) {
        expected << QStringLiteral("%1=%2").arg(s.key, s.defaultValue);
    }
    expected.sort();
    EXPECT_EQ(Written(), expected);
}

TEST(OptionsDlgTest, EditedValuesAreSavedAnEmptyLabelStaysEmptyAndSpellingHasItsLanguage)
{
    CSettings::WriteProfileString("DreamPTwo", "Flying");
    // A hand-made dictionary beside the installed ones.
    CTestDictionary dictionary;
    RunOptions([](COptionsDlg& dialog) {
        auto* language = Child<QComboBox>(dialog, "SpellingLanguage");
        const int qz = language->findText("qz");
        ASSERT_GE(qz, 0);
        language->setCurrentIndex(qz);
        Child<QCheckBox>(dialog, "bCheckSpelling")->click();
        EXPECT_FALSE(language->isEnabled());
        EXPECT_EQ(Box(dialog, "DreamPTwo")->text(), "Flying");
        Retype(Box(dialog, "MoodPThree"), "Über glücklich");
        Box(dialog, "FatigueMOne")->clear();
        QTest::keyClick(Child<QCheckBox>(dialog, "OpenLastDiary"), Qt::Key_Space);
        QTest::keyClick(Child<QCheckBox>(dialog, "bNotifyReminders"), Qt::Key_Space);
        QTest::keyClick(Child<QCheckBox>(dialog, "bShowOnThisDay"), Qt::Key_Space);
        Retype(Box(dialog, "StartAlarmBefore"), "12");
        QTest::keyClick(Child<QSpinBox>(dialog, "LockAfterMinutes"), Qt::Key_Up);
        Click(dialog, "save");
    });
    const QStringList written = Written();
    for (const QString pair :
         {"MoodPThree=Über glücklich", "FatigueMOne=", "DreamPTwo=Flying", "OpenLastDiary=1",
          "StartAlarmBefore=12", "LockAfterMinutes=11", "bNotifyReminders=0", "bShowOnThisDay=0",
          "bCheckSpelling=0", "SpellingLanguage=qz"}) {
        EXPECT_TRUE(written.contains(pair)) << pair.toStdString();
    }

    // The next opening shows what was saved.
    RunOptions([](COptionsDlg& dialog) {
        EXPECT_TRUE(Child<QCheckBox>(dialog, "OpenLastDiary")->isChecked());
        EXPECT_FALSE(Child<QCheckBox>(dialog, "bNotifyReminders")->isChecked());
        EXPECT_EQ(Box(dialog, "FatigueMOne")->text(), "");
        EXPECT_EQ(Box(dialog, "StartAlarmBefore")->text(), "12");
        dialog.reject();
    });
}

TEST(OptionsDlgTest, BadDaysAreRefusedAndCancelOrEscWriteNothing)
{
    const std::pair<QString, QString> refusals[] = {
        {"0", "Please enter an integer between 1 and 99."},
        {"100", "Please enter an integer between 1 and 99."},
        {"", "Please enter an integer."},
        {"99999999999", "Please enter an integer."}};
    for (const auto& [days, message] : refusals) {
        SCOPED_TRACE(days.toStdString());
        CMessageBox::ClearHistory();
        RunOptions([&, days = days](COptionsDlg& dialog) {
            Retype(Box(dialog, "StartAlarmBefore"), days);
            Click(dialog, "save");
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.focusWidget(), Box(dialog, "StartAlarmBefore"));
            EXPECT_EQ(Box(dialog, "StartAlarmBefore")->selectedText(), days);
            dialog.reject();
        });
        EXPECT_EQ(widgettest::Shown(), QStringList{CAppInfo::Title() + " | " + message});
        EXPECT_TRUE(Written().isEmpty());
    }
    CMessageBox::ClearHistory();
    for (const bool useEsc : {false, true}) {
        EXPECT_EQ(RunOptions([&](COptionsDlg& dialog) {
                      Retype(Box(dialog, "MoodZero"), "Meh");
                      if (useEsc) {
                          QTest::keyClick(Box(dialog, "MoodZero"), Qt::Key_Escape);
                      } else {
                          Click(dialog, "cancel");
                      }
                  }),
                  QDialog::Rejected);
        EXPECT_TRUE(Written().isEmpty());
        EXPECT_TRUE(CMessageBox::History().empty());
    }
    for (const int days : {1, 99}) {
        RunOptions([&](COptionsDlg& dialog) {
            Retype(Box(dialog, "StartAlarmBefore"), QString::number(days));
            Click(dialog, "save");
        });
        EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", -1), days);
    }
}

} // namespace
