#include "app/DayloomDlg.h"

#include "app/DiaryCommands.h"
#include "app/DiaryOpener.h"
#include "app/EncryptionCommands.h"
#include "app/EntryLineDelegate.h"
#include "app/EntryListModel.h"
#include "app/EntryPanel.h"
#include "app/ImportHost.h"
#include "app/MainMenu.h"
#include "app/SearchMode.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/NewEntryDlg.h"
#include "dialogs/NewPasswordPrompt.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/TipDlg.h"
#include "import/Version1Importer.h"
#include "planning/PlannerDlg.h"
#include "planning/PlannerSummary.h"
#include "planning/ReminderSummary.h"
#include "planning/RemindersDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/DiaryReservation.h"
#include "platform/FileDialogs.h"
#include "platform/FileErrorMessage.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PathText.h"
#include "platform/RecentDiaries.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "print/EntryPrinter.h"
#include "stats/OnThisDayView.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/TimeText.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/GraphChoiceBox.h"
#include "widgets/GraphCtrl.h"
#include "widgets/ScrambledDiaryBar.h"

#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

static void InitIconResources()
{
    Q_INIT_RESOURCE(dayloom);
}

namespace {
constexpr int kHelpMainWindow = 65540;
} // namespace

CDayloomDlg::CDayloomDlg(QWidget* parent, const QString& startDiary) : QDialog(parent)
{
    InitIconResources();
    setObjectName(QStringLiteral("DayloomDlg"));
    setWindowTitle(CAppInfo::Title());
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/dayloom.svg")));
    // The last diary's password is asked before the window is built: the
    // prompt centres on the screen, where the window will be, and unlocking
    // an encrypted diary (whose key derivation takes 64 MiB for a moment)
    // does not hold that memory together with all the window holds.
    const std::optional<LastDiary> last = startDiary.isEmpty() ? LastDiaryToReopen() : std::nullopt;
    std::optional<CDiaryOpener::Opened> reopened;
    if (last) {
        reopened = OpenBeforeBuilding(*last);
    }
    m_pCommands = new CDiaryCommands(*this);
    m_pSearchMode = new CSearchMode(*this);
    BuildControls();
    // Messages while the last diary is loaded centre on this window, so
    // give it its size and its place in the middle of the screen first, not
    // the corner it would have before it is shown.
    adjustSize();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
    OnInitDialog(std::move(reopened), last ? last->fileTitle : QString());
    if (!startDiary.isEmpty()) {
        OpenDiaryFile(startDiary);
    }
}

CDayloomDlg::~CDayloomDlg() = default;

CEntryRichEdit* CDayloomDlg::EntryView() const
{
    return m_pPanel->View();
}

// ---------------------------------------------------------------- controls

QPushButton* CDayloomDlg::MakeButton(const QString& name, const QString& themeIcon,
                                     const QString& fallback, const QString& toolTip,
                                     void (CDayloomDlg::*command)())
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    // A picture button is named for screen readers by what its tip says.
    button->setAccessibleName(toolTip.isEmpty() ? name : toolTip);
    button->setIcon(QIcon::fromTheme(themeIcon, QIcon(QStringLiteral(":/icons/") + fallback)));
    button->setIconSize(QSize(24, 24));
    button->setAutoDefault(false);
    if (!toolTip.isEmpty()) {
        button->setToolTip(toolTip);
    }
    if (command != nullptr) {
        connect(button, &QPushButton::clicked, this, command);
    }
    return button;
}

