#include "dialogs/SecurityDlg.h"

#include "dialogs/NewPasswordFields.h"
#include "dialogs/PasswordStrength.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSecurityDlg::CSecurityDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SecurityDlg"));
    setWindowTitle(CAppInfo::Caption(tr("Security")));
    // A title bar without a close box, above every other window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);

    auto* group = new QGroupBox(tr("You must provide a password for this diary:"), this);
    m_pFile = new QLineEdit(group);
    m_pFile->setObjectName(QStringLiteral("fileEdit"));
    m_pFile->setReadOnly(true);
    m_pFile->setAlignment(Qt::AlignCenter);
    m_pFile->setFocusPolicy(Qt::NoFocus);
    m_pPassword =
        CNewPasswordFields::MakeField(QStringLiteral("passwordEdit"), tr("Password"), group);
    m_pConfirm =
        CNewPasswordFields::MakeField(QStringLiteral("confirmEdit"), tr("Confirm password"), group);
    m_pStrength = new QLabel(group);
    m_pStrength->setObjectName(QStringLiteral("strength"));
    m_pStrength->setAccessibleName(tr("Password strength"));
    connect(m_pPassword, &QLineEdit::textChanged, this, [this](const QString& typed) {
        m_pStrength->setText(
            typed.isEmpty()
                ? QString()
                : tr("Strength: %1").arg(CPasswordStrength::Text(CPasswordStrength::Rate(typed))));
    });
    m_pConfirmLabel = new QLabel(tr("Confirm password:"), group);
    m_pConfirmLabel->setBuddy(m_pConfirm);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_pFile);
    groupLayout->addWidget(m_pPassword);
    groupLayout->addWidget(m_pStrength);
    groupLayout->addWidget(m_pConfirmLabel);
    groupLayout->addWidget(m_pConfirm);

    m_pOk = new QPushButton(tr("OK"), this);
    m_pOk->setObjectName(QStringLiteral("okButton"));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(tr("Cancel"), this);
    m_pCancel->setObjectName(QStringLiteral("cancelButton"));
    m_pCancel->setAutoDefault(false);
    connect(m_pOk, &QPushButton::clicked, this, &CSecurityDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CSecurityDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setTabOrder(m_pPassword, m_pConfirm);
    setTabOrder(m_pConfirm, m_pOk);
    m_pConfirmLabel->hide();
    m_pConfirm->hide();
    m_pStrength->hide();
}

CSecurityDlg::~CSecurityDlg() = default;

void CSecurityDlg::OnInitDialog()
{
    if (m_bInitialised) {
        return;
    }
    m_bInitialised = true;
    if (m_strFile.isEmpty()) {
        m_strFile = tr("You are creating a new diary!");
    }
    m_pFile->setText(m_strFile);
    m_pFile->setCursorPosition(0); // a long name shows its start
    m_pCancel->setEnabled(!m_bNoCancel);
    m_pConfirmLabel->setVisible(m_bConfirm);
    m_pConfirm->setVisible(m_bConfirm);
    m_pStrength->setVisible(m_bConfirm && m_bEncrypted);
    m_pConfirm->clear();
    m_pPassword->clear();
    m_pPassword->setFocus();
}

void CSecurityDlg::showEvent(QShowEvent* event)
{
    OnInitDialog();
    QDialog::showEvent(event);
}

void CSecurityDlg::keyPressEvent(QKeyEvent* event)
{
    // Help requests do nothing here.
    if (event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSecurityDlg::accept()
{
    OnInitDialog();
    const QString typed = m_pPassword->text();
    if (m_bConfirm) {
        // A new password: the rules of the diary's kind.
        switch (CNewPasswordFields::Judge(m_bEncrypted ? CNewPasswordFields::Kind::Encrypted
                                                       : CNewPasswordFields::Kind::FourFile,
                                          typed, m_pConfirm->text(), this)) {
        case CNewPasswordFields::Verdict::Ok:
            break;
        case CNewPasswordFields::Verdict::FixConfirm:
            m_pConfirm->clear();
            m_pConfirm->setFocus();
            return;
        case CNewPasswordFields::Verdict::FixNew:
        case CNewPasswordFields::Verdict::Declined:
            m_pPassword->setFocus();
            return;
        }
        m_strPassword = typed;
        QDialog::accept();
        return;
    }
    // A four-file diary's password is single-byte text: a character the
    // code page cannot hold would never match the stored bytes, so it is
    // refused here, and so is one longer than any such password.
    if (!m_bEncrypted && !CAnsiCodec::CanEncode(typed)) {
        CMessageBox::Show(this, CAnsiCodec::UnsupportedMessage(), CAppInfo::Title());
        m_pPassword->setFocus();
        return;
    }
    if (typed.size() < kMinLength) {
        CMessageBox::Show(this, tr("You must enter at least 3 characters!"), CAppInfo::Title());
        m_pPassword->setFocus();
        return;
    }
    if (!m_bEncrypted && CNewPasswordFields::CharacterCount(typed) > kMaxLength) {
        CMessageBox::Show(this,
                          tr("A password can have at most %1 characters; this one "
                             "has %2.")
                              .arg(kMaxLength)
                              .arg(CNewPasswordFields::CharacterCount(typed)),
                          CAppInfo::Title());
        m_pPassword->setFocus();
        return;
    }
    m_strPassword = typed;
    QDialog::accept();
}

void CSecurityDlg::reject()
{
    // Esc and a window manager's close request must not get around a
    // disabled Cancel.
    OnInitDialog();
    if (m_bNoCancel) {
        return;
    }
    QDialog::reject();
}
