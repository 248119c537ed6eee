#pragma once
// The bar above the entry text while a four-file diary is open: it says the
// diary is only scrambled, offers "Encrypt diary..." and can be closed. The
// close is remembered per diary, so the bar stays away for that diary only.

#include "widgets/NoticeBar.h"

#include <QString>

class QPushButton;

class CScrambledDiaryBar : public CNoticeBar
{
    Q_OBJECT
public:
    explicit CScrambledDiaryBar(QWidget* parent);

    // Shown for a four-file diary (diaryPath: its index file) unless it was
    // closed for that diary before; hidden otherwise (no diary: empty path).
    void ShowFor(const QString& diaryPath, bool scrambled);

    QPushButton* EncryptButton() const { return m_pEncrypt; }

signals:
    void EncryptRequested();

private:
    static QString SettingFor(const QString& diaryPath);

    QString m_strPath;
    QPushButton* m_pEncrypt = nullptr;
};
