#pragma once
// The password of a new diary, asked when its first entry (or import) is
// about to be written: a word on what is happening, then the Security prompt
// with a confirmation field and no way to cancel.

#include "store/Passphrase.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QWidget;

class CNewPasswordPrompt
{
    Q_DECLARE_TR_FUNCTIONS(CNewPasswordPrompt)

public:
    // The password, at least CSecurityDlg::kMinLength long; nullopt when the
    // prompt ended without a password (after saying why, when there is
    // something to say).
    // An encrypted diary's password is any text of 8 to 1024 characters.
    static std::optional<Passphrase> Ask(QWidget* parent, const QString& fileTitle, bool encrypted);
};
