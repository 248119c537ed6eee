#include "app/DayloomDlg.h"

#include "app/DiaryFileCommands.h"
#include "app/DiaryLock.h"
#include "app/EncryptionCommands.h"
#include "app/EntryBrowser.h"
#include "app/EntryCommands.h"
#include "app/EntryPanel.h"
#include "app/ExportHost.h"
#include "app/ForeignImportHost.h"
#include "app/Guarded.h"
#include "app/ImportHost.h"
#include "app/MainMenu.h"
#include "app/MergeCommands.h"
#include "app/OpenDiary.h"
#include "app/PlanningCommands.h"
#include "app/ReloadedBar.h"
#include "app/SearchMode.h"
#include "app/Summaries.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/TipDlg.h"
#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/WaitCursor.h"
#include "store/DiarySession.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/GraphChoiceBox.h"
#include "widgets/GraphCtrl.h"
#include "widgets/ScrambledDiaryBar.h"

#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

static void InitIconResources()
{
    Q_INIT_RESOURCE(dayloom);
}

CDayloomDlg::CDayloomDlg(QWidget* parent, const QString& startDiary) : QDialog(parent)
{
    InitIconResources();
    setObjectName(QStringLiteral("DayloomDlg"));
    setWindowTitle(CAppInfo::Title());
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/dayloom.svg")));
    // The last diary's password is asked before the window is built (the
    // prompt centres where the window will be, and an encrypted diary's key
    // derivation does not add its 64 MiB to all the window holds); a diary
    // named on the command line is opened in its place.
    std::optional<CDiaryFileCommands::Reopened> reopened =
        startDiary.isEmpty() ? CDiaryFileCommands::ReopenLast() : std::nullopt;

    // The parts follow the open diary in the order they are made: the list
    // and the graph, the search results, the summaries, then the window's
    // choice of the entry on view.
    m_pDiary = new COpenDiary(this);
    m_pBrowser = new CEntryBrowser(*m_pDiary, *this);
    m_pSearchMode = new CSearchMode(*m_pDiary, *m_pBrowser, *this);
    m_pSummaries = new CSummaries(*m_pDiary, *m_pBrowser, *this);
    connect(m_pDiary, &COpenDiary::opened, this, &CDayloomDlg::OnOpened);
    connect(m_pDiary, &COpenDiary::closed, this, &CDayloomDlg::OnClosed);
    connect(m_pDiary, &COpenDiary::entriesChanged, this, &CDayloomDlg::OnEntriesChanged);
    connect(m_pSearchMode, &CSearchMode::NextRequested, this, &CDayloomDlg::OnNext);
    // A second window tried to open this diary: this one comes forward.
    connect(m_pDiary, &COpenDiary::raiseRequested, this, &QWidget::showNormal);
    connect(m_pDiary, &COpenDiary::raiseRequested, this, &QWidget::raise);
    connect(m_pDiary, &COpenDiary::raiseRequested, this, &QWidget::activateWindow);

    m_pFiles = std::make_unique<CDiaryFileCommands>(*m_pDiary, *this);
    m_pEntries = std::make_unique<CEntryCommands>(*m_pDiary, *m_pBrowser, *m_pFiles, *this);
    m_pPlanning = std::make_unique<CPlanningCommands>(*m_pDiary, *this);
    m_pEncryption = std::make_unique<CEncryptionCommands>(*m_pDiary, *m_pFiles, *this);
    m_pExport = std::make_unique<CExportHost>(*m_pDiary, *m_pFiles, *this);
    m_pImport = std::make_unique<CImportHost>(*m_pDiary, *m_pFiles, *this);
    m_pForeignImport = std::make_unique<CForeignImportHost>(*m_pDiary, *m_pFiles, *this);
    m_pLock = new CDiaryLock(*m_pDiary, *m_pBrowser, *m_pEntries, *this);
    connect(m_pDiary, &COpenDiary::locked, this, &CDayloomDlg::OnLocked);
    connect(m_pDiary, &COpenDiary::unlocked, this, &CDayloomDlg::SetDiaryTitle);
    m_pMerge = new CMergeCommands(*m_pDiary, *this);
    // A change from outside keeps the entry on view.
    m_pDiary->SetEntryOnView([this] { return m_pBrowser->ShownEntry(); });

    BuildControls();
    // Messages while the last diary is loaded centre on this window: its
    // size and its place in the middle of the screen come first.
    adjustSize();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
    OnInitDialog();
    if (reopened) {
        CWaitCursor wait;
        Guarded(this, [&] { m_pDiary->Take(std::move(reopened->opened), reopened->title); });
        // A diary reopened without a password prompt keeps the program's title.
        if (m_pDiary->IsOpen() && m_pDiary->Session()->IsNew()) {
            setWindowTitle(CAppInfo::Title());
        }
    }
    m_bStarting = false;
    if (!startDiary.isEmpty()) {
        OpenDiaryFile(startDiary);
    }
    m_pBrowser->FocusList();
}

