#include "dialogs/NewPasswordFields.h"

#include "dialogs/PasswordStrength.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

QLineEdit* CNewPasswordFields::MakeField(const QString& name, const QString& accessible,
                                         QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessible);
    edit->setEchoMode(QLineEdit::Password);
    // Never cut what is typed or pasted: the rules say what is too long.
    edit->setMaxLength(32767);
    return edit;
}

int CNewPasswordFields::CharacterCount(const QString& text)
{
    return static_cast<int>(text.toUcs4().size());
}

CNewPasswordFields::CNewPasswordFields(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind)
{
    setObjectName(QStringLiteral("newPasswordFields"));
    m_pNew = MakeField(QStringLiteral("newPassword"), tr("New password"), this);
    m_pConfirm = MakeField(QStringLiteral("confirmPassword"), tr("Confirm password"), this);
    // Room for a password of twenty characters, shown as dots.
    const int fieldWidth =
        m_pNew->fontMetrics().horizontalAdvance(QString(kFourFileMax, QChar(0x25CF))) + 12;
    m_pNew->setMinimumWidth(fieldWidth);
    m_pConfirm->setMinimumWidth(fieldWidth);

    m_pForm = new QFormLayout(this);
    QFormLayout* form = m_pForm;
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(new QLabel(tr("New password:"), this), m_pNew);
    if (m_kind == Kind::Encrypted) {
        m_pStrength = new QLabel(this);
        m_pStrength->setObjectName(QStringLiteral("strength"));
        m_pStrength->setAccessibleName(tr("Password strength"));
        form->addRow(new QLabel(tr("Strength:"), this), m_pStrength);
        connect(m_pNew, &QLineEdit::textChanged, this, &CNewPasswordFields::ShowStrength);
    }
    form->addRow(new QLabel(tr("Confirm password:"), this), m_pConfirm);
    setTabOrder(m_pNew, m_pConfirm);
    setFocusProxy(m_pNew);
}

QLineEdit* CNewPasswordFields::AddCurrentField()
{
    if (m_pCurrent == nullptr) {
        m_pCurrent = MakeField(QStringLiteral("currentPassword"), tr("Current password"), this);
        m_pCurrent->setMinimumWidth(m_pNew->minimumWidth());
        m_pForm->insertRow(0, new QLabel(tr("Current password:"), this), m_pCurrent);
        setTabOrder(m_pCurrent, m_pNew);
        setTabOrder(m_pNew, m_pConfirm);
        setFocusProxy(m_pCurrent);
    }
    return m_pCurrent;
}

QString CNewPasswordFields::StrengthText() const
{
    return m_pStrength != nullptr ? m_pStrength->text() : QString();
}

void CNewPasswordFields::ShowStrength()
{
    const QString typed = m_pNew->text();
    m_pStrength->setText(typed.isEmpty() ? QString()
                                         : CPasswordStrength::Text(CPasswordStrength::Rate(typed)));
}

std::optional<QString> CNewPasswordFields::Accept(QWidget* dialog)
{
    switch (Judge(m_kind, m_pNew->text(), m_pConfirm->text(), dialog)) {
    case Verdict::Ok:
        return m_pNew->text();
    case Verdict::FixConfirm:
        m_pConfirm->setFocus();
        break;
    case Verdict::Declined:
        m_pNew->selectAll();
        [[fallthrough]];
    case Verdict::FixNew:
        m_pNew->setFocus();
        break;
    }
    return std::nullopt;
}

CNewPasswordFields::Verdict CNewPasswordFields::Judge(Kind kind, const QString& password,
                                                      const QString& confirmation, QWidget* dialog)
{
    const bool encrypted = kind == Kind::Encrypted;
    const int least = encrypted ? kEncryptedMin : kFourFileMin;
    const int most = encrypted ? kEncryptedMax : kFourFileMax;
    const auto refuse = [&](const QString& why, Verdict fix) {
        CMessageBox::Show(dialog, why, CAppInfo::Title(), CMessageBox::Icon::Exclamation);
        return fix;
    };
    if (CharacterCount(password) < least || CharacterCount(confirmation) < least) {
        return refuse(tr("You must enter at least %1 characters!").arg(least),
                      CharacterCount(password) < least ? Verdict::FixNew : Verdict::FixConfirm);
    }
    if (CharacterCount(password) > most) {
        return refuse(tr("A password can have at most %1 characters; this one has %2.")
                          .arg(most)
                          .arg(CharacterCount(password)),
                      Verdict::FixNew);
    }
    if (password != confirmation) {
        return refuse(tr("The passwords do not match!"), Verdict::FixConfirm);
    }
    if (!encrypted && !CAnsiCodec::CanEncode(password)) {
        // The four-file diary stores the password as single bytes; a
        // character that has none would lock the user out.
        return refuse(CAnsiCodec::UnsupportedMessage(), Verdict::FixNew);
    }
    if (encrypted && CPasswordStrength::Rate(password) == CPasswordStrength::Level::VeryWeak &&
        CMessageBox::Choose(dialog, tr("This password is easy to guess. Use it anyway?"),
                            CAppInfo::Title(), {tr("&Yes"), tr("&No")}, 1) != 0) {
        return Verdict::Declined;
    }
    return Verdict::Ok;
}