void CDayloomDlg::BuildControls()
{
    // Entry list and the navigation under it.
    m_pEntryModel = new CEntryListModel(this);
    m_pEntryList = new QListView(this);
    m_pEntryList->setObjectName(QStringLiteral("entryList"));
    m_pEntryList->setAccessibleName(QStringLiteral("Entries"));
    m_pEntryDelegate = new CEntryLineDelegate(m_pEntryList);
    m_pEntryList->setUniformItemSizes(true);
    m_pEntryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pEntryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pEntryList->setToolTip(QStringLiteral("Click on any entry here to make it current"));
    m_pEntryList->setMinimumWidth(260);
    UseListModel(m_pEntryModel, m_pEntryDelegate);
    connect(m_pEntryList, &QListView::doubleClicked, this, &CDayloomDlg::OnEditEntry);

    // The picture buttons: name, theme icon, fallback picture, tip, command.
    struct ButtonLayout
    {
        const char* name;
        const char* icon;
        const char* picture;
        QString tip;
        void (CDayloomDlg::*command)();
    };
    const ButtonLayout layouts[] = {
        {"Go to first", "go-first", "first.svg", "Jump to the first entry", &CDayloomDlg::OnFirst},
        {"Go to previous", "go-previous", "previous.svg", "View the previous entry",
         &CDayloomDlg::OnPrevious},
        {"Go to next", "go-next", "next.svg", "View the next entry", &CDayloomDlg::OnNext},
        {"Go to last", "go-last", "last.svg", "Jump to the last entry", &CDayloomDlg::OnLast},
        {"Delete", "edit-delete", "delete.svg", "Delete the current entry",
         &CDayloomDlg::OnDeleteEntry},
        {"Search", "edit-find", "search.svg", "Check this box to go into search mode",
         &CDayloomDlg::OnSearch},
        {"New entry", "document-new", "new-entry.svg",
         "Create a new entry (keyboard shortcut - F2)", &CDayloomDlg::OnNewEntry},
        {"Reminder", "appointment-new", "reminder.svg",
         "Add or delete reminders (keyboard shortcut - F3)", &CDayloomDlg::OnReminders},
        {"Planner", "x-office-calendar", "planner.svg",
         "Add, delete and manage plans (keyboard shortcut - F4)", &CDayloomDlg::OnPlanner},
        {"Print current entry", "document-print", "print.svg", "Print the current entry",
         &CDayloomDlg::OnPrintCurrentEntry},
        {"Print all entries", "printer", "print-all.svg", "Print all entries",
         &CDayloomDlg::OnPrintAllEntries},
        {"Options", "preferences-system", "options.svg", "Change Dayloom options",
         &CDayloomDlg::OnOptions},
        {"Web site", "applications-internet", "web.svg",
         QStringLiteral("Visit the WWW site @ ") + CAppInfo::WebSite(), &CDayloomDlg::OnWebSite},
        {"Mail", "mail-send", "mail.svg", "Send an e-mail to the author", &CDayloomDlg::OnMail},
        {"Exit", "application-exit", "exit.svg", "Exit Dayloom", nullptr}};
    std::vector<QPushButton*> buttons;
    for (const ButtonLayout& button : layouts) {
        buttons.push_back(
            MakeButton(QString::fromLatin1(button.name), QString::fromLatin1(button.icon),
                       QString::fromLatin1(button.picture), button.tip, button.command));
    }
    m_pSearch = buttons[5];
    m_pSearch->setCheckable(true);
    m_pNewEntry = buttons[6];
    m_pNewEntry->setDefault(true);
    QPushButton* exitButton = buttons.back();
    connect(exitButton, &QPushButton::clicked, this, &CDayloomDlg::accept);

    QWidget* searchFrame = m_pSearchMode->MakeControls(this, m_pSearch);

    auto* navigation = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        navigation->addWidget(buttons[static_cast<size_t>(i)]);
    }

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(m_pSearchMode->MakeHeading(this));
    leftColumn->addWidget(m_pEntryList, 1);
    leftColumn->addLayout(navigation);
    leftColumn->addWidget(searchFrame);

    m_pPanel = new CEntryPanel(this);
    // Above the entry text while a four-file diary is open.
    m_pScrambledBar = new CScrambledDiaryBar(m_pPanel);
    static_cast<QVBoxLayout*>(m_pPanel->layout())->insertWidget(0, m_pScrambledBar);
    connect(m_pScrambledBar, &CScrambledDiaryBar::EncryptRequested, this,
            [this] { CEncryptionCommands::EncryptDiary(*this); });
    connect(m_pPanel->View(), &CEntryRichEdit::TagClicked, m_pSearchMode, &CSearchMode::SearchTag);

    // Summaries: shown, never selected.
    auto makeSummary = [this](const QString& name) {
        auto* list = new QListWidget(this);
        list->setObjectName(name);
        list->setAccessibleName(name);
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setFocusPolicy(Qt::NoFocus);
        // Room for a whole summary line in the usual case: a date in
        // brackets and a description of some twenty-five characters.
        list->setMinimumWidth(fontMetrics().horizontalAdvance(
                                  QStringLiteral("in 305 days [18 Mar, Mon]: Wedding anniversar")) +
                              2 * list->frameWidth() + 8);
        return list;
    };
    m_pReminderList = makeSummary(QStringLiteral("Reminders"));
    m_pPlannerList = makeSummary(QStringLiteral("Planner"));
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(new QLabel(QStringLiteral("Reminders:"), this));
    rightColumn->addWidget(m_pReminderList, 1);
    rightColumn->addWidget(m_pCommands->MakeOnThisDayView(this));
    rightColumn->addWidget(new QLabel(QStringLiteral("Planner:"), this));
    rightColumn->addWidget(m_pPlannerList, 1);

    // The graph panel lies over its frame; the frame's notice shows only
    // while the panel is not there.
    auto* graphFrame = new QLabel(
        QStringLiteral("You need at least 8 entries in your diary to view the graph!"), this);
    graphFrame->setObjectName(QStringLiteral("graphFrame"));
    graphFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    graphFrame->setAlignment(Qt::AlignCenter);
    graphFrame->setMinimumSize(400, 200);
    auto* frameLayout = new QVBoxLayout(graphFrame);
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 1;
    frameLayout->setContentsMargins(edge, edge, edge, edge);
    m_pGraph = new CGraphCtrl(graphFrame);
    m_pGraph->setObjectName(QStringLiteral("graph"));
    m_pGraph->setToolTip(QStringLiteral("This shows your selected graphs"));
    frameLayout->addWidget(m_pGraph);
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
    columns->addWidget(m_pPanel, 2);
    columns->addLayout(rightColumn, 1);

    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    CMainMenu::Build(*menuBar, *this);
    layout->setMenuBar(menuBar);
    layout->addLayout(columns, 1);
    layout->addLayout(graphRow);
    layout->addLayout(commandRow);

    // Tab goes through the window as it reads: the list and its buttons,
    // the search, the entry and its fields, the graph switches, then the
    // command row from left to right.
    std::vector<QWidget*> order = {m_pEntryList};
    order.insert(order.end(), buttons.begin(), buttons.begin() + 6);
    for (QWidget* widget : m_pSearchMode->TabChain()) {
        order.push_back(widget);
    }
    for (QWidget* widget : m_pPanel->TabChain()) {
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
        if (focusWidget() == m_pEntryList && IsSearching()) {
            if (SelectedIndex() >= 0) {
                ShowEntry(SelectedIndex());
            }
        } else if (focusWidget() == m_pEntryList) {
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

// ---------------------------------------------------------- initialisation

void CDayloomDlg::OnInitDialog(std::optional<CDiaryOpener::Opened> reopened,
                               const QString& fileTitle)
{
    CWaitCursor wait;

    // The choice box has read which series are shown.
    m_pGraphChoice->ApplyTo(*m_pGraph, false);
    m_pPanel->ApplyShown(m_pGraphChoice->Shown());
    m_pPanel->ShowMessage(CEntryPanel::WelcomeText());
    ResetGraph();
    LoadLabels();

    m_pEntryList->setEnabled(false);
    m_pNewEntry->setFocus();
    m_nStartAlarmBefore = CSettings::Get(CSettings::kStartAlarmBefore);
    m_pSearchMode->SetOn(false);

    if (reopened) {
        Guarded([&] {
            TakeOpened(std::move(*reopened), fileTitle);
            // A diary reopened without a password prompt keeps the program's title.
            if (IsDiaryOpen() && m_pSession->IsNew()) {
                setWindowTitle(CAppInfo::Title());
            }
        });
    }
    m_pEntryList->setFocus();
}

std::optional<CDayloomDlg::LastDiary> CDayloomDlg::LastDiaryToReopen()
{
    if (CSettings::Get(CSettings::kOpenLastDiary) != 1) {
        return std::nullopt;
    }
    LastDiary last;
    last.name = CDiaryName(CPathText::Encoded(CSettings::Get(CSettings::kDiaryFile)),
                           static_cast<uint16_t>(CSettings::Get(CSettings::kExtLoc)));
    last.fileTitle = CSettings::Get(CSettings::kShortFile);
    // An extension position that does not point into the file name's own
    // extension would make the store write beside the diary: nothing opens.
    if (!last.name.IsUsable()) {
        return std::nullopt;
    }
    return last;
}

std::optional<CDiaryOpener::Opened> CDayloomDlg::OpenBeforeBuilding(const LastDiary& last)
{
    // No window to centre on yet: the prompt and messages take the screen's middle.
    try {
        return CDiaryOpener::Open(nullptr, last.name);
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(nullptr, error);
        return std::nullopt;
    }
}

// --------------------------------------------------------- opening a diary

std::unique_ptr<CDiaryStore> CDayloomDlg::Store(int index) const
{
    return m_pSession->MakeStore(static_cast<uint32_t>(index));
}

void CDayloomDlg::SetDiaryTitle(const QString& fileTitle)
{
    QString title = CAppInfo::Title();
    if (!fileTitle.isEmpty()) {
        title += QStringLiteral(" - ") + fileTitle;
    }
    if (IsDiaryOpen() && m_pSession->IsReadOnly()) {
        title += QStringLiteral(" (read-only)");
    }
    setWindowTitle(title);
}

void CDayloomDlg::CloseDiary()
{
    m_pScrambledBar->ShowFor({}, false);
    m_pSession.reset();
    m_pLock.reset(); // unlocks
    m_nShownEntry = -1;
    m_pSearchMode->DiaryChanged({});
}

bool CDayloomDlg::OpenDiary(const CDiaryName& name, const QString& fileTitle)
{
    CloseDiary();
    return TakeOpened(CDiaryOpener::Open(this, name), fileTitle);
}

bool CDayloomDlg::TakeOpened(CDiaryOpener::Opened opened, const QString& fileTitle)
{
    if (opened.outcome == CDiaryOpener::Outcome::Cancelled) {
        ResetGraph();
    }
    if (!opened.session) {
        setWindowTitle(CAppInfo::Title());
        return false;
    }
    m_pSession = std::move(opened.session);
    m_pLock = std::move(opened.lock);
    if (m_pLock) {
        // A second window tried to open this diary: this one comes forward.
        connect(m_pLock.get(), &CDiaryReservation::raiseRequested, this, [this] {
            showNormal();
            raise();
            activateWindow();
        });
    }
    SetDiaryTitle(fileTitle);
    m_pScrambledBar->ShowFor(QFile::decodeName(QByteArray::fromStdString(m_pSession->Path())),
                             m_pSession->Encrypted() == nullptr);
    if (opened.outcome == CDiaryOpener::Outcome::New) {
        m_pSession->RememberFiles();
        m_pEntryList->setEnabled(false);
        m_pNewEntry->setFocus();
    } else {
        LoadDiary();
    }
    return true;
}

void CDayloomDlg::OnOpenCreateDiary()
{
    OpenChosenDiary(CFileDialogs::OpenOrCreateDiary(this));
}

void CDayloomDlg::OpenDiaryFile(const QString& path)
{
    OpenChosenDiary(CFileDialogs::ChoiceFromPath(path));
}

void CDayloomDlg::OpenChosenDiary(const std::optional<DiaryChoice>& choice)
{
    Guarded([this, &choice] {
        uint16_t extLoc = IsDiaryOpen() ? m_pSession->Name().ExtLoc() : 0;
        if (choice) {
            const QString caption = CAppInfo::Caption(QStringLiteral("Open/Create Diary"));
            if (!choice->name.IsUsable()) {
                CMessageBox::Show(
                    this,
                    QStringLiteral("A diary's file name needs an extension, as in travel.ilm. "
                                   "Please choose another name."),
                    caption);
                return;
            }
            // The files made beside the diary (the password switch's marker,
            // a kept draft) must fit the folder's name limit as well.
            if (CDiarySession::IsNameTooLong(choice->name.Path())) {
                CMessageBox::Show(this,
                                  QStringLiteral("This file name is too long for a diary. Please "
                                                 "choose a shorter name."),
                                  caption);
                return;
            }
            CSettings::Set(CSettings::kShortFile, choice->fileTitle);
            m_pEntryModel->Clear();
            m_pPlannerList->clear();
            m_pReminderList->clear();
            m_pCommands->RefreshOnThisDay();
            m_pPanel->ShowMessage(CEntryPanel::WelcomeText());
            ResetGraph();
            if (!OpenDiary(choice->name, choice->fileTitle)) {
                return;
            }
            CRecentDiaries::Add(CPathText::Decoded(choice->name.Path()));
            extLoc = choice->name.ExtLoc();
        }
        CSettings::Set(CSettings::kDiaryFile,
                       IsDiaryOpen() ? CPathText::Decoded(m_pSession->Path()) : QString());
        CSettings::Set(CSettings::kExtLoc, extLoc);
    });
}

void CDayloomDlg::LoadDiary()
{
    FillEntryList(true);
    RefreshReminderSummary();
    RefreshPlannerSummary();
}

void CDayloomDlg::FillEntryList(bool showLast)
{
    CWaitCursor wait;
    m_pEntryModel->Clear();
    std::vector<EntryHeader> headers;
    if (IsDiaryOpen() && Store()->ReadAllEntryHeaders(headers) && !headers.empty()) {
        std::vector<int64_t> times;
        times.reserve(headers.size());
        for (const EntryHeader& header : headers) {
            times.push_back(header.time);
        }
        m_pEntryModel->SetTimes(std::move(times));
        m_pGraph->SetGraphData(headers);
        m_pEntryList->setEnabled(true);
        m_pSearchMode->DiaryChanged(headers);
        if (showLast) {
            OnLast();
            // Last leaves a single entry unselected; a load still shows it.
            if (!IsSearching() && SelectedIndex() < 0) {
                SelectRow(0);
                ReadAndDisplay(0);
            }
        }
    } else {
        m_pEntryList->setEnabled(false);
        m_pSearchMode->DiaryChanged(headers);
        ResetGraph();
    }
    m_pEntryList->setFocus();
    if (IsDiaryOpen()) {
        m_pSession->RememberFiles(); // what this window has read
    }
}

void CDayloomDlg::RefillEntryList()
{
    Guarded([this] { FillEntryList(true); });
}

void CDayloomDlg::ResetGraph()
{
    m_pGraph->SetGraphData(0);
}

bool CDayloomDlg::ReloadIfChanged()
{
    if (!m_pSession->FilesChanged()) {
        return false;
    }
    // Another program wrote to the diary: what this window shows is stale.
    m_pSearchMode->Forget();
    m_pSession->ReadFirstEntry();
    FillEntryList(true);
    RefreshReminderSummary();
    RefreshPlannerSummary();
    return true;
}

bool CDayloomDlg::MayChange()
{
    if (m_pSession->IsReadOnly()) {
        CMessageBox::Show(this, QStringLiteral("This diary is read-only: it cannot be changed."),
                          CAppInfo::Title());
        return false;
    }
    ReloadIfChanged();
    return true;
}

// ------------------------------------------------------- the entry on view

bool CDayloomDlg::IsSearching() const
{
    return m_pSearchMode->IsOn();
}

void CDayloomDlg::UseListModel(QAbstractItemModel* model, QAbstractItemDelegate* delegate)
{
    QItemSelectionModel* old = m_pEntryList->selectionModel();
    m_pEntryList->setModel(model);
    m_pEntryList->setItemDelegate(delegate);
    delete old;
    connect(m_pEntryList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CDayloomDlg::OnSelchangeEntryList);
}

int CDayloomDlg::SelectedIndex() const
{
    const QModelIndexList rows = m_pEntryList->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : EntryOfLine(rows.constFirst().row());
}

int CDayloomDlg::EntryCount() const
{
    return m_pEntryModel->rowCount();
}

int CDayloomDlg::LineCount() const
{
    return IsSearching() ? m_pSearchMode->ResultCount() : EntryCount();
}

int CDayloomDlg::EntryOfLine(int line) const
{
    return IsSearching() ? m_pSearchMode->EntryOfRow(line) : line;
}

void CDayloomDlg::SelectRow(int index)
{
    // A command's own selection is not a click: it displays the entry itself.
    const int line = IsSearching() ? m_pSearchMode->RowOfEntry(index) : index;
    const QModelIndex row = m_pEntryList->model()->index(line, 0);
    m_bSelecting = true;
    m_pEntryList->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    m_bSelecting = false;
    if (row.isValid()) {
        m_pEntryList->scrollTo(row);
    }
}

void CDayloomDlg::OnSelchangeEntryList()
{
    const int index = SelectedIndex();
    if (!m_bSelecting && index >= 0) {
        ShowEntry(index);
    }
}

void CDayloomDlg::ShowEntry(int index)
{
    Guarded([this, index] { ReadAndDisplay(index); });
}

void CDayloomDlg::ReadAndDisplay(int index)
{
    const std::unique_ptr<CDiaryStore> store = Store(index);
    store->ReadEntry(); // a failed read shows what it left in the working entry
    m_pGraph->SetCurrentEntry(index);
    m_pPanel->Display(store->entry, m_labels);
    m_nShownEntry = index;
    m_pSearchMode->EntryShown();
}

void CDayloomDlg::LoadLabels()
{
    m_labels = LoadRatingLabels();
}

void CDayloomDlg::OnShowFlagsChanged()
{
    m_pGraphChoice->ApplyTo(*m_pGraph, IsDiaryOpen());
    m_pPanel->ApplyShown(m_pGraphChoice->Shown());
    m_pEntryList->setFocus();
}

// ---------------------------------------------------------------- commands

void CDayloomDlg::Guarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(this, error);
    }
}

