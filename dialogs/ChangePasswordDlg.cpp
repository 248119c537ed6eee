#include "dialogs/ChangePasswordDlg.h"

#include "platform/AppInfo.h"
#include "platform/SaveCancelHelpRow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CChangePasswordDlg::CChangePasswordDlg(QWidget* parent, CNewPasswordFields::Kind kind,
                                       const QString& caption)
    : QDialog(parent)
{
    setObjectName("ChangePasswordDlg");
    setWindowTitle(CAppInfo::Caption(caption.isEmpty() ? tr("Change Password") : caption));

    m_pFields = new CNewPasswordFields(kind, this);
    QHBoxLayout* buttons = CSaveCancelHelpRow::Create(this, HelpContext::Password);

    auto* main = new QVBoxLayout(this);
    main->addWidget(m_pFields);
    main->addSpacing(4);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    m_pFields->NewField()->setFocus();
}

CChangePasswordDlg::~CChangePasswordDlg() = default;

QString CChangePasswordDlg::NewPassword() const
{
    return m_strNewPassword;
}

void CChangePasswordDlg::AskCurrentPassword(CurrentCheck check)
{
    m_checkCurrent = std::move(check);
    m_pFields->AddCurrentField()->setFocus();
}

void CChangePasswordDlg::accept()
{
    // The current password first; a right one is not derived again when
    // only the new one needs another try.
    if (QLineEdit* current = m_pFields->CurrentField();
        current != nullptr && (m_strChecked.isEmpty() || current->text() != m_strChecked)) {
        if (!m_checkCurrent(this, current->text())) {
            current->setFocus();
            current->selectAll();
            return;
        }
        m_strChecked = current->text();
    }
    const std::optional<QString> password = m_pFields->Accept(this);
    if (!password) {
        return;
    }
    m_strNewPassword = *password;
    QDialog::accept();
}
