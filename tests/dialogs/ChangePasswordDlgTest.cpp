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
#include <tuple>

namespace {

using widgettest::Child;
constexpr auto kEncrypted = CNewPasswordFields::Kind::Encrypted;
constexpr auto kFourFile = CNewPasswordFields::Kind::FourFile;

struct Outcome
{
    int result;
    QString message; // empty when none was shown
    QString password;
};

// Types both boxes and presses SAVE (or CANCEL), answering a question with `choice`.
Outcome Submit(const QString& first, const QString& second, const char* button = "save",
               CNewPasswordFields::Kind kind = kFourFile, std::optional<int> choice = std::nullopt)
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
    EXPECT_EQ(Submit("abcdef", "").message, "You must enter at least 3 characters!");
    EXPECT_EQ(Submit("abcd", "abc").message, "The passwords do not match!");
    EXPECT_EQ(Submit("Secret", "secret").message, "The passwords do not match!");
    const Outcome cancelled = Submit("whatever", "whatever", "cancel");
    EXPECT_EQ(cancelled.result, QDialog::Rejected);
    EXPECT_TRUE(cancelled.password.isEmpty());

    // Typed whole (Submit checks the boxes), then refused with the reason or
    // taken. A four-file diary holds 3 to 20 characters of its code page (any
    // other would lock the diary), an encrypted one 8 to 1024 of any script.
    const QString twenty = "abcdefghijklmnopqrst";
    const QString pasted = QString("Zq8#vLp2!wR5tY9uXc3$").repeated(4).left(64);
    const std::tuple<QString, CNewPasswordFields::Kind, QString> cases[] = {
        {"ab", kFourFile, "You must enter at least 3 characters!"},
        {"пароль", kFourFile, CAnsiCodec::UnsupportedMessage()},
        {twenty + "u", kFourFile, "A password can have at most 20 characters; this one has 21."},
        // Characters are counted, not UTF-16 units or bytes.
        {"😀😀😀😀😀😀😀", kEncrypted, "You must enter at least 8 characters!"},
        {QString(1025, 'x'), kEncrypted,
         "A password can have at most 1024 characters; this one has 1025."},
        {"abc", kFourFile, ""},
        {"Grüße", kFourFile, ""},
        {twenty, kFourFile, ""},
        {pasted, kEncrypted, ""},
        {"Длинный пароль для дневника", kEncrypted, ""}};
    for (const auto& [password, kind, refusal] : cases) {
        SCOPED_TRACE(password.toStdString());
        const Outcome outcome = Submit(password, password, "save", kind);
        EXPECT_EQ(outcome.message, refusal);
        EXPECT_EQ(outcome.result, refusal.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(outcome.password, refusal.isEmpty() ? password : QString());
    }

    CChangePasswordDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Change Password - Dayloom v2.21");
    for (const char* name : {"newPassword", "confirmPassword"}) {
        EXPECT_EQ(Child<QLineEdit>(dialog, name)->echoMode(), QLineEdit::Password) << name;
    }
    EXPECT_TRUE(dialog.Fields()->StrengthText().isEmpty()) << "no meter for a four-file diary";
    CChangePasswordDlg paste(nullptr, kEncrypted);
    paste.Fields()->NewField()->insert(pasted);
    EXPECT_EQ(paste.Fields()->NewField()->text(), pasted);
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
