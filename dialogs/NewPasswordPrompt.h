#pragma once
// The password of a new diary, asked when its first entry (or import) is
// about to be written: a word on what is happening, then the Security prompt
// with a confirmation field and no way to cancel.

#include <QString>
#include <optional>
#include <string>

class QWidget;

class CNewPasswordPrompt
{
public:
    // The password's bytes in the diary's single-byte code page, at least
    // CSecurityDlg::kMinLength long; nullopt when the prompt ended without
    // a password (after saying why, when there is something to say).
    static std::optional<std::string> Ask(QWidget* parent, const QString& fileTitle);
};