void CDayloomDlg::OnEditEntry()
{
    m_pCommands->EditEntry();
}

void CDayloomDlg::OnStatistics()
{
    m_pCommands->Statistics();
}

void CDayloomDlg::OnNewEntry()
{
    Guarded([this] {
        if (!IsDiaryOpen()) {
            OnOpenCreateDiary();
            if (!IsDiaryOpen()) {
                return;
            }
        }
        if (!MayChange()) {
            return;
        }
        if (m_pSession->IsNew()) {
            const std::optional<Passphrase> password = CNewPasswordPrompt::Ask(
                this, CSettings::Get(CSettings::kShortFile), m_pSession->Encrypted() != nullptr);
            if (!password) {
                return;
            }
            m_pSession->SetPassword(*password);
        }
        if (CNewEntryDlg::Run(this, *m_pSession, std::nullopt, CClock::Now()).saved) {
            CWaitCursor wait;
            m_pSession->SetNew(false);
            FillEntryList(true);
        }
    });
}

void CDayloomDlg::OnFirst()
{
    Guarded([this] {
        m_pSearchMode->Flush();
        if (LineCount() == 0) {
            return;
        }
        const int index = EntryOfLine(0);
        SelectRow(index);
        ReadAndDisplay(index);
        m_pEntryList->setFocus();
    });
}

