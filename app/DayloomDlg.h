#pragma once
// The main window: the open diary's entry list, the current entry with its
// ratings, marks and measurements, the graph panel, the reminder and planner
// summaries, and a picture button for every command. It owns the open
// diary's session (none while no diary is open); every command asks the
// session for a store, works, and lets it go.

#include "store/Records.h"
#include "widgets/RatingLabels.h"

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CDiarySession;
class CDiaryStore;
class CEntryListModel;
class CEntryRichEdit;
class CGraphChoiceBox;
class CGraphCtrl;
class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenuBar;
class QPushButton;
class QWidget;

class CDayloomDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CDayloomDlg(QWidget* parent = nullptr);
    ~CDayloomDlg() override;

    // The welcome texts of an empty entry view: after start-up or opening,
    // and after the last entry has been deleted.
    static QString WelcomeText();
    static QString EmptyDiaryText();

    // Commands, as the menu items, buttons and keys run them.
    void OnOpenCreateDiary();
    void OnNewEntry();
    void OnFirst();
    void OnPrevious();
    void OnNext();
    void OnLast();
    void OnSearch();
    void OnDeleteEntry();
    void OnReminders();
    void OnPlanner();
    void OnOptions();
    void OnChangePassword();
    void OnPrintCurrentEntry();
    void OnPrintAllEntries();
    void ImportVersion1();
    void OnTipOfTheDay();
    void OnAbout();
    void OnHelpContents();
    void OnHelpMainWindow();
    void OnWebSite();
    void OnMail();

    // Shows the entry at `index` in the entry view and its fields.
    void ShowEntry(int index);
    // Re-reads the diary into the entry list and the graph, then shows the
    // last entry.
    void RefillEntryList();
    void LoadLabels();
    void RefreshReminderSummary();
    void RefreshPlannerSummary();

    // The open diary, null when none is open.
    const CDiarySession* Session() const { return m_pSession.get(); }
    bool IsSearching() const { return m_bSearching != 0; }
    int StartAlarmBefore() const { return m_nStartAlarmBefore; }
    // The selected line of the entry list, -1 for none.
    int SelectedIndex() const;
    int EntryCount() const;
    QString EntryLine(int row) const;

    // The controls, for tests and the print-out.
    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QListView* EntryList() const { return m_pEntryList; }
    CEntryRichEdit* EntryView() const { return m_pEntryView; }
    QLineEdit* MoodField() const { return m_pMood; }
    QLineEdit* FatigueField() const { return m_pFatigue; }
    QLineEdit* ShapeField() const { return m_pShape; }
    QLineEdit* DreamField() const { return m_pDream; }
    QLineEdit* TemperatureField() const { return m_pTemperature; }
    QLineEdit* WeightField() const { return m_pWeight; }
    QLabel* FacePicture() const { return m_pFace; }
    QCheckBox* CopulationBox() const { return m_pCopulation; }
    QCheckBox* MenstruusBox() const { return m_pMenstruus; }
    QListWidget* ReminderList() const { return m_pReminderList; }
    QListWidget* PlannerList() const { return m_pPlannerList; }
    CGraphCtrl* Graph() const { return m_pGraph; }
    CGraphChoiceBox* GraphChoice() const { return m_pGraphChoice; }
    QPushButton* SearchButton() const { return m_pSearch; }
    QLineEdit* SearchField() const { return m_pSearchText; }
    // A picture button or menu item by its accessible name ("Go to next"...).
    QAbstractButton* Button(const QString& name) const;
    QAction* Action(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CImportHost;

    struct FieldRow
    {
        QLabel* caption = nullptr;
        QLineEdit* field = nullptr;
    };

    void BuildControls();
    void BuildMenu();
    QPushButton* MakeButton(const QString& name, const QString& themeIcon, const QString& fallback,
                            const QString& toolTip, void (CDayloomDlg::*command)());
    void OnInitDialog();
    void ReopenLastDiary();
    // The load after a correct password: list, graph, last entry, summaries.
    void LoadDiary();
    void FillEntryList(bool showLast);
    void ResetGraph();
    void ApplyShowFlags();
    void OnShowFlagsChanged();
    void OnSelchangeEntryList();
    void SelectRow(int row);
    // ShowEntry's display steps for an entry already read.
    void DisplayEntry(const DiaryEntry& entry);
    void ReadAndDisplay(int index);
    // Walks the entries from the selection in search mode.
    void Search(bool forward);
    void SetDiaryTitle(const QString& fileTitle);
    bool IsDiaryOpen() const { return m_pSession != nullptr; }
    // A store on the open diary, positioned at entry `index`.
    std::unique_ptr<CDiaryStore> Store(int index = 0) const;
    // Asks for the password of the session's diary, whose first entry has
    // been read; false (after saying why, where there is something to say)
    // when the prompt was cancelled or the password is wrong.
    bool Unlock(bool& cancelled);
    // Runs a command, reporting a file error that escapes it.
    void Guarded(const std::function<void()>& command);

    // Settings state, kept for the whole run.
    int32_t m_bOpenLastDiary = 0;
    int32_t m_nStartAlarmBefore = 5;
    int32_t m_bShowMood = 1;
    int32_t m_bShowFatigue = 1;
    int32_t m_bShowShape = 1;
    int32_t m_bShowDream = 1;
    int32_t m_bShowTemp = 1;
    int32_t m_bShowWeight = 1;
    int32_t m_bShowMenstruus = 1;
    int32_t m_bShowCopulation = 1;

    // The open diary.
    std::unique_ptr<CDiarySession> m_pSession;
    uint8_t m_bSearching = 0;
    bool m_bSelecting = false;

    RatingLabels m_labels;
    QPixmap m_faces[7];

    QMenuBar* m_pMenuBar = nullptr;
    QListView* m_pEntryList = nullptr;
    CEntryListModel* m_pEntryModel = nullptr;
    CEntryRichEdit* m_pEntryView = nullptr;
    FieldRow m_moodRow, m_fatigueRow, m_shapeRow, m_dreamRow, m_temperatureRow, m_weightRow;
    QLineEdit* m_pMood = nullptr;
    QLineEdit* m_pFatigue = nullptr;
    QLineEdit* m_pShape = nullptr;
    QLineEdit* m_pDream = nullptr;
    QLineEdit* m_pTemperature = nullptr;
    QLineEdit* m_pWeight = nullptr;
    QLabel* m_pFace = nullptr;
    QCheckBox* m_pCopulation = nullptr;
    QCheckBox* m_pMenstruus = nullptr;
    QListWidget* m_pReminderList = nullptr;
    QListWidget* m_pPlannerList = nullptr;
    QLabel* m_pGraphFrame = nullptr;
    CGraphCtrl* m_pGraph = nullptr;
    CGraphChoiceBox* m_pGraphChoice = nullptr;
    QPushButton* m_pNewEntry = nullptr;
    QPushButton* m_pSearch = nullptr;
    QLineEdit* m_pSearchText = nullptr;
};
