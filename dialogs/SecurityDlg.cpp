#include "dialogs/SecurityDlg.h"

#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSecurityDlg::CSecurityDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SecurityDlg"));
    setWindowTitle(CAppInfo::Caption(QStringLiteral("Security")));
    // A title bar without a close box, above every other window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);

    auto* group =
        new QGroupBox(QStringLiteral("You must provide a password for this diary:"), this);
    m_pFile = new QLineEdit(group);
    m_pFile->setObjectName(QStringLiteral("fileEdit"));
    m_pFile->setReadOnly(true);
    m_pFile->setAlignment(Qt::AlignCenter);
    m_pFile->setFocusPolicy(Qt::NoFocus);
    m_pPassword = new QLineEdit(group);
    m_pPassword->setObjectName(QStringLiteral("passwordEdit"));
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPassword->setMaxLength(kMaxLength);
    m_pPassword->setAccessibleName(QStringLiteral("Password"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_pFile);
    groupLayout->addWidget(m_pPassword);

    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    m_pOk->setObjectName(QStringLiteral("okButton"));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
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
}

CSecurityDlg::~CSecurityDlg() = default;

void CSecurityDlg::OnInitDialog()
{
    if (m_bInitialised) {
        return;
    }
    m_bInitialised = true;
    if (m_strFile.isEmpty()) {
        m_strFile = QStringLiteral("You are creating a new diary!");
    }
    m_pFile->setText(m_strFile);
    m_pCancel->setEnabled(!m_bNoCancel);
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
    // Diary passwords are single-byte text: a character the code page cannot
    // hold would never match the stored bytes, so it is refused here.
    if (!CAnsiCodec::CanEncode(typed)) {
        CMessageBox::Show(this, CAnsiCodec::UnsupportedMessage(), CAppInfo::Title());
        m_pPassword->setFocus();
        return;
    }
    if (typed.size() < kMinLength) {
        CMessageBox::Show(this, QStringLiteral("You must enter at least 3 characters!"),
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
