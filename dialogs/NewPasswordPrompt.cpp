#include "dialogs/NewPasswordPrompt.h"

#include "dialogs/SecurityDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <cstring>

std::optional<std::string> CNewPasswordPrompt::Ask(QWidget* parent, const QString& fileTitle)
{
    CMessageBox::Show(parent,
                      QStringLiteral("You are creating a new diary and you must specify a "
                                     "password for it. The password is case SeNsItIvE!"),
                      CAppInfo::Title());
    CSecurityDlg prompt(parent);
    prompt.m_strFile = fileTitle;
    prompt.m_bNoCancel = true;
    prompt.m_bConfirm = true;
    // The prompt cannot be cancelled; should it end some other way, there is
    // no password to store an entry under.
    if (CModal::Exec(prompt) != QDialog::Accepted) {
        return std::nullopt;
    }
    std::optional<std::string> bytes = CAnsiCodec::FromQString(prompt.m_strPassword);
    if (!bytes) {
        CMessageBox::Show(parent, CAnsiCodec::UnsupportedMessage(), CAppInfo::Title());
        return std::nullopt;
    }
    // Stored passwords end at a zero byte.
    bytes->resize(strnlen(bytes->c_str(), bytes->size()));
    if (bytes->size() < static_cast<size_t>(CSecurityDlg::kMinLength)) {
        return std::nullopt;
    }
    return bytes;
}
