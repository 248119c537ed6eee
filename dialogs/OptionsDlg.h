#pragma once
// The Options dialog: the 19 rating labels, whether the last diary reopens at
// start-up, how many days ahead a reminder counts as "Soon", "on this day",
// today's reminders as desktop notifications, spell checking (on or off,
// and its language) and the minutes without use after which the diary
// locks. Reads the settings when constructed; SAVE (Accepted) writes all 26
// values, Cancel writes nothing.

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

class COptionsDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMinDays = 1;
    static constexpr int kMaxDays = 99;
    // A day at most; 0 never locks.
    static constexpr int kMaxLockMinutes = 1440;

    explicit COptionsDlg(QWidget* parent);
    ~COptionsDlg() override;

    // In the order of RatingLabelKeys() (mood -3 first, dream +2 last).
    std::array<QString, 19> m_strLabels;
    int m_bOpenLastDiary = 0;
    int m_nStartAlarmBefore = 5;
    int m_bShowOnThisDay = 1;
    int m_bNotifyReminders = 1;
    int m_bCheckSpelling = 1;
    int m_nLockAfterMinutes = 10;
    // Empty: the installed dictionary that fits the system's locale.
    QString m_strSpellingLanguage;

    void accept() override; // validates, writes, closes

private:
    void BuildControls();
    void BuildSpelling(class QVBoxLayout* main);

    QPixmap m_faces[7];
    std::array<QLineEdit*, 19> m_pLabelEdits{};
    QCheckBox* m_pOpenLast = nullptr;
    QCheckBox* m_pOnThisDay = nullptr;
    QCheckBox* m_pNotify = nullptr;
    QLineEdit* m_pDays = nullptr;
    QCheckBox* m_pCheckSpelling = nullptr;
    QComboBox* m_pLanguage = nullptr;
    QSpinBox* m_pLockMinutes = nullptr;
};