// The command groups go before the parts and the diary they work on.
CDayloomDlg::~CDayloomDlg() = default;

const CDiarySession* CDayloomDlg::Session() const
{
    return m_pDiary->Session();
}

QListView* CDayloomDlg::EntryList() const
{
    return m_pBrowser->List();
}

CEntryRichEdit* CDayloomDlg::EntryView() const
{
    return m_pBrowser->Panel()->View();
}

bool CDayloomDlg::IsSearching() const
{
    return m_pSearchMode->IsOn();
}

void CDayloomDlg::BuildControls()
{
    // Entry list and the navigation under it.
    QListView* entryList = m_pBrowser->List();
    connect(entryList, &QListView::doubleClicked, this, &CDayloomDlg::OnEditEntry);

    const std::vector<QPushButton*> buttons = CMainMenu::MakeButtons(*this, *this);
    m_pSearch = buttons[5];
    m_pSearch->setCheckable(true);
    m_pNewEntry = buttons[6];
    m_pNewEntry->setDefault(true);
    QPushButton* exitButton = buttons.back();

    QWidget* searchFrame = m_pSearchMode->MakeControls(this, m_pSearch);

    auto* navigation = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        navigation->addWidget(buttons[static_cast<size_t>(i)]);
    }

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(m_pSearchMode->MakeHeading(this));
    leftColumn->addWidget(entryList, 1);
    leftColumn->addLayout(navigation);
    leftColumn->addWidget(searchFrame);

    // Above the entry text while a four-file diary is open.
    m_pScrambledBar = new CScrambledDiaryBar(m_pBrowser->Panel());
    static_cast<QVBoxLayout*>(m_pBrowser->Panel()->layout())->insertWidget(0, m_pScrambledBar);
    connect(m_pScrambledBar, &CScrambledDiaryBar::EncryptRequested, this,
            [this] { m_pEncryption->EncryptDiary(); });
    connect(m_pBrowser->Panel()->View(), &CEntryRichEdit::TagClicked, m_pSearchMode,
            &CSearchMode::SearchTag);
    // Above it, after another program changed the diary, until closed or
    // the next command (a menu item or a button) runs.
    m_pReloadedBar = new CReloadedBar(m_pBrowser->Panel());
    static_cast<QVBoxLayout*>(m_pBrowser->Panel()->layout())->insertWidget(0, m_pReloadedBar);
    connect(m_pDiary, &COpenDiary::reloaded, m_pReloadedBar, &QWidget::show);
    connect(m_pDiary, &COpenDiary::closed, m_pReloadedBar, &QWidget::hide);
    connect(m_pDiary, &COpenDiary::commandStarting, m_pReloadedBar, &QWidget::hide);
    for (QPushButton* button : buttons) {
        connect(button, &QPushButton::pressed, m_pReloadedBar, &QWidget::hide);
    }

    QVBoxLayout* rightColumn = m_pSummaries->MakeColumn();

    // The graph panel lies over its frame; the frame's notice shows only
    // while the panel is not there.
    auto* graphFrame =
        new QLabel(tr("You need at least 8 entries in your diary to view the graph!"), this);
    graphFrame->setObjectName(QStringLiteral("graphFrame"));
    graphFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    graphFrame->setAlignment(Qt::AlignCenter);
    graphFrame->setMinimumSize(400, 200);
    auto* frameLayout = new QVBoxLayout(graphFrame);
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 1;
    frameLayout->setContentsMargins(edge, edge, edge, edge);
    m_pGraph = new CGraphCtrl(graphFrame);
    m_pGraph->setObjectName(QStringLiteral("graph"));
    m_pGraph->setToolTip(tr("This shows your selected graphs"));
    frameLayout->addWidget(m_pGraph);
    m_pBrowser->SetGraph(m_pGraph);
    m_pGraphChoice = new CGraphChoiceBox(this);
    connect(m_pGraphChoice, &CGraphChoiceBox::ShowFlagsChanged, this,
            &CDayloomDlg::OnShowFlagsChanged);

    auto* graphRow = new QHBoxLayout;
    graphRow->addWidget(graphFrame, 1);
    graphRow->addWidget(m_pGraphChoice);

    const std::vector<QPushButton*> commands(buttons.begin() + 6, buttons.end() - 1);
    auto* commandRow = new QHBoxLayout;
    for (QPushButton* button : commands) {
        commandRow->addWidget(button);
    }
    commandRow->addStretch();
    commandRow->addWidget(exitButton);

    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn);
    columns->addWidget(m_pBrowser->Panel(), 2);
    columns->addLayout(rightColumn, 1);

    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    CMainMenu::Build(*menuBar, *this,
                     {this, m_pEntries.get(), m_pEncryption.get(), m_pExport.get(), m_pImport.get(),
                      m_pForeignImport.get(), m_pMerge, EntryList(), EntryView(), m_pLock});
    layout->setMenuBar(menuBar);
    for (QMenu* menu : menuBar->findChildren<QMenu*>()) {
        connect(menu, &QMenu::triggered, m_pReloadedBar, &QWidget::hide);
    }
    // The diary's content, which the locked view replaces while it is locked.
    auto* content = new QWidget(this);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addLayout(columns, 1);
    contentLayout->addLayout(graphRow);
    contentLayout->addLayout(commandRow);
    layout->addWidget(m_pLock->Wrap(content), 1);

    // Tab goes through the window as it reads: the list and its buttons,
    // the search, the entry and its fields, the graph switches, then the
    // command row from left to right.
    std::vector<QWidget*> order = {entryList};
    order.insert(order.end(), buttons.begin(), buttons.begin() + 6);
    for (QWidget* widget : m_pSearchMode->TabChain()) {
        order.push_back(widget);
    }
    for (QWidget* widget : m_pBrowser->Panel()->TabChain()) {
        order.push_back(widget);
    }
    for (int i = 0; i < CGraphChoiceBox::kSeriesCount; ++i) {
        order.push_back(m_pGraphChoice->Button(static_cast<GraphSeries>(i)));
    }
    order.insert(order.end(), commands.begin(), commands.end());
    order.push_back(exitButton);
    for (size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void CDayloomDlg::keyPressEvent(QKeyEvent* event)
{
    // The main window is no ordinary dialog: Enter does not press a default
    // button and Esc does not close the program.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on an entry line opens it for editing; on a search result
        // it shows the entry at its first match.
        if (focusWidget() == EntryList() && IsSearching()) {
            const int selected = m_pBrowser->SelectedIndex();
            if (selected >= 0) {
                Guarded(this, [this, selected] { m_pBrowser->Display(selected); });
            }
        } else if (focusWidget() == EntryList()) {
            OnEditEntry();
        }
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CDayloomDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The first picture is on the screen: what grows with the diary comes next.
    if (m_bReadWhenPainted) {
        QTimer::singleShot(0, this, [this] {
            if (m_bReadWhenPainted) {
                m_bReadWhenPainted = false;
                CWaitCursor wait;
                Guarded(this, [this] { m_pDiary->ReadEntries(); });
            }
        });
    }
}

void CDayloomDlg::OnInitDialog()
{
    // The choice box has read which series are shown.
    m_pGraphChoice->ApplyTo(*m_pGraph, false);
    m_pBrowser->Panel()->ApplyShown(m_pGraphChoice->Shown());
    m_pBrowser->ShowMessage(CEntryPanel::WelcomeText());
    m_pGraph->SetGraphData(0);
    m_pNewEntry->setFocus();
    m_pSearchMode->SetOn(false);
}

void CDayloomDlg::SetDiaryTitle()
{
    QString title = CAppInfo::Title();
    const bool shown = m_pDiary->IsOpen() || m_pDiary->IsLocked();
    if (shown && !m_pDiary->Title().isEmpty()) {
        title += QStringLiteral(" - ") + m_pDiary->Title();
    }
    if (m_pDiary->IsLocked()) {
        title += QLatin1Char(' ') + tr("(locked)");
    } else if (m_pDiary->IsOpen() && m_pDiary->Session()->IsReadOnly()) {
        title += tr(" (read-only)");
    }
    setWindowTitle(title);
}

void CDayloomDlg::OnOpened()
{
    m_bReadWhenPainted = false;
    SetDiaryTitle();
    m_pScrambledBar->ShowFor(
        QFile::decodeName(QByteArray::fromStdString(m_pDiary->Session()->Path())),
        m_pDiary->Session()->Encrypted() == nullptr);
    if (m_pDiary->Session()->IsNew()) {
        m_pDiary->RememberFiles();
        m_pNewEntry->setFocus();
    } else if (m_bStarting) {
        m_pBrowser->DisplayLastEntry();
        m_bReadWhenPainted = true;
        update();
    } else {
        CWaitCursor wait;
        m_pDiary->ReadEntries();
    }
}

void CDayloomDlg::OnClosed()
{
    m_bReadWhenPainted = false;
    m_pScrambledBar->ShowFor({}, false);
    SetDiaryTitle();
    m_pBrowser->ShowMessage(CEntryPanel::WelcomeText());
}

void CDayloomDlg::OnLocked()
{
    m_bReadWhenPainted = false;
    m_pBrowser->ShowMessage(QString());
    SetDiaryTitle();
}

void CDayloomDlg::OpenDiaryFile(const QString& path)
{
    m_pFiles->OpenChosen(CFileDialogs::ChoiceFromPath(path));
}

void CDayloomDlg::OnEntriesChanged(const EntryChange& change)
{
    if (m_pBrowser->EntryCount() == 0) {
        // The last entry was deleted.
        if (m_pBrowser->ShownEntry() >= 0) {
            m_pBrowser->ShowMessage(CEntryPanel::EmptyDiaryText());
        }
        return;
    }
    if (change.removed >= 0 && IsSearching()) {
        // In search mode the result that took the deleted one's place
        // becomes current.
        const int lines = m_pBrowser->LineCount();
        int line = 0;
        while (line < lines - 1 && m_pBrowser->EntryOfLine(line) < change.removed) {
            ++line;
        }
        if (lines > 0) {
            ShowEntry(m_pBrowser->EntryOfLine(line));
        }
    } else if (change.shown >= 0) {
        ShowEntry(change.shown);
    } else {
        ShowLastEntry();
    }
    m_pBrowser->FocusList();
}

void CDayloomDlg::ShowEntry(int index)
{
    Guarded(this, [this, index] {
        m_pBrowser->SelectRow(index);
        m_pBrowser->Display(index);
    });
}

void CDayloomDlg::ShowLastEntry()
{
    OnLast();
    // Last leaves a single entry unselected; a load still shows it.
    if (!IsSearching() && m_pBrowser->SelectedIndex() < 0) {
        ShowEntry(0);
    }
}

void CDayloomDlg::OnShowFlagsChanged()
{
    m_pGraphChoice->ApplyTo(*m_pGraph, m_pDiary->IsOpen());
    m_pBrowser->Panel()->ApplyShown(m_pGraphChoice->Shown());
    m_pBrowser->FocusList();
}

void CDayloomDlg::OnFirst()
{
    Guarded(this, [this] {
        m_pSearchMode->Flush();
        if (m_pBrowser->LineCount() > 0) {
            m_pBrowser->Show(m_pBrowser->EntryOfLine(0));
        }
    });
}

void CDayloomDlg::OnLast()
{
    Guarded(this, [this] {
        m_pSearchMode->Flush();
        const int count = m_pBrowser->LineCount();
        if (count == 0 || (count == 1 && m_pBrowser->SelectedIndex() < 0)) {
            return;
        }
        m_pBrowser->Show(m_pBrowser->EntryOfLine(count - 1));
    });
}

void CDayloomDlg::OnPrevious()
{
    Guarded(this, [this] {
        if (m_pBrowser->EntryCount() == 0) {
            return;
        }
        if (IsSearching()) {
            m_pSearchMode->Step(false);
            return;
        }
        const int selected = m_pBrowser->SelectedIndex();
        if (selected != 0) {
            m_pBrowser->Show(selected < 0 ? 0 : selected - 1);
        }
    });
}

void CDayloomDlg::OnNext()
{
    Guarded(this, [this] {
        const int count = m_pBrowser->EntryCount();
        if (count == 0) {
            return;
        }
        if (IsSearching()) {
            m_pSearchMode->Step(true);
            return;
        }
        const int selected = m_pBrowser->SelectedIndex();
        if (selected >= count - 1) {
            CMessageBox::Show(this, tr("There are no more entries in this diary!"),
                              CAppInfo::Title());
            return;
        }
        const int index = selected < 0 ? 0 : selected + 1;
        m_pBrowser->SelectRow(index);
        // Next moves the graph on as its scroll bar's page step would; the
        // entry shown below then places the current entry exactly.
        m_pGraph->OnHScroll(CGraphCtrl::ScrollRequest::PageRight);
        m_pBrowser->Display(index);
        m_pBrowser->FocusList();
    });
}

void CDayloomDlg::OnSearch()
{
    if (m_pSearch->isChecked()) {
        m_pSearchMode->Focus();
        return;
    }
    Guarded(this, [this] { m_pSearchMode->SetOn(false); });
    m_pBrowser->FocusList();
}

void CDayloomDlg::OnFind()
{
    m_pSearchMode->Focus();
}

void CDayloomDlg::OnOptions()
{
    COptionsDlg dialog(this);
    if (CModal::Exec(dialog) == QDialog::Accepted) {
        m_pLock->ApplySettings();
        m_pBrowser->LoadLabels();
        m_pSummaries->RefreshOnThisDay();
    }
}

void CDayloomDlg::OnOpenCreateDiary()
{
    m_pFiles->OpenOrCreate();
}
void CDayloomDlg::OnNewEntry()
{
    m_pEntries->NewEntry();
}
void CDayloomDlg::OnEditEntry()
{
    m_pEntries->EditEntry();
}
void CDayloomDlg::OnDeleteEntry()
{
    m_pEntries->DeleteEntry();
}
void CDayloomDlg::OnPrintCurrentEntry()
{
    m_pEntries->PrintCurrentEntry();
}
void CDayloomDlg::OnPrintAllEntries()
{
    m_pEntries->PrintAllEntries();
}
void CDayloomDlg::OnReminders()
{
    m_pPlanning->Reminders();
}
void CDayloomDlg::OnPlanner()
{
    m_pPlanning->Planner();
}
void CDayloomDlg::OnTipOfTheDay()
{
    CTipDlg dialog(this);
    CModal::Exec(dialog);
}

void CDayloomDlg::OnAbout()
{
    CAboutDlg dialog(this);
    CModal::Exec(dialog);
}

void CDayloomDlg::OnHelpContents()
{
    CHelp::Show(this, HelpContext::Contents);
}

void CDayloomDlg::OnHelpMainWindow()
{
    CHelp::Show(this, HelpContext::MainWindow);
}

void CDayloomDlg::OnWebSite()
{
    CAboutDlg::OpenWebSite();
    m_pBrowser->FocusList();
}

void CDayloomDlg::OnMail()
{
    CAboutDlg::SendMail();
    m_pBrowser->FocusList();
}

void CDayloomDlg::OnExit()
{
    accept();
}
