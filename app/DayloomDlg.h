#pragma once
// The main window: the open diary's entry list, the entry on view, the graph
// panel, the reminder and planner summaries, and a picture button for every
// command. It owns the open diary and the command groups; every part of it
// follows the open diary's signals, so the commands only change the diary.

#include "app/WindowCommands.h"

#include <QDialog>
#include <QString>
#include <memory>

class CDiaryFileCommands;
class CDiaryLock;
class CEncryptionCommands;
class CEntryBrowser;
class CEntryCommands;
class CEntryRichEdit;
class CExportHost;
class CForeignImportHost;
class CGraphChoiceBox;
class CGraphCtrl;
class CImportHost;
class CMergeCommands;
class COpenDiary;
class CPlanningCommands;
class CSearchMode;
class CScrambledDiaryBar;
class CReloadedBar;
class CSummaries;
class CDiarySession;
class QListView;
class QPushButton;
struct EntryChange;

class CDayloomDlg : public QDialog, public CWindowCommands
{
    Q_OBJECT
public:
    // `startDiary` (a full path) is opened in place of the last diary, as
    // Open/Create would open it.
    explicit CDayloomDlg(QWidget* parent = nullptr, const QString& startDiary = QString());
    ~CDayloomDlg() override;

    // Commands, as the menu items, buttons and keys run them.
    void OnOpenCreateDiary() override;
    // Opens the diary at `path` (full path) as Open/Create would.
    void OpenDiaryFile(const QString& path) override;
    void OnNewEntry() override;
    void OnEditEntry() override;
    void OnFirst() override;
    void OnPrevious() override;
    void OnNext() override;
    void OnLast() override;
    void OnSearch() override;
    // Ctrl+F: search mode on, the cursor in the search field.
    void OnFind() override;
    void OnDeleteEntry() override;
    void OnReminders() override;
    void OnPlanner() override;
    void OnOptions() override;
    void OnPrintCurrentEntry() override;
    void OnPrintAllEntries() override;
    void OnTipOfTheDay() override;
    void OnAbout() override;
    void OnHelpContents() override;
    void OnHelpMainWindow() override;
    void OnWebSite() override;
    void OnMail() override;
    void OnExit() override;

    // The open diary, null when none is open.
    const CDiarySession* Session() const;
    bool IsSearching() const;

    // The controls a test or the print-out reads.
    QListView* EntryList() const;
    CEntryRichEdit* EntryView() const;
    CGraphCtrl* Graph() const { return m_pGraph; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildControls();
    // Start-up with the last diary (its password asked before the window
    // was built): the window's first picture shows the last entry; the
    // list, the graph and all else that grows with the diary follow once it
    // is painted.
    void OnInitDialog();
    void ReadEntriesWhenPainted();
    // What the window shows of the open diary, as it changes.
    void OnOpened();
    void OnClosed();
    void OnLocked();
    void OnEntriesChanged(const EntryChange& change);
    void OnShowFlagsChanged();
    void SetDiaryTitle();
    // Selects and shows entry `index`, the keys in the list.
    void ShowEntry(int index);
    void ShowLastEntry();

    bool m_bStarting = true;
    bool m_bReadWhenPainted = false;

    COpenDiary* m_pDiary = nullptr;
    CEntryBrowser* m_pBrowser = nullptr;
    CSearchMode* m_pSearchMode = nullptr;
    CSummaries* m_pSummaries = nullptr;
    CScrambledDiaryBar* m_pScrambledBar = nullptr;
    CDiaryLock* m_pLock = nullptr;
    CReloadedBar* m_pReloadedBar = nullptr;
    CMergeCommands* m_pMerge = nullptr;
    std::unique_ptr<CDiaryFileCommands> m_pFiles;
    std::unique_ptr<CEntryCommands> m_pEntries;
    std::unique_ptr<CPlanningCommands> m_pPlanning;
    std::unique_ptr<CEncryptionCommands> m_pEncryption;
    std::unique_ptr<CExportHost> m_pExport;
    std::unique_ptr<CImportHost> m_pImport;
    std::unique_ptr<CForeignImportHost> m_pForeignImport;

    CGraphCtrl* m_pGraph = nullptr;
    CGraphChoiceBox* m_pGraphChoice = nullptr;
    QPushButton* m_pNewEntry = nullptr;
    QPushButton* m_pSearch = nullptr;
};
