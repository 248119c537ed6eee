// The password change: the dialog's two rules as the user meets them.
#include "dialogs/ChangePasswordDlg.h"

#include "platform/AnsiCodec.h"
#include "tests/support/WidgetTestSupport.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using widgettest::Child;

struct Outcome
{
    int result;
    QString message; // empty when none was shown
    QString password;
};

// Types both boxes and presses SAVE (or CANCEL).
Outcome Submit(const QString& first, const QString& second, const char* button = "save")
{
    CMessageBox::ClearHistory();
    CChangePasswordDlg dialog(nullptr);
    const int result = widgettest::RunModal<CChangePasswordDlg>(dialog, [&](QDialog& shown) {
        widgettest::TypeText(Child<QLineEdit>(shown, "newPassword"), first);
        widgettest::TypeText(Child<QLineEdit>(shown, "confirmPassword"), second);
        widgettest::Click(shown, button);
        if (shown.isVisible()) {
            // The boxes keep what was typed after a refusal.
            EXPECT_EQ(Child<QLineEdit>(shown, "newPassword")->text(), first);
            EXPECT_EQ(Child<QLineEdit>(shown, "confirmPassword")->text(), second);
            EXPECT_EQ(CMessageBox::History().at(0).caption, "Dayloom v2.21");
            shown.reject();
        }
    });
    return {result, widgettest::LastMessage(), dialog.NewPassword()};
}

TEST(ChangePasswordDlgTest, LengthRuleComesBeforeTheMatchRule)
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
    const Outcome cancelled = Submit("whatever", "whatever", "cancel");
    EXPECT_EQ(cancelled.result, QDialog::Rejected);
    EXPECT_TRUE(cancelled.password.isEmpty());

    // A password the diary's code page cannot hold would lock the diary.
    EXPECT_EQ(Submit("пароль", "пароль").message, CAnsiCodec::UnsupportedMessage());
    EXPECT_EQ(Submit("Grüße", "Grüße").result, QDialog::Accepted);
}

TEST(ChangePasswordDlgTest, BoxesAreMaskedAndStopAtTwentyCharacters)
{
    CChangePasswordDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Change Password - Dayloom v2.21");
    for (const char* name : {"newPassword", "confirmPassword"}) {
        auto* box = Child<QLineEdit>(dialog, name);
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
        QTest::keyClicks(box, "abcdefghijklmnopqrstuvwxyz");
        EXPECT_EQ(box->text(), "abcdefghijklmnopqrst");
    }
}

} // namespace
