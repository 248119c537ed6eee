#include "dialogs/NewPasswordPrompt.h"

#include "dialogs/SecurityDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PassphraseText.h"

#include <cstring>

std::optional<Passphrase> CNewPasswordPrompt::Ask(QWidget* parent, const QString& fileTitle,
                                                  bool encrypted)
{
    CMessageBox::Show(parent,
                      tr("You are creating a new diary and you must specify a "
                         "password for it. The password is case SeNsItIvE!"),
                      CAppInfo::Title());
    CSecurityDlg prompt(parent);
    prompt.m_strFile = fileTitle;
    prompt.m_bNoCancel = true;
    prompt.m_bConfirm = true;
    prompt.m_bEncrypted = encrypted;
    // The prompt cannot be cancelled; should it end some other way, there is
    // no password to store an entry under.
    if (CModal::Exec(prompt) != QDialog::Accepted) {
        return std::nullopt;
    }
    Passphrase password = CPassphraseText::From(prompt.m_strPassword);
    if (encrypted) {
        return password;
    }
    if (!password.windows1252) {
        CMessageBox::Show(parent, CAnsiCodec::UnsupportedMessage(), CAppInfo::Title());
        return std::nullopt;
    }
    if (password.windows1252->size() < static_cast<size_t>(CSecurityDlg::kMinLength)) {
        return std::nullopt;
    }
    return password;
}
