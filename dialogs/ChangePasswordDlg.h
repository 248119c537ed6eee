#pragma once
// Asks for a diary's new password twice. Accepted only when both boxes hold
// the same text of at least 3 characters that the diary's code page can
// store; the caller then re-keys the diary with NewPassword().

#include <QDialog>
#include <QString>

class QLineEdit;

class CChangePasswordDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMinLength = 3;
    static constexpr int kMaxLength = 20;

    explicit CChangePasswordDlg(QWidget* parent);
    ~CChangePasswordDlg() override;

    QString NewPassword() const;

    void accept() override; // the length rule, then the match rule

private:
    QString m_strNewPassword;
    QLineEdit* m_pNew = nullptr;
    QLineEdit* m_pConfirm = nullptr;
};
