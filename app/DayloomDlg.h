#pragma once
// The main window: the open diary's entry list, the entry on view, the graph
// panel, the reminder and planner summaries, and a picture button for every
// command. It owns the open diary's session (none while no diary is open)
// and the lock that keeps other Dayloom windows off it; every command asks
// the session for a store, works, and lets it go.

#include "app/DiaryOpener.h"
#include "platform/FileDialogs.h"
#include "ratings/RatingLabels.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

struct DiaryEntry;
class CDiarySession;
class CDiaryStore;
class CEntryListModel;
class CEntryPanel;
class CScrambledDiaryBar;
class CEntryRichEdit;
class CGraphChoiceBox;
class CGraphCtrl;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class CDiaryCommands;
class CSearchMode;
class QAbstractItemDelegate;
class QAbstractItemModel;
class CDiaryReservation;
class QPushButton;

class CDayloomDlg : public QDialog
{
    Q_OBJECT
public:
    // `startDiary` (a full path) is opened in place of the last diary, as
    // Open/Create would open it.
    explicit CDayloomDlg(QWidget* parent = nullptr, const QString& startDiary = QString());
    ~CDayloomDlg() override;

    // Commands, as the menu items, buttons and keys run them.
    void OnOpenCreateDiary();
    // Opens the diary at `path` (full path) as Open/Create would.
    void OpenDiaryFile(const QString& path);
    void OnNewEntry();
    void OnEditEntry();
    void OnFirst();
    void OnPrevious();
    void OnNext();
    void OnLast();
    void OnSearch();
    // Ctrl+F: search mode on, the cursor in the search field.
    void OnFind();
    void OnDeleteEntry();
    void OnReminders();
    void OnPlanner();
    void OnOptions();
    void OnChangePassword();
    void OnPrintCurrentEntry();
    void OnPrintAllEntries();
    void ImportVersion1();
    void OnStatistics();
    void OnTipOfTheDay();
    void OnAbout();
    void OnHelpContents();
    void OnHelpMainWindow();
    void OnWebSite();
    void OnMail();

    // Re-reads the diary into the entry list and the graph, then shows the
    // last entry.
    void RefillEntryList();

    // The open diary, null when none is open.
    const CDiarySession* Session() const { return m_pSession.get(); }
    bool IsSearching() const;

    // The controls a test or the print-out reads.
    QListView* EntryList() const { return m_pEntryList; }
    CEntryRichEdit* EntryView() const;
    CGraphCtrl* Graph() const { return m_pGraph; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CExportHost;
    friend class CImportHost;
    friend class CForeignImportHost;
    friend class CDiaryCommands;
    friend class CEncryptionCommands;
    friend class CSearchMode;

    void BuildControls();
    QPushButton* MakeButton(const QString& name, const QString& themeIcon, const QString& fallback,
                            const QString& toolTip, void (CDayloomDlg::*command)());
    // The diary to reopen at start-up: when the settings ask for it and name
    // it with a usable extension position.
    struct LastDiary
    {
        CDiaryName name;
        QString fileTitle;
    };
    static std::optional<LastDiary> LastDiaryToReopen();
    // The last diary opened (its password asked) before the window is
    // built; nullopt when there is none or opening failed outright (said).
    static std::optional<CDiaryOpener::Opened> OpenBeforeBuilding(const LastDiary& last);
    void OnInitDialog(std::optional<CDiaryOpener::Opened> reopened, const QString& fileTitle);
    // Opens the diary in place of the open one; false when nothing was opened.
    bool OpenDiary(const CDiaryName& name, const QString& fileTitle);
    // What opening gave, taken into the window; false when nothing was opened.
    bool TakeOpened(CDiaryOpener::Opened opened, const QString& fileTitle);
    // Open/Create's work once a diary was chosen (nullopt: none): the name
    // checks, the settings, then OpenDiary.
    void OpenChosenDiary(const std::optional<DiaryChoice>& choice);
    void CloseDiary();
    // The load after a correct password: list, graph, last entry, summaries.
    void LoadDiary();
    void FillEntryList(bool showLast);
    void ResetGraph();
    void OnShowFlagsChanged();
    void OnSelchangeEntryList();
    // The list's model: the whole diary, or the search results.
    void UseListModel(QAbstractItemModel* model, QAbstractItemDelegate* delegate);
    // Selects the line of entry `index` (none when it is not listed).
    void SelectRow(int index);
    // The diary index of the entry on the selected line, -1 for none.
    int SelectedIndex() const;
    // Entries in the diary; lines in the list.
    int EntryCount() const;
    int LineCount() const;
    int EntryOfLine(int line) const;
    void ShowEntry(int index);
    void ReadAndDisplay(int index);
    void SetDiaryTitle(const QString& fileTitle);
    void LoadLabels();
    void RefreshReminderSummary();
    void RefreshPlannerSummary();
    bool IsDiaryOpen() const { return m_pSession != nullptr; }
    // A store on the open diary, positioned at entry `index`.
    std::unique_ptr<CDiaryStore> Store(int index = 0) const;
    // Before a command changes the diary: false (after saying why) when it
    // is read-only. When another program changed its files since they were
    // read, they are read again first, so that the command acts on what is
    // there now.
    bool MayChange();
    bool ReloadIfChanged();
    // The Reminders or Planner dialog on the open diary, then its summary.
    template <typename Dialog>
    void RunPlanning(const QString& refusal, void (CDayloomDlg::*refresh)());
    // Runs a command, reporting a file error that escapes it.
    void Guarded(const std::function<void()>& command);

    int32_t m_nStartAlarmBefore = 5;
    int m_nShownEntry = -1; // the entry in the entry view
    bool m_bSelecting = false;

    std::unique_ptr<CDiarySession> m_pSession;
    CDiaryCommands* m_pCommands = nullptr;
    CSearchMode* m_pSearchMode = nullptr;
    std::unique_ptr<CDiaryReservation> m_pLock;

    RatingLabels m_labels;

    QListView* m_pEntryList = nullptr;
    CEntryListModel* m_pEntryModel = nullptr;
    QAbstractItemDelegate* m_pEntryDelegate = nullptr;
    CEntryPanel* m_pPanel = nullptr;
    CScrambledDiaryBar* m_pScrambledBar = nullptr;
    QListWidget* m_pReminderList = nullptr;
    QListWidget* m_pPlannerList = nullptr;
    CGraphCtrl* m_pGraph = nullptr;
    CGraphChoiceBox* m_pGraphChoice = nullptr;
    QPushButton* m_pNewEntry = nullptr;
    QPushButton* m_pSearch = nullptr;
};