void CDayloomDlg::OnLast()
{
    Guarded([this] {
        m_pSearchMode->Flush();
        const int count = LineCount();
        if (count == 0 || (count == 1 && SelectedIndex() < 0)) {
            return;
        }
        const int index = EntryOfLine(count - 1);
        SelectRow(index);
        ReadAndDisplay(index);
        m_pEntryList->setFocus();
    });
}

void CDayloomDlg::OnPrevious()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        if (IsSearching()) {
            m_pSearchMode->Step(false);
            return;
        }
        const int selected = SelectedIndex();
        if (selected == 0) {
            return;
        }
        const int index = selected < 0 ? 0 : selected - 1;
        SelectRow(index);
        ReadAndDisplay(index);
        m_pEntryList->setFocus();
    });
}

void CDayloomDlg::OnNext()
{
    Guarded([this] {
        const int count = EntryCount();
        if (count == 0) {
            return;
        }
        if (IsSearching()) {
            m_pSearchMode->Step(true);
            return;
        }
        const int selected = SelectedIndex();
        if (selected >= count - 1) {
            CMessageBox::Show(this, QStringLiteral("There are no more entries in this diary!"),
                              CAppInfo::Title());
            return;
        }
        const int index = selected < 0 ? 0 : selected + 1;
        SelectRow(index);
        // Next moves the graph on as its scroll bar's page step would; the
        // entry shown below then places the current entry exactly.
        m_pGraph->OnHScroll(CGraphCtrl::ScrollRequest::PageRight);
        ReadAndDisplay(index);
        m_pEntryList->setFocus();
    });
}

