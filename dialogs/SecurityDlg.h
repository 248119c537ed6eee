#pragma once
// The password prompt: shows the diary's file title and asks for its
// password. It stays above every other window and has no close box; for a
// new diary its Cancel button is disabled, so the only way out is a password,
// and the password is typed twice, under the rules of the diary's kind (an
// encrypted diary's with a strength meter). The fields never cut what is
// typed or pasted.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class CSecurityDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMinLength = 3;
    static constexpr int kMaxLength = 20;

    explicit CSecurityDlg(QWidget* parent);
    ~CSecurityDlg() override;

    // Set by the caller before the dialog runs.
    QString m_strFile;
    bool m_bNoCancel = false;
    bool m_bConfirm = false;   // a second field the password must be typed into again
    bool m_bEncrypted = false; // any text will do; a four-file diary's is Windows-1252
    // The typed password once the dialog has ended with OK.
    QString m_strPassword;

    QLineEdit* FileField() const { return m_pFile; }
    QLineEdit* PasswordField() const { return m_pPassword; }
    QLineEdit* ConfirmField() const { return m_pConfirm; }
    QLabel* StrengthLabel() const { return m_pStrength; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitDialog();

    QLineEdit* m_pFile = nullptr;
    QLineEdit* m_pPassword = nullptr;
    QLabel* m_pConfirmLabel = nullptr;
    QLineEdit* m_pConfirm = nullptr;
    QLabel* m_pStrength = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bInitialised = false;
};
