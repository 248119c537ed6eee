// The Options dialog as the user sees it: what it shows from the settings,
// what SAVE writes, and the days box it refuses.
#include "dialogs/OptionsDlg.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/RatingLabels.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using widgettest::TypeText;

class OptionsDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings().clear();
        CMessageBox::ClearHistory();
        CModal::Reset();
    }

    static QSettings Settings() { return QSettings(CSettings::FileName(), QSettings::IniFormat); }

    static QStringList WrittenKeys()
    {
        QSettings settings = Settings();
        settings.beginGroup("Settings");
        QStringList keys = settings.childKeys();
        keys.sort();
        return keys;
    }

    static int Run(const std::function<void(COptionsDlg&)>& drive)
    {
        COptionsDlg dialog(nullptr);
        CModal::PushHandler([&](QDialog& shown) {
            shown.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&shown));
            drive(static_cast<COptionsDlg&>(shown));
        });
        return CModal::Exec(dialog);
    }

    static void TypeDays(COptionsDlg& dialog, const QString& days)
    {
        auto* box = dialog.findChild<QLineEdit*>("StartAlarmBefore");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, days);
    }

    static void ClickSave(COptionsDlg& dialog)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>("save"), Qt::LeftButton);
    }
};

TEST_F(OptionsDlgTest, EmptySettingsShowTheDefaultsAndSaveWritesAll22Values)
{
    const int result = Run([](COptionsDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Options - Dayloom v2.21");
        for (const RatingLabelKey& key : RatingLabelKeys()) {
            auto* box = dialog.findChild<QLineEdit*>(key.key);
            ASSERT_NE(box, nullptr) << key.key;
            EXPECT_EQ(box->text(), key.defaultText) << key.key;
        }
        EXPECT_FALSE(dialog.findChild<QCheckBox*>("OpenLastDiary")->isChecked());
        EXPECT_EQ(dialog.findChild<QLineEdit*>("StartAlarmBefore")->text(), "5");
        ClickSave(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);

    QStringList expected{"OpenLastDiary", "StartAlarmBefore", "bShowOnThisDay"};
    for (const RatingLabelKey& key : RatingLabelKeys()) {
        expected << key.key;
    }
    expected.sort();
    EXPECT_EQ(WrittenKeys(), expected);
    EXPECT_EQ(CSettings::GetProfileString("ShapeMThree", "absent"), "Very Sick");
    EXPECT_EQ(CSettings::GetProfileInt("OpenLastDiary", -1), 0);
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", -1), 5);
}

TEST_F(OptionsDlgTest, EditedValuesAreSavedAndAnEmptyLabelStaysEmpty)
{
    CSettings::WriteProfileString("DreamPTwo", "Flying");
    Run([](COptionsDlg& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("DreamPTwo")->text(), "Flying");
        auto* excellent = dialog.findChild<QLineEdit*>("MoodPThree");
        excellent->selectAll();
        TypeText(excellent, "Über glücklich");
        dialog.findChild<QLineEdit*>("FatigueMOne")->clear();
        QTest::keyClick(dialog.findChild<QCheckBox*>("OpenLastDiary"), Qt::Key_Space);
        TypeDays(dialog, "12");
        ClickSave(dialog);
    });
    const RatingLabels labels = LoadRatingLabels();
    EXPECT_EQ(labels.mood[6], "Über glücklich");
    EXPECT_EQ(labels.fatigue[1], "");
    EXPECT_EQ(labels.dream[4], "Flying");
    EXPECT_EQ(CSettings::GetProfileInt("OpenLastDiary", -1), 1);
    EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", -1), 12);

    // The next opening shows what was saved.
    Run([](COptionsDlg& dialog) {
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("OpenLastDiary")->isChecked());
        EXPECT_EQ(dialog.findChild<QLineEdit*>("FatigueMOne")->text(), "");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("StartAlarmBefore")->text(), "12");
        dialog.reject();
    });
}

TEST_F(OptionsDlgTest, DaysOutsideOneToNinetyNineOrEmptyAreRefusedAndNothingIsWritten)
{
    const std::pair<QString, QString> refusals[] = {
        {"0", "Please enter an integer between 1 and 99."},
        {"100", "Please enter an integer between 1 and 99."},
        {"", "Please enter an integer."},
        {"99999999999", "Please enter an integer."}};
    for (const auto& [days, message] : refusals) {
        SCOPED_TRACE(days.toStdString());
        CMessageBox::ClearHistory();
        Run([&, days = days](COptionsDlg& dialog) {
            auto* box = dialog.findChild<QLineEdit*>("StartAlarmBefore");
            TypeDays(dialog, days);
            ClickSave(dialog);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.focusWidget(), box);
            EXPECT_EQ(box->selectedText(), days);
            dialog.reject();
        });
        ASSERT_EQ(CMessageBox::History().size(), 1u);
        EXPECT_EQ(CMessageBox::History()[0].text, message);
        EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());
        EXPECT_TRUE(WrittenKeys().isEmpty());
    }

    for (const int days : {1, 99}) {
        EXPECT_EQ(Run([&](COptionsDlg& dialog) {
                      TypeDays(dialog, QString::number(days));
                      ClickSave(dialog);
                  }),
                  QDialog::Accepted);
        EXPECT_EQ(CSettings::GetProfileInt("StartAlarmBefore", -1), days);
    }
}

TEST_F(OptionsDlgTest, CancelAndEscWriteNothing)
{
    for (const bool useEsc : {false, true}) {
        const int result = Run([&](COptionsDlg& dialog) {
            auto* label = dialog.findChild<QLineEdit*>("MoodZero");
            label->selectAll();
            QTest::keyClicks(label, "Meh");
            if (useEsc) {
                QTest::keyClick(label, Qt::Key_Escape);
            } else {
                QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
            }
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_TRUE(WrittenKeys().isEmpty());
        EXPECT_TRUE(CMessageBox::History().empty());
    }
}

} // namespace
