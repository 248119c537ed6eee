// The password change: the dialog's two rules as the user meets them.
#include "dialogs/ChangePasswordDlg.h"

#include "platform/AnsiCodec.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "tests/support/WidgetTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using widgettest::TypeText;

class ChangePasswordDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CMessageBox::ClearHistory();
        CModal::Reset();
    }

    // Types both boxes and presses SAVE. Returns the dialog's result, the
    // message it showed (empty when none) and the password it hands back.
    struct Outcome
    {
        int result;
        QString message;
        QString password;
    };

    static Outcome Submit(const QString& first, const QString& second)
    {
        CMessageBox::ClearHistory();
        CChangePasswordDlg dialog(nullptr);
        bool stayedOpen = false;
        CModal::PushHandler([&](QDialog& shown) {
            TypeText(shown.findChild<QLineEdit*>("newPassword"), first);
            TypeText(shown.findChild<QLineEdit*>("confirmPassword"), second);
            QTest::mouseClick(shown.findChild<QPushButton*>("save"), Qt::LeftButton);
            stayedOpen = shown.isVisible();
            if (stayedOpen) {
                // The boxes keep what was typed after a refusal.
                EXPECT_EQ(shown.findChild<QLineEdit*>("newPassword")->text(), first);
                EXPECT_EQ(shown.findChild<QLineEdit*>("confirmPassword")->text(), second);
                shown.reject();
            }
        });
        Outcome outcome{CModal::Exec(dialog), QString(), dialog.NewPassword()};
        if (!CMessageBox::History().empty()) {
            outcome.message = CMessageBox::History().back().text;
            EXPECT_EQ(CMessageBox::History().back().caption, "Dayloom v2.21");
            EXPECT_TRUE(stayedOpen);
        }
        return outcome;
    }
};

TEST_F(ChangePasswordDlgTest, LengthRuleComesBeforeTheMatchRule)
{
    const QString tooShort = "You must enter at least 3 characters!";
    const QString noMatch = "The passwords do not match!";
    EXPECT_EQ(Submit("ab", "ab").message, tooShort);
    EXPECT_EQ(Submit("ab", "xyz").message, tooShort);
    EXPECT_EQ(Submit("abcdef", "").message, tooShort);
    EXPECT_EQ(Submit("abcd", "abc").message, noMatch);
    EXPECT_EQ(Submit("Secret", "secret").message, noMatch);

    const Outcome accepted = Submit("abc", "abc");
    EXPECT_EQ(accepted.result, QDialog::Accepted);
    EXPECT_TRUE(accepted.message.isEmpty());
    EXPECT_EQ(accepted.password, "abc");

    // A password the diary's code page cannot hold would lock the diary.
    EXPECT_EQ(Submit("пароль", "пароль").message, CAnsiCodec::UnsupportedMessage());
    EXPECT_EQ(Submit("Grüße", "Grüße").result, QDialog::Accepted);
}

TEST_F(ChangePasswordDlgTest, BoxesAreMaskedAndStopAtTwentyCharacters)
{
    CChangePasswordDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Change Password - Dayloom v2.21");
    for (const char* name : {"newPassword", "confirmPassword"}) {
        auto* box = dialog.findChild<QLineEdit*>(name);
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
        QTest::keyClicks(box, "abcdefghijklmnopqrstuvwxyz");
        EXPECT_EQ(box->text(), "abcdefghijklmnopqrst");
    }
}

TEST_F(ChangePasswordDlgTest, CancelHandsBackNoPassword)
{
    CChangePasswordDlg dialog(nullptr);
    CModal::PushHandler([](QDialog& shown) {
        shown.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
        QTest::keyClicks(shown.findChild<QLineEdit*>("newPassword"), "whatever");
        QTest::mouseClick(shown.findChild<QPushButton*>("cancel"), Qt::LeftButton);
    });
    EXPECT_EQ(CModal::Exec(dialog), QDialog::Rejected);
    EXPECT_TRUE(dialog.NewPassword().isEmpty());
}

} // namespace
