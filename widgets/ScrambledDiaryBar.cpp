#include "widgets/ScrambledDiaryBar.h"

#include "platform/Settings.h"

#include <QCryptographicHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

CScrambledDiaryBar::CScrambledDiaryBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("scrambledBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    auto* text =
        new QLabel(tr("This diary is only scrambled: anyone with its files can read it."), this);
    text->setWordWrap(true);
    m_pEncrypt = new QPushButton(tr("Encrypt diary..."), this);
    m_pEncrypt->setObjectName(QStringLiteral("encryptButton"));
    m_pClose = new QToolButton(this);
    m_pClose->setObjectName(QStringLiteral("closeButton"));
    m_pClose->setText(QStringLiteral("\u00D7"));
    m_pClose->setAutoRaise(true);
    m_pClose->setToolTip(tr("Close"));
    m_pClose->setAccessibleName(tr("Close"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(text, 1);
    layout->addWidget(m_pEncrypt);
    layout->addWidget(m_pClose);

    connect(m_pEncrypt, &QPushButton::clicked, this, &CScrambledDiaryBar::EncryptRequested);
    connect(m_pClose, &QToolButton::clicked, this, [this] {
        if (!m_strPath.isEmpty()) {
            CSettings::WriteProfileInt(SettingFor(m_strPath), 1);
        }
        hide();
    });
    hide();
}

QString CScrambledDiaryBar::SettingFor(const QString& diaryPath)
{
    // One setting per diary, named after its path without the path's
    // characters (which settings keys do not all take).
    const QByteArray hash =
        QCryptographicHash::hash(diaryPath.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("ScrambledBarClosed_") + QString::fromLatin1(hash);
}

void CScrambledDiaryBar::ShowFor(const QString& diaryPath, bool scrambled)
{
    m_strPath = diaryPath;
    setVisible(scrambled && !diaryPath.isEmpty() &&
               CSettings::GetProfileInt(SettingFor(diaryPath), 0) == 0);
}