void CDayloomDlg::OnSearch()
{
    if (m_pSearch->isChecked()) {
        m_pSearchMode->Focus();
        return;
    }
    Guarded([this] { m_pSearchMode->SetOn(false); });
    m_pEntryList->setFocus();
}

void CDayloomDlg::OnFind()
{
    m_pSearchMode->Focus();
}

void CDayloomDlg::OnDeleteEntry()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        const QString caption = CAppInfo::Caption(QStringLiteral("Delete Entry"));
        if (SelectedIndex() < 0) {
            CMessageBox::Show(
                this, QStringLiteral("You must have an entry selected in order to delete it!"),
                caption);
            return;
        }
        if (!MayChange()) {
            return;
        }
        // The entry on view is the selected one; the question names it, and
        // is asked again should another program change the diary meanwhile.
        int selected = -1;
        do {
            selected = SelectedIndex();
            if (selected < 0) {
                return;
            }
            const int64_t time = m_pEntryModel->Time(selected);
            const QString question =
                QStringLiteral("Delete current entry (%1)?")
                    .arg(QString::fromStdString(FormatTime("%a, %d %b %Y at %H:%M:%S", time)));
            if (!CMessageBox::Ask(this, question, caption)) {
                m_pEntryList->setFocus();
                return;
            }
        } while (ReloadIfChanged());

        const int line = IsSearching() ? m_pSearchMode->RowOfEntry(selected) : selected;
        const std::unique_ptr<CDiaryStore> store = Store(selected);
        if (store->DeleteEntry(static_cast<uint32_t>(selected))) {
            m_pEntryModel->Clear();
            if (store->m_nEntryCount > 0) {
                CWaitCursor wait;
                if (!IsSearching()) {
                    FillEntryList(true);
                } else {
                    // In search mode the result that took the deleted one's
                    // place becomes current.
                    FillEntryList(false);
                    const int index = EntryOfLine(std::min(line, LineCount() - 1));
                    if (index >= 0) {
                        SelectRow(index);
                        ReadAndDisplay(index);
                    }
                }
            } else {
                m_pSearchMode->DiaryChanged({});
                m_nShownEntry = -1;
                m_pEntryList->setEnabled(false);
                m_pPanel->ShowMessage(CEntryPanel::EmptyDiaryText());
                ResetGraph();
                m_pSession->SetNew(true);
                m_pSession->RememberFiles();
            }
        }
        m_pEntryList->setFocus();
    });
}

