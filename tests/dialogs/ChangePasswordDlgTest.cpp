// The password change: the dialog's rules as the user meets them, for both
// kinds of diary, the strength meter and the question on a very weak one.
#include "dialogs/ChangePasswordDlg.h"

#include "dialogs/PasswordStrength.h"
#include "platform/AnsiCodec.h"
#include "tests/support/WidgetTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <optional>

namespace {

using widgettest::Child;
constexpr auto kEncrypted = CNewPasswordFields::Kind::Encrypted;

struct Outcome
{
    int result;
    QString message; // empty when none was shown
    QString password;
};

// Types both boxes and presses SAVE (or CANCEL), answering a question with `choice`.
Outcome Submit(const QString& first, const QString& second, const char* button = "save",
               CNewPasswordFields::Kind kind = CNewPasswordFields::Kind::FourFile,
               std::optional<int> choice = std::nullopt)
{
    CMessageBox::ClearHistory();
    if (choice) {
        CMessageBox::PushChoice(*choice);
    }
    CChangePasswordDlg dialog(nullptr, kind);
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

TEST(ChangePasswordDlgTest, LengthRuleComesFirstNothingTypedOrPastedIsCutAndTooLongIsSaid)
{
    const QString tooShort = "You must enter at least 3 characters!";
    const QString noMatch = "The passwords do not match!";
    EXPECT_EQ(Submit("ab", "ab").message, tooShort);
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

    CChangePasswordDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Change Password - Dayloom v2.21");
    for (const char* name : {"newPassword", "confirmPassword"}) {
        EXPECT_EQ(Child<QLineEdit>(dialog, name)->echoMode(), QLineEdit::Password) << name;
    }
    // Typed whole (Submit checks the boxes), refused with the count.
    EXPECT_EQ(Submit("abcdefghijklmnopqrstu", "abcdefghijklmnopqrstu").message,
              "A password can have at most 20 characters; this one has 21.");
    EXPECT_EQ(Submit("abcdefghijklmnopqrst", "abcdefghijklmnopqrst").result, QDialog::Accepted);
    EXPECT_TRUE(dialog.Fields()->StrengthText().isEmpty()) << "no meter for a four-file diary";

    // An encrypted diary's: any script, 8 to 1024 characters, a pasted
    // 64-character passphrase kept whole.
    const QString pasted = QString("Zq8#vLp2!wR5tY9uXc3$").repeated(4).left(64);
    CChangePasswordDlg paste(nullptr, kEncrypted);
    paste.Fields()->NewField()->insert(pasted);
    EXPECT_EQ(paste.Fields()->NewField()->text(), pasted);
    EXPECT_EQ(Submit(pasted, pasted, "save", kEncrypted).password, pasted);
    const QString emoji = "😀😀😀😀😀😀😀"; // 7 characters, 14 UTF-16 units
    EXPECT_EQ(Submit(emoji, emoji, "save", kEncrypted).message,
              "You must enter at least 8 characters!")
        << "characters are counted, not UTF-16 units or bytes";
    const QString russian = "Длинный пароль для дневника";
    EXPECT_EQ(Submit(russian, russian, "save", kEncrypted).password, russian);
    const QString tooLong(1025, 'x');
    EXPECT_EQ(Submit(tooLong, tooLong, "save", kEncrypted).message,
              "A password can have at most 1024 characters; this one has 1025.");
}

TEST(ChangePasswordDlgTest, MeterRatesAndAVeryWeakPasswordIsQuestioned)
{
    using Level = CPasswordStrength::Level;
    // log10 of the guesses: below 3, 6, 8 and 10.
    EXPECT_EQ(CPasswordStrength::LevelOf(2.99), Level::VeryWeak);
    EXPECT_EQ(CPasswordStrength::LevelOf(3.0), Level::Weak);
    EXPECT_EQ(CPasswordStrength::LevelOf(5.99), Level::Weak);
    EXPECT_EQ(CPasswordStrength::LevelOf(6.0), Level::Fair);
    EXPECT_EQ(CPasswordStrength::LevelOf(8.0), Level::Strong);
    EXPECT_EQ(CPasswordStrength::LevelOf(10.0), Level::VeryStrong);

    CChangePasswordDlg dialog(nullptr, kEncrypted);
    QLineEdit* first = dialog.Fields()->NewField();
    EXPECT_EQ(dialog.Fields()->StrengthText(), "");
    QTest::keyClicks(first, "password");
    EXPECT_EQ(dialog.Fields()->StrengthText(), "Very weak");
    first->clear();
    QTest::keyClicks(first, "Zq8#vLp2!wR5tY9uXc3$");
    EXPECT_EQ(dialog.Fields()->StrengthText(), "Very strong");
    // Tab goes from the new password to its confirmation.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.Fields()->ConfirmField());

    // "Very weak": asked, No by default; Yes takes it.
    const Outcome refused = Submit("password", "password", "save", kEncrypted);
    EXPECT_EQ(refused.message, "This password is easy to guess. Use it anyway?");
    EXPECT_TRUE(refused.password.isEmpty());
    EXPECT_EQ(Submit("password", "password", "save", kEncrypted, 0).password, "password");
}

} // namespace
