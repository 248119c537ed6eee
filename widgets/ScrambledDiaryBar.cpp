#include "widgets/ScrambledDiaryBar.h"

#include "platform/Settings.h"

#include <QCryptographicHash>
#include <QPushButton>

CScrambledDiaryBar::CScrambledDiaryBar(QWidget* parent)
    : CNoticeBar(parent, QColor(0xFF, 0xF4, 0xCE),
                 tr("This diary is only scrambled: anyone with its files can read it."))
{
    setObjectName(QStringLiteral("scrambledBar"));
    m_pEncrypt = new QPushButton(tr("Encrypt diary..."), this);
    m_pEncrypt->setObjectName(QStringLiteral("encryptButton"));
    AddButton(m_pEncrypt);

    connect(m_pEncrypt, &QPushButton::clicked, this, &CScrambledDiaryBar::EncryptRequested);
    // Closed for this diary, for good.
    connect(this, &CNoticeBar::closed, this, [this] {
        if (!m_strPath.isEmpty()) {
            CSettings::WriteProfileInt(SettingFor(m_strPath), 1);
        }
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