template <typename Dialog>
void CDayloomDlg::RunPlanning(const QString& refusal, void (CDayloomDlg::*refresh)())
{
    Guarded([&] {
        if (!IsDiaryOpen()) {
            CMessageBox::Show(this, refusal, CAppInfo::Title());
            return;
        }
        if (!MayChange()) {
            return;
        }
        // A new encrypted diary has no key yet: its password is asked first.
        if (m_pSession->Encrypted() != nullptr && m_pSession->IsNew()) {
            const std::optional<Passphrase> password = CNewPasswordPrompt::Ask(
                this, CSettings::Get(CSettings::kShortFile), m_pSession->Encrypted() != nullptr);
            if (!password) {
                return;
            }
            m_pSession->SetPassword(*password);
            m_pSession->ReadFirstEntry(); // no longer new: the password is set
        }
        Dialog dialog(this, *m_pSession);
        CModal::Exec(dialog);
        (this->*refresh)();
    });
}

void CDayloomDlg::OnReminders()
{
    RunPlanning<CRemindersDlg>(
        QStringLiteral("You must open or create a diary to use the reminder!"),
        &CDayloomDlg::RefreshReminderSummary);
}

void CDayloomDlg::OnPlanner()
{
    RunPlanning<CPlannerDlg>(QStringLiteral("You must open or create a diary to use the planners!"),
                             &CDayloomDlg::RefreshPlannerSummary);
}

