#include "dialogs/ChangePasswordDlg.h"

#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/SaveCancelHelpRow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* MakePasswordBox(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(CChangePasswordDlg::kMaxLength);
    return edit;
}
} // namespace

CChangePasswordDlg::CChangePasswordDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("ChangePasswordDlg");
    setWindowTitle(CAppInfo::Caption("Change Password"));

    m_pNew = MakePasswordBox("newPassword", this);
    m_pConfirm = MakePasswordBox("confirmPassword", this);
    m_pNew->setAccessibleName("New password");
    m_pConfirm->setAccessibleName("Confirm new password");
    // Room for every character a password may have, shown as dots.
    const int fieldWidth =
        m_pNew->fontMetrics().horizontalAdvance(QString(kMaxLength, QChar(0x25CF))) + 12;
    m_pNew->setMinimumWidth(fieldWidth);
    m_pConfirm->setMinimumWidth(fieldWidth);
    auto* form = new QFormLayout;
    form->addRow(new QLabel("Enter new password:", this), m_pNew);
    form->addRow(new QLabel("Confirm new password:", this), m_pConfirm);

    QHBoxLayout* buttons = CSaveCancelHelpRow::Create(this, HelpContext::Password);

    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addSpacing(4);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    m_pNew->setFocus();
}

CChangePasswordDlg::~CChangePasswordDlg() = default;

QString CChangePasswordDlg::NewPassword() const
{
    return m_strNewPassword;
}

void CChangePasswordDlg::accept()
{
    const QString password = m_pNew->text();
    const QString confirmation = m_pConfirm->text();
    QString refusal;
    if (password.size() < kMinLength || confirmation.size() < kMinLength) {
        refusal = "You must enter at least 3 characters!";
    } else if (password != confirmation) {
        refusal = "The passwords do not match!";
    } else if (!CAnsiCodec::CanEncode(password)) {
        // The diary stores the password as single bytes; a character that
        // has none would lock the user out of the re-keyed diary.
        refusal = CAnsiCodec::UnsupportedMessage();
    }
    if (!refusal.isEmpty()) {
        CMessageBox::Show(this, refusal, CAppInfo::Title(), CMessageBox::Icon::Exclamation);
        return;
    }
    m_strNewPassword = password;
    QDialog::accept();
}
