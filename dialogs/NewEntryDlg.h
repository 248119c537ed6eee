#pragma once
// The New Entry editor: the only place where diary entries are written. The
// caller hands over the open diary, whose password the entry is stored
// under, then runs the dialog through CModal::Exec. It ends
// Accepted once the entry has been appended and the diary re-sorted, and
// Rejected when the user discarded it (nothing stored).

#include "widgets/RatingLabels.h"

#include <QDate>
#include <QDialog>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class CDiarySession;
class CEntryRichEdit;
class CRatingSpin;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class CNewEntryDlg : public QDialog
{
    Q_OBJECT
    const CDiarySession& m_diary;

public:
    // `now` fixes the entry's date and its time of day for the whole life of
    // the dialog; only the date can be changed afterwards.
    CNewEntryDlg(QWidget* parent, const CDiarySession& diary, int64_t now);
    ~CNewEntryDlg() override;

    // The entry being written, as read from the controls on Save.
    int64_t m_tDateTime = 0;
    QString m_strTime; // "hh:mm:ss" of `now`
    int m_nMood = 0;
    int m_nFatigue = 0;
    int m_nShape = 0;
    int m_nDream = 0;
    float m_fTemperature = 0.0f;
    int m_nWeight = 0;
    int m_bMenstruus = 0;
    int m_bCopulation = 0;

    // The dates the picker offers: those whose day, at the dialog's time of
    // day, still fits the diary's unsigned 32-bit seconds since 1970.
    QDate MinimumDate() const;
    QDate MaximumDate() const;

    // The local time of `date` at the time of day of `now` (mktime rules for
    // a time of day that a clock change skips or repeats). nullopt when the
    // diary cannot store that moment.
    static std::optional<int64_t> ComposeTime(const QDate& date, int64_t now);

    // Reads a temperature as typed: "36.6" and also "36,6". nullopt for
    // anything else (including infinities and overflow).
    static std::optional<float> ParseTemperature(const QString& text);

    void accept() override; // Save, after asking
    void reject() override; // Discard, after asking (Esc, close button)

private slots:
    void OnFontNameActivated(int index);
    void OnFontSizeActivated(int index);
    void OnBold();
    void OnItalic();
    void OnUnderline();
    void OnColor();
    void OnHelp();
    void OnMoodChanged(int value);
    void OnFatigueChanged(int value);
    void OnShapeChanged(int value);
    void OnDreamChanged(int value);
    // Brings the font boxes and the B/I/U buttons in step with the selection.
    void ShowFontName(const QString& name);
    void UpdateFormatControls();

private:
    void BuildControls();
    void InitialiseState();
    void ToggleEffect(int bit);
    bool ValidateInto(int& weight, float& temperature);
    bool StoreEntry(int64_t time, int weight, float temperature);
    void RefuseField(QLineEdit* edit, const QString& message);

    int64_t m_tNow;
    RatingLabels m_labels;
    QPixmap m_faces[7];

    CEntryRichEdit* m_pEdit = nullptr;
    QDateEdit* m_pDate = nullptr;
    QLabel* m_pTimeText = nullptr;
    QComboBox* m_pFontName = nullptr;
    QComboBox* m_pFontSize = nullptr;
    QToolButton* m_pBold = nullptr;
    QToolButton* m_pItalic = nullptr;
    QToolButton* m_pUnderline = nullptr;
    QToolButton* m_pColor = nullptr;
    QPushButton* m_pSave = nullptr;
    QPushButton* m_pDiscard = nullptr;
    QPushButton* m_pHelp = nullptr;
    QLabel* m_pFace = nullptr;
    CRatingSpin* m_pMoodSpin = nullptr;
    CRatingSpin* m_pFatigueSpin = nullptr;
    CRatingSpin* m_pShapeSpin = nullptr;
    CRatingSpin* m_pDreamSpin = nullptr;
    QLabel* m_pMoodLabel = nullptr;
    QLabel* m_pFatigueLabel = nullptr;
    QLabel* m_pShapeLabel = nullptr;
    QLabel* m_pDreamLabel = nullptr;
    QLineEdit* m_pWeight = nullptr;
    QLineEdit* m_pTemperature = nullptr;
    QCheckBox* m_pMenstruus = nullptr;
    QCheckBox* m_pCopulation = nullptr;
};
