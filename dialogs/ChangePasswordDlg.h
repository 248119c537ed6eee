#pragma once
// Asks for a diary's new password twice, with the rules of the diary's kind
// (CNewPasswordFields): the caller then re-keys the diary with
// NewPassword(). Also asks the password of a diary being encrypted and of a
// decrypted copy, under a caption of their own ("Change Password" when none
// is given). The password change itself first asks the current password, in
// a field above the new one.

#include "dialogs/NewPasswordFields.h"

#include <QDialog>
#include <QString>
#include <functional>

class CChangePasswordDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CChangePasswordDlg(QWidget* parent,
                                CNewPasswordFields::Kind kind = CNewPasswordFields::Kind::FourFile,
                                const QString& caption = QString());
    ~CChangePasswordDlg() override;

    // True when `typed` is the diary's password; otherwise it has said why
    // (over `dialog`) or the user cancelled the check.
    using CurrentCheck = std::function<bool(QWidget* dialog, const QString& typed)>;
    // Adds "Current password:" first; Save checks it before the new one.
    void AskCurrentPassword(CurrentCheck check);

    QString NewPassword() const;
    CNewPasswordFields* Fields() const { return m_pFields; }

    void accept() override; // the fields' rules

private:
    QString m_strNewPassword;
    CurrentCheck m_checkCurrent;
    QString m_strChecked; // the current password as last found right
    CNewPasswordFields* m_pFields = nullptr;
};