void CDayloomDlg::RefreshReminderSummary()
{
    m_pReminderList->clear();
    if (IsDiaryOpen()) {
        m_pReminderList->addItems(
            CReminderSummary::Load(*m_pSession, CClock::Now(), m_nStartAlarmBefore));
        m_pSession->RememberFiles(); // the first read makes the file
    }
    m_pCommands->RefreshOnThisDay();
}

void CDayloomDlg::RefreshPlannerSummary()
{
    m_pPlannerList->clear();
    if (IsDiaryOpen()) {
        m_pPlannerList->addItems(CPlannerSummary::MainWindowLines(*m_pSession));
        m_pSession->RememberFiles();
    }
}

void CDayloomDlg::OnOptions()
{
    COptionsDlg dialog(this);
    if (CModal::Exec(dialog) == QDialog::Accepted) {
        LoadLabels();
        m_pCommands->RefreshOnThisDay();
    }
}

void CDayloomDlg::OnChangePassword()
{
    m_pCommands->ChangePassword();
}

void CDayloomDlg::OnPrintCurrentEntry()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        CEntryPrinter::PrintCurrentEntry(this, *m_pSession, SelectedIndex());
    });
}

void CDayloomDlg::OnPrintAllEntries()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        CEntryPrinter::PrintAllEntries(this, *m_pSession, EntryCount());
    });
}

void CDayloomDlg::ImportVersion1()
{
    Guarded([this] {
        CImportHost host(*this);
        CVersion1Importer importer(host);
        importer.Run();
    });
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
    m_pEntryList->setFocus();
}

void CDayloomDlg::OnMail()
{
    CAboutDlg::SendMail();
    m_pEntryList->setFocus();
}
