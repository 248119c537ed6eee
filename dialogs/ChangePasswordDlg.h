#pragma once
// Asks for a diary's new password twice, with the rules of the diary's kind
// (CNewPasswordFields): the caller then re-keys the diary with
// NewPassword(). Also asks the password of a diary being encrypted and of a
// decrypted copy, under a caption of their own.

#include "dialogs/NewPasswordFields.h"

#include <QDialog>
#include <QString>

class CChangePasswordDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CChangePasswordDlg(QWidget* parent,
                                CNewPasswordFields::Kind kind = CNewPasswordFields::Kind::FourFile,
                                const QString& caption = QStringLiteral("Change Password"));
    ~CChangePasswordDlg() override;

    QString NewPassword() const;
    CNewPasswordFields* Fields() const { return m_pFields; }

    void accept() override; // the fields' rules

private:
    QString m_strNewPassword;
    CNewPasswordFields* m_pFields = nullptr;
};
