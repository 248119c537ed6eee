#pragma once
// The entry editor: the only place where diary entries are written, new ones
// ("New Entry") and stored ones changed ("Edit Entry"). Run() is the way in:
// it loads the entry to edit, offers a draft a crash left behind, runs the
// dialog and says which entry was saved. The dialog ends Accepted once the
// entry is stored (appended, or replacing the edited one, and the diary
// re-sorted) and Rejected when the user discarded it (nothing stored). While
// it holds unsaved changes it keeps a draft beside the diary.

#include "dialogs/NewEntryDlgStore.h"
#include "ratings/RatingLabels.h"
#include "store/DraftFile.h"

#include <QDate>
#include <QDialog>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CDiarySession;
class CEntryRichEdit;
class CWordCountLabel;
class CNewEntryDlgDraft;
class CRatingSpin;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class CNewEntryDlg : public QDialog
{
    Q_OBJECT
public:
    // What came of Run().
    struct Outcome
    {
        bool saved = false;
        // The edited entry's index when the editor opened it (an entry index
        // the main window had), and where the saved entry is now, after the
        // diary was re-sorted.
        std::optional<uint32_t> replacedIndex;
        std::optional<uint32_t> savedIndex;
        // The diary locked while the editor was open: its draft is written
        // and the editor closed, to be opened again on unlocking.
        bool closedByLock = false;
    };

    // The editor's one entry point: a new entry (editIndex empty) or stored
    // entry editIndex of the session's diary. A draft left over is offered
    // first and, when restored, decides what is edited. An entry that cannot
    // be read is reported and nothing opens. `reopening` after a lock: the
    // draft the lock wrote is restored without asking.
    static Outcome Run(QWidget* parent, const CDiarySession& session,
                       std::optional<uint32_t> editIndex, int64_t now, bool reopening = false);

    // `now` is the new entry's date and time of day until the user changes
    // either.
    CNewEntryDlg(QWidget* parent, const CDiarySession& session, int64_t now);
    ~CNewEntryDlg() override;

    // Opens stored entry `index` for editing; false, after telling the
    // user, when it cannot be read.
    bool LoadEntry(uint32_t index);
    // Fills the editor from a restored draft, editing what it was editing
    // when that entry is still in the diary (a new entry otherwise).
    void RestoreDraft(const EntryDraft& draft);
    bool IsEditing() const { return m_edited.has_value(); }
    const Outcome& Result() const { return m_outcome; }
    // The diary locks: the unsaved changes go to the draft and the editor
    // closes without its question.
    void CloseForLock();

    // The font name box's list: each installed family once ("Family
    // [Foundry]" variants folded into "Family"), alphabetically.
    static QStringList FontFamilyList(const QStringList& installed);

    // The entry being written, as read from the controls on Save.
    int64_t m_tDateTime = 0;
    QString m_strTime; // "hh:mm:ss" of m_tDateTime
    int m_nMood = 0;
    int m_nFatigue = 0;
    int m_nShape = 0;
    int m_nDream = 0;
    float m_fTemperature = 0.0f;
    int m_nWeight = 0;
    int m_bMenstruus = 0;
    int m_bCopulation = 0;

    // The dates the picker offers: those whose day, at the time of day on
    // show, still fits the diary's unsigned 32-bit seconds since 1970.
    QDate MinimumDate() const;
    QDate MaximumDate() const;

    // The local time of `date` at the time of day of `now` (mktime rules for
    // a time of day that a clock change skips or repeats). nullopt when the
    // diary cannot store that moment.
    static std::optional<int64_t> ComposeTime(const QDate& date, int64_t now);
    // The same at a time of day given by itself.
    static std::optional<int64_t> ComposeTime(const QDate& date, const QTime& timeOfDay);

    // Reads a temperature as typed: "36.6" and also "36,6". nullopt for
    // anything else (including infinities and overflow).
    static std::optional<float> ParseTemperature(const QString& text);

    void accept() override; // Save, after asking
    void reject() override; // Discard, after asking (Esc, close button)

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnFontNameActivated(int index);
    void OnFontSizeActivated(int index);
    void OnBold();
    void OnItalic();
    void OnUnderline();
    void OnColor();
    void OnPicture();
    void OnHelp();
    void OnMoodChanged(int value);
    void OnFatigueChanged(int value);
    void OnShapeChanged(int value);
    void OnDreamChanged(int value);
    // Brings the font boxes and the B/I/U buttons in step with the selection.
    void ShowFontName(const QString& name);
    void UpdateFormatControls();
    void OnChanged();
    // Takes out the characters an entry cannot keep (control characters,
    // which only a paste or a drop brings) and says which they were.
    void DropUnkeepable();

private:
    const CDiarySession& Session();
    void SetEditing(std::optional<CNewEntryDlgStore::Identity> edited);
    QString Caption() const;
    // The controls as a draft, and a draft into the controls.
    EntryDraft Collect() const;
    void Fill(const EntryDraft& draft);
    void SetBaseTime(int64_t time);
    // The time of day on show (the base time's before the controls exist).
    QTime TimeOfDay() const;
    // The moment the date and the time of day on show make.
    std::optional<int64_t> ShownTime() const;
    void ReturnFocus(QWidget* spin);
    void BuildControls();
    void InitialiseState();
    void ToggleEffect(int bit);
    bool ValidateInto(int& weight, float& temperature);
    bool StoreEntry(int64_t time, int weight, float temperature);
    void RefuseField(QLineEdit* edit, const QString& message);

    int64_t m_tNow;
    const CDiarySession& m_session;
    std::optional<CNewEntryDlgStore::Identity> m_edited; // the stored entry being edited
    Outcome m_outcome;
    CNewEntryDlgDraft* m_pDraft = nullptr;
    bool m_bFilling = false;
    RatingLabels m_labels;
    QPixmap m_faces[7];

    CEntryRichEdit* m_pEdit = nullptr;
    QDateEdit* m_pDate = nullptr;
    QTimeEdit* m_pTime = nullptr;
    QComboBox* m_pFontName = nullptr;
    QComboBox* m_pFontSize = nullptr;
    QToolButton* m_pBold = nullptr;
    QToolButton* m_pItalic = nullptr;
    QToolButton* m_pUnderline = nullptr;
    QToolButton* m_pColor = nullptr;
    QToolButton* m_pPicture = nullptr;
    CWordCountLabel* m_pWordCount = nullptr;
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
