#include "app/DayloomDlg.h"

#include "dialogs/AboutDlg.h"
#include "app/EntryLineDelegate.h"
#include "app/EntryListModel.h"
#include "app/ImportHost.h"
#include "dialogs/SecurityDlg.h"
#include "dialogs/ChangePasswordDlg.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/GraphChoiceBox.h"
#include "widgets/GraphCtrl.h"
#include "dialogs/NewEntryDlg.h"
#include "dialogs/OptionsDlg.h"
#include "rtf/Rtf.h"
#include "dialogs/TipDlg.h"
#include "import/Version1Importer.h"
#include "planning/PlannerDlg.h"
#include "planning/PlannerSummary.h"
#include "platform/Clock.h"
#include "planning/ReminderSummary.h"
#include "planning/RemindersDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/FileErrorMessage.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "print/EntryPrinter.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/NumberText.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <vector>

static void InitIconResources()
{
    Q_INIT_RESOURCE(dayloom);
}

namespace {

const QString kInvalidPassword = QStringLiteral(
    "The password you've specified is invalid for this diary! Please make sure you are opening "
    "the diary you wish to and that you are entering the password correctly. Remember, the "
    "password is case sEnSiTiVe!");

// The password bytes of a record: up to the first zero byte.
std::string StoredPassword(const DiaryEntry& entry)
{
    return std::string(entry.password, strnlen(entry.password, sizeof(entry.password)));
}

// Typed text as the diary's single-byte code page holds it, cut at a zero
// character as the stored bytes are; nullopt when it cannot be encoded.
std::optional<std::string> PasswordBytes(const QString& typed)
{
    std::optional<std::string> bytes = CAnsiCodec::FromQString(typed);
    if (bytes) {
        bytes->resize(strnlen(bytes->c_str(), bytes->size()));
    }
    return bytes;
}

// A measurement with one decimal as printf's "%0.1f" writes it in the C
// locale: a decimal point whatever the user's locale, and an exact tie such
// as 36.25 rounded to even (36.2), where QString::number would round up.
QString OneDecimal(float value)
{
    return QString::fromStdString(FormatFixed(static_cast<double>(value), 1));
}

// The store puts 'd', 'r' or 'p' at the extension position of the encoded
// path, so that position must be the first character of an extension of the
// file name itself, never a character of a folder.
bool IsUsableExtension(const QString& path, int extLoc)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (extLoc <= 0 || extLoc >= encoded.size()) {
        return false;
    }
    return encoded[extLoc - 1] == '.' && encoded.lastIndexOf('/') < extLoc;
}
} // namespace

CDayloomDlg::CDayloomDlg(QWidget* parent) : QDialog(parent)
{
    InitIconResources();
    setObjectName(QStringLiteral("DayloomDlg"));
    setWindowTitle(CAppInfo::Title());
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/dayloom.svg")));
    BuildControls();
    BuildMenu();
    // Initialisation may already ask for the last diary's password; that
    // prompt and its messages centre on this window, so give it its size and
    // its place in the middle of the screen first, not the corner it would
    // have before it is shown.
    adjustSize();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
    OnInitDialog();
}

CDayloomDlg::~CDayloomDlg() = default;

QString CDayloomDlg::WelcomeText()
{
    return QStringLiteral("Welcome to ") + CAppInfo::Title() +
           QStringLiteral(" - your personal diary\n= e-mail: mailto:") + CAppInfo::MailAddress() +
           QStringLiteral("\n= WWW: ") + CAppInfo::WebSite() + QStringLiteral("\nEnjoy!");
}

QString CDayloomDlg::EmptyDiaryText()
{
    return CAppInfo::Title() + QStringLiteral(" - this diary has no entries now\n= e-mail: ") +
           CAppInfo::MailAddress() + QStringLiteral("\n= ") + CAppInfo::WebSite() +
           QStringLiteral("\nEnjoy!");
}

// ---------------------------------------------------------------- controls

QPushButton* CDayloomDlg::MakeButton(const QString& name, const QString& themeIcon,
                                     const QString& fallback, const QString& toolTip,
                                     void (CDayloomDlg::*command)())
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setAccessibleName(name);
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
    m_pEntryList->setModel(m_pEntryModel);
    m_pEntryList->setItemDelegate(new CEntryLineDelegate(m_pEntryList));
    m_pEntryList->setUniformItemSizes(true);
    m_pEntryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pEntryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pEntryList->setToolTip(QStringLiteral("Click on any entry here to make it current"));
    m_pEntryList->setMinimumWidth(260);
    connect(m_pEntryList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CDayloomDlg::OnSelchangeEntryList);

    QPushButton* first = MakeButton(
        QStringLiteral("Go to first"), QStringLiteral("go-first"), QStringLiteral("first.svg"),
        QStringLiteral("Jump to the first entry"), &CDayloomDlg::OnFirst);
    QPushButton* last = MakeButton(QStringLiteral("Go to last"), QStringLiteral("go-last"),
                                   QStringLiteral("last.svg"),
                                   QStringLiteral("Jump to the last entry"), &CDayloomDlg::OnLast);
    QPushButton* next = MakeButton(QStringLiteral("Go to next"), QStringLiteral("go-next"),
                                   QStringLiteral("next.svg"),
                                   QStringLiteral("View the next entry"), &CDayloomDlg::OnNext);
    QPushButton* previous =
        MakeButton(QStringLiteral("Go to previous"), QStringLiteral("go-previous"),
                   QStringLiteral("previous.svg"), QStringLiteral("View the previous entry"),
                   &CDayloomDlg::OnPrevious);
    QPushButton* remove = MakeButton(
        QStringLiteral("Delete"), QStringLiteral("edit-delete"), QStringLiteral("delete.svg"),
        QStringLiteral("Delete the current entry"), &CDayloomDlg::OnDeleteEntry);
    QPushButton* printCurrent =
        MakeButton(QStringLiteral("Print current entry"), QStringLiteral("document-print"),
                   QStringLiteral("print.svg"), QStringLiteral("Print the current entry"),
                   &CDayloomDlg::OnPrintCurrentEntry);
    QPushButton* web = MakeButton(
        QStringLiteral("Web site"), QStringLiteral("applications-internet"),
        QStringLiteral("web.svg"), QStringLiteral("Visit the WWW site @ ") + CAppInfo::WebSite(),
        &CDayloomDlg::OnWebSite);
    QPushButton* mail =
        MakeButton(QStringLiteral("Mail"), QStringLiteral("mail-send"), QStringLiteral("mail.svg"),
                   QStringLiteral("Send an e-mail to the author"), &CDayloomDlg::OnMail);
    m_pNewEntry = MakeButton(QStringLiteral("New entry"), QStringLiteral("document-new"),
                             QStringLiteral("new-entry.svg"),
                             QStringLiteral("Create a new entry (keyboard shortcut - F2)"),
                             &CDayloomDlg::OnNewEntry);
    m_pNewEntry->setDefault(true);
    QPushButton* exitButton =
        MakeButton(QStringLiteral("Exit"), QStringLiteral("application-exit"),
                   QStringLiteral("exit.svg"), QStringLiteral("Exit Dayloom"), nullptr);
    connect(exitButton, &QPushButton::clicked, this, &CDayloomDlg::accept);
    QPushButton* options =
        MakeButton(QStringLiteral("Options"), QStringLiteral("preferences-system"),
                   QStringLiteral("options.svg"), QStringLiteral("Change Dayloom options"),
                   &CDayloomDlg::OnOptions);
    m_pSearch = MakeButton(QStringLiteral("Search"), QStringLiteral("edit-find"),
                           QStringLiteral("search.svg"),
                           QStringLiteral("Check this box to go into search mode"), nullptr);
    m_pSearch->setCheckable(true);
    connect(m_pSearch, &QPushButton::clicked, this, &CDayloomDlg::OnSearch);
    QPushButton* printAll =
        MakeButton(QStringLiteral("Print all entries"), QStringLiteral("printer"),
                   QStringLiteral("print-all.svg"), QStringLiteral("Print all entries"),
                   &CDayloomDlg::OnPrintAllEntries);
    QPushButton* reminder =
        MakeButton(QStringLiteral("Reminder"), QStringLiteral("appointment-new"),
                   QStringLiteral("reminder.svg"),
                   QStringLiteral("Add or delete reminders (keyboard shortcut - F3)"),
                   &CDayloomDlg::OnReminders);
    QPushButton* planner =
        MakeButton(QStringLiteral("Planner"), QStringLiteral("x-office-calendar"),
                   QStringLiteral("planner.svg"),
                   QStringLiteral("Add, delete and manage plans (keyboard shortcut - F4)"),
                   &CDayloomDlg::OnPlanner);

    m_pSearchText = new QLineEdit(this);
    m_pSearchText->setObjectName(QStringLiteral("searchText"));
    m_pSearchText->setAccessibleName(QStringLiteral("Search text"));
    auto* searchFrame = new QGroupBox(this);
    auto* searchLayout = new QHBoxLayout(searchFrame);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    searchLayout->addWidget(m_pSearch);
    searchLayout->addWidget(m_pSearchText, 1);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(first);
    navigation->addWidget(previous);
    navigation->addWidget(next);
    navigation->addWidget(last);
    navigation->addWidget(remove);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(m_pEntryList, 1);
    leftColumn->addLayout(navigation);
    leftColumn->addWidget(searchFrame);

    // The current entry: its text, ratings, face, marks and measurements.
    m_pEntryView = new CEntryRichEdit(this);
    m_pEntryView->setObjectName(QStringLiteral("entryView"));
    m_pEntryView->setAccessibleName(QStringLiteral("Entry"));
    m_pEntryView->setReadOnly(true);
    m_pEntryView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                          Qt::LinksAccessibleByMouse);
    m_pEntryView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pEntryView->setMinimumSize(320, 220);
    // A found text stays highlighted while the focus is on the entry list.
    QPalette viewPalette = m_pEntryView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        viewPalette.setColor(QPalette::Inactive, role, viewPalette.color(QPalette::Active, role));
    }
    m_pEntryView->setPalette(viewPalette);

    auto makeRow = [this](FieldRow& row, const QString& caption, const QString& name) {
        row.caption = new QLabel(caption, this);
        row.field = new QLineEdit(this);
        row.field->setObjectName(name);
        row.field->setAccessibleName(caption.chopped(1));
        row.field->setReadOnly(true);
        row.caption->setBuddy(row.field);
        return row.field;
    };
    m_pMood = makeRow(m_moodRow, QStringLiteral("Mood:"), QStringLiteral("moodField"));
    m_pFatigue = makeRow(m_fatigueRow, QStringLiteral("Fatigue:"), QStringLiteral("fatigueField"));
    m_pShape = makeRow(m_shapeRow, QStringLiteral("Shape:"), QStringLiteral("shapeField"));
    m_pDream = makeRow(m_dreamRow, QStringLiteral("Dream:"), QStringLiteral("dreamField"));
    m_pTemperature = makeRow(m_temperatureRow, QStringLiteral("Temperature:"),
                             QStringLiteral("temperatureField"));
    m_pWeight = makeRow(m_weightRow, QStringLiteral("Weight:"), QStringLiteral("weightField"));

    m_pFace = new QLabel(this);
    m_pFace->setObjectName(QStringLiteral("facePicture"));
    m_pFace->setAccessibleName(QStringLiteral("Mood face"));
    m_pFace->setFixedSize(48, 48);
    m_pFace->setAlignment(Qt::AlignCenter);

    // The marks only show the entry's values: clicks and keys never reach them.
    auto makeMark = [this](const QString& caption) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(caption);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        box->installEventFilter(this);
        return box;
    };
    m_pCopulation = makeMark(QStringLiteral("Copulation"));
    m_pMenstruus = makeMark(QStringLiteral("Menstruus"));

    // The rating fields show the labels ("Very Good", "Exhausted"), the
    // measurement fields a few digits; neither should grow without end.
    const QFontMetrics metrics = fontMetrics();
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("Exhausted")) + 20;
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("000.00")) + 20;
    for (const FieldRow* row : {&m_moodRow, &m_fatigueRow, &m_shapeRow, &m_dreamRow}) {
        row->field->setMinimumWidth(labelWidth);
        row->field->setMaximumWidth(2 * labelWidth);
    }
    for (const FieldRow* row : {&m_temperatureRow, &m_weightRow}) {
        row->field->setMinimumWidth(numberWidth);
        row->field->setMaximumWidth(2 * numberWidth);
    }

    auto* fields = new QGridLayout;
    const FieldRow* rows[] = {&m_moodRow, &m_fatigueRow, &m_shapeRow, &m_dreamRow};
    for (int i = 0; i < 4; ++i) {
        fields->addWidget(rows[i]->caption, i, 0);
        fields->addWidget(rows[i]->field, i, 1);
    }
    fields->addWidget(m_pFace, 0, 2, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    fields->addWidget(m_pCopulation, 2, 2);
    fields->addWidget(m_pMenstruus, 3, 2);
    fields->addWidget(m_temperatureRow.caption, 0, 3);
    fields->addWidget(m_temperatureRow.field, 0, 4);
    fields->addWidget(m_weightRow.caption, 1, 3);
    fields->addWidget(m_weightRow.field, 1, 4);
    fields->setColumnMinimumWidth(2, m_pFace->width() + 8);
    fields->setColumnStretch(1, 2);
    fields->setColumnStretch(4, 1);
    fields->setColumnStretch(5, 1);

    auto* centreColumn = new QVBoxLayout;
    centreColumn->addWidget(m_pEntryView, 1);
    centreColumn->addLayout(fields);

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
    rightColumn->addWidget(new QLabel(QStringLiteral("Planner:"), this));
    rightColumn->addWidget(m_pPlannerList, 1);

    // The graph panel lies over its frame; the frame's notice shows only
    // while the panel is not there.
    m_pGraphFrame = new QLabel(
        QStringLiteral("You need at least 8 entries in your diary to view the graph!"), this);
    m_pGraphFrame->setObjectName(QStringLiteral("graphFrame"));
    m_pGraphFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pGraphFrame->setAlignment(Qt::AlignCenter);
    m_pGraphFrame->setMinimumSize(400, 200);
    auto* frameLayout = new QVBoxLayout(m_pGraphFrame);
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 1;
    frameLayout->setContentsMargins(edge, edge, edge, edge);
    m_pGraph = new CGraphCtrl(m_pGraphFrame);
    m_pGraph->setObjectName(QStringLiteral("graph"));
    m_pGraph->setToolTip(QStringLiteral("This shows your selected graphs"));
    frameLayout->addWidget(m_pGraph);
    m_pGraphChoice = new CGraphChoiceBox(this);
    connect(m_pGraphChoice, &CGraphChoiceBox::ShowFlagsChanged, this,
            &CDayloomDlg::OnShowFlagsChanged);

    auto* graphRow = new QHBoxLayout;
    graphRow->addWidget(m_pGraphFrame, 1);
    graphRow->addWidget(m_pGraphChoice);

    auto* commandRow = new QHBoxLayout;
    for (QPushButton* button :
         {m_pNewEntry, reminder, planner, printCurrent, printAll, options, web, mail}) {
        commandRow->addWidget(button);
    }
    commandRow->addStretch();
    commandRow->addWidget(exitButton);

    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn);
    columns->addLayout(centreColumn, 2);
    columns->addLayout(rightColumn, 1);

    auto* layout = new QVBoxLayout(this);
    m_pMenuBar = new QMenuBar(this);
    layout->setMenuBar(m_pMenuBar);
    layout->addLayout(columns, 1);
    layout->addLayout(graphRow);
    layout->addLayout(commandRow);

    // Tab goes through the window as it reads: the list and its buttons,
    // the search, the entry and its fields, the graph switches, then the
    // command row from left to right.
    std::vector<QWidget*> order = {m_pEntryList, first,          previous,   next,
                                   last,         remove,         m_pSearch,  m_pSearchText,
                                   m_pEntryView, m_pMood,        m_pFatigue, m_pShape,
                                   m_pDream,     m_pTemperature, m_pWeight};
    for (int i = 0; i < CGraphChoiceBox::kSeriesCount; ++i) {
        order.push_back(m_pGraphChoice->Button(static_cast<GraphSeries>(i)));
    }
    for (QPushButton* button :
         {m_pNewEntry, reminder, planner, printCurrent, printAll, options, web, mail, exitButton}) {
        order.push_back(button);
    }
    for (size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void CDayloomDlg::BuildMenu()
{
    auto add = [this](QMenu* menu, const QString& text, void (CDayloomDlg::*command)(),
                      QKeySequence key = QKeySequence()) {
        QAction* action = menu->addAction(text);
        if (!key.isEmpty()) {
            action->setShortcut(key);
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action); // the keys work whether or not the menu was opened
        }
        connect(action, &QAction::triggered, this, command);
        return action;
    };

    QMenu* file = m_pMenuBar->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("&Open/Create Diary..."), &CDayloomDlg::OnOpenCreateDiary);
    file->addSeparator();
    add(file, QStringLiteral("Print &all entries"), &CDayloomDlg::OnPrintAllEntries);
    file->addSeparator();
    add(file, QStringLiteral("&Change password..."), &CDayloomDlg::OnChangePassword);
    add(file, QStringLiteral("&Options..."), &CDayloomDlg::OnOptions);
    file->addSeparator();
    QAction* exitAction = file->addAction(QStringLiteral("E&xit\tAlt+F4"));
    connect(exitAction, &QAction::triggered, this, &CDayloomDlg::accept);

    QMenu* entry = m_pMenuBar->addMenu(QStringLiteral("&Entry"));
    add(entry, QStringLiteral("&New entry...\tF2"), &CDayloomDlg::OnNewEntry, Qt::Key_F2);
    entry->addSeparator();
    add(entry, QStringLiteral("Go to &first"), &CDayloomDlg::OnFirst);
    add(entry, QStringLiteral("Go to &previous"), &CDayloomDlg::OnPrevious);
    add(entry, QStringLiteral("Go to &next"), &CDayloomDlg::OnNext);
    add(entry, QStringLiteral("Go to &last"), &CDayloomDlg::OnLast);
    entry->addSeparator();
    add(entry, QStringLiteral("Print &current entry"), &CDayloomDlg::OnPrintCurrentEntry);

    QMenu* tools = m_pMenuBar->addMenu(QStringLiteral("&Tools"));
    add(tools, QStringLiteral("&Reminders...\tF3"), &CDayloomDlg::OnReminders, Qt::Key_F3);
    add(tools, QStringLiteral("&Planner...\tF4"), &CDayloomDlg::OnPlanner, Qt::Key_F4);
    tools->addSeparator();
    add(tools, QStringLiteral("Import from Dayloom v1.00"), &CDayloomDlg::ImportVersion1);

    QMenu* help = m_pMenuBar->addMenu(QStringLiteral("&Help"));
    add(help, QStringLiteral("Contents\tF1"), &CDayloomDlg::OnHelpContents, Qt::Key_F1);
    add(help, QStringLiteral("Help on main window"), &CDayloomDlg::OnHelpMainWindow);
    help->addSeparator();
    add(help, QStringLiteral("Tip of the Day..."), &CDayloomDlg::OnTipOfTheDay);
    help->addSeparator();
    add(help, QStringLiteral("&About Dayloom..."), &CDayloomDlg::OnAbout);
}

QAbstractButton* CDayloomDlg::Button(const QString& name) const
{
    return findChild<QAbstractButton*>(name);
}

QAction* CDayloomDlg::Action(const QString& text) const
{
    for (QMenu* menu : m_pMenuBar->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
    }
    return nullptr;
}

bool CDayloomDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pCopulation || watched == m_pMenstruus) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDayloomDlg::keyPressEvent(QKeyEvent* event)
{
    // The main window is no ordinary dialog: Enter does not press a default
    // button and Esc does not close the program.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// ---------------------------------------------------------- initialisation

void CDayloomDlg::OnInitDialog()
{
    CWaitCursor wait;

    m_bShowMood = CSettings::GetProfileInt(QStringLiteral("bShowMood"), 1);
    m_bShowFatigue = CSettings::GetProfileInt(QStringLiteral("bShowFatigue"), 1);
    m_bShowShape = CSettings::GetProfileInt(QStringLiteral("bShowShape"), 1);
    m_bShowDream = CSettings::GetProfileInt(QStringLiteral("bShowDream"), 1);
    m_bShowTemp = CSettings::GetProfileInt(QStringLiteral("bShowTemp"), 1);
    m_bShowWeight = CSettings::GetProfileInt(QStringLiteral("bShowWeight"), 1);
    m_bShowMenstruus = CSettings::GetProfileInt(QStringLiteral("bShowMenstruus"), 1);
    m_bShowCopulation = CSettings::GetProfileInt(QStringLiteral("bShowCopulation"), 1);
    m_pGraph->m_bShowMood = m_bShowMood;
    m_pGraph->m_bShowFatigue = m_bShowFatigue;
    m_pGraph->m_bShowShape = m_bShowShape;
    m_pGraph->m_bShowDream = m_bShowDream;
    m_pGraph->m_bShowTemp = m_bShowTemp;
    m_pGraph->m_bShowWeight = m_bShowWeight;
    m_pGraph->m_bShowMenstruus = m_bShowMenstruus;
    m_pGraph->m_bShowCopulation = m_bShowCopulation;
    ApplyShowFlags();

    for (int mood = -3; mood <= 3; ++mood) {
        m_faces[mood + 3] = LoadFacePicture(mood);
    }
    m_pEntryView->setPlainText(WelcomeText());
    ResetGraph();
    LoadLabels();

    m_pEntryList->setEnabled(false);
    m_pNewEntry->setFocus();
    m_strDiaryFile.clear();
    m_bOpenLastDiary = CSettings::GetProfileInt(QStringLiteral("OpenLastDiary"), 0);
    m_nStartAlarmBefore = CSettings::GetProfileInt(QStringLiteral("StartAlarmBefore"), 5);
    m_pSearch->setChecked(false);
    m_pSearchText->setEnabled(false);
    m_bSearching = 0;

    if (m_bOpenLastDiary == 1) {
        Guarded([this] { ReopenLastDiary(); });
    }
    m_pEntryList->setFocus();
}

void CDayloomDlg::ReopenLastDiary()
{
    m_strDiaryFile = CSettings::GetProfileString(QStringLiteral("DiaryFile"), QString());
    m_nExtLoc = static_cast<uint16_t>(CSettings::GetProfileInt(QStringLiteral("ExtLoc"), 0));
    // An extension position that does not point into the file name's own
    // extension would make the store write beside the diary: nothing opens.
    if (m_strDiaryFile.isEmpty() || !IsUsableExtension(m_strDiaryFile, m_nExtLoc)) {
        m_strDiaryFile.clear();
        return;
    }

    CDiaryStore store(0, StorePath(), m_nExtLoc);
    if (!store.ReadFirstEntry()) {
        // The diary has no entries (yet): the next new entry sets its password.
        m_pEntryList->setEnabled(false);
        m_pEntryList->setFocus();
        m_bNewDiary = 1;
        return;
    }
    m_bNewDiary = 0;
    bool cancelled = false;
    if (!CheckPassword(store.entry, cancelled)) {
        m_strDiaryFile.clear();
        return;
    }
    const QString shortFile = CSettings::GetProfileString(QStringLiteral("shortFile"), QString());
    SetDiaryTitle(shortFile);
    LoadDiary();
}

// --------------------------------------------------------- opening a diary

std::string CDayloomDlg::StorePath() const
{
    return QFile::encodeName(m_strDiaryFile).toStdString();
}

void CDayloomDlg::SetDiaryTitle(const QString& fileTitle)
{
    setWindowTitle(fileTitle.isEmpty() ? CAppInfo::Title()
                                       : CAppInfo::Title() + QStringLiteral(" - ") + fileTitle);
}

bool CDayloomDlg::CheckPassword(const DiaryEntry& first, bool& cancelled)
{
    cancelled = false;
    CSecurityDlg prompt(this);
    prompt.m_strFile = CSettings::GetProfileString(QStringLiteral("shortFile"), QString());
    prompt.m_bNoCancel = false;
    if (CModal::Exec(prompt) != QDialog::Accepted) {
        cancelled = true;
        return false;
    }
    const std::optional<std::string> typed = PasswordBytes(prompt.m_strPassword);
    if (!typed || *typed != StoredPassword(first)) {
        CMessageBox::Show(this, kInvalidPassword, CAppInfo::Title());
        return false;
    }
    return true;
}

void CDayloomDlg::OnOpenCreateDiary()
{
    Guarded([this] {
        const std::optional<DiaryChoice> choice = CFileDialogs::OpenOrCreateDiary(this);
        if (choice) {
            if (!IsUsableExtension(choice->path, choice->extLoc)) {
                CMessageBox::Show(
                    this,
                    QStringLiteral("A diary's file name needs an extension, as in travel.ilm. "
                                   "Please choose another name."),
                    CAppInfo::Caption(QStringLiteral("Open/Create Diary")));
                return;
            }
            m_strDiaryFile = choice->path;
            m_nExtLoc = choice->extLoc;
            CSettings::WriteProfileString(QStringLiteral("shortFile"), choice->fileTitle);
            setWindowTitle(CAppInfo::Title() + QStringLiteral(" - ") + choice->fileTitle);
            m_pEntryModel->Clear();
            m_pPlannerList->clear();
            m_pReminderList->clear();
            m_pEntryView->setPlainText(WelcomeText());
            ResetGraph();

            // A new diary may be typed into a folder that does not exist yet
            // (~/Diaries/travel); the store creates only files, so make the
            // folder first. Should that fail, the store reports the file.
            QDir().mkpath(QFileInfo(m_strDiaryFile).absolutePath());
            CDiaryStore store(0, StorePath(), m_nExtLoc);
            if (!store.ReadFirstEntry()) {
                m_pEntryList->setEnabled(false);
                m_pNewEntry->setFocus();
                m_bNewDiary = 1;
            } else {
                m_bNewDiary = 0;
                bool cancelled = false;
                if (!CheckPassword(store.entry, cancelled)) {
                    if (cancelled) {
                        ResetGraph();
                    }
                    m_strDiaryFile.clear();
                    m_bNewDiary = 1;
                    setWindowTitle(CAppInfo::Title());
                    return;
                }
                LoadDiary();
            }
        }
        CSettings::WriteProfileString(QStringLiteral("DiaryFile"), m_strDiaryFile);
        CSettings::WriteProfileInt(QStringLiteral("ExtLoc"), m_nExtLoc);
    });
}

void CDayloomDlg::LoadDiary()
{
    FillEntryList(true);
    // Unlocking a diary opens its list to clicks even in search mode, unlike
    // a refill, which keeps the list closed while searching.
    if (EntryCount() > 0) {
        m_pEntryList->setEnabled(true);
    }
    RefreshReminderSummary();
    RefreshPlannerSummary();
}

void CDayloomDlg::FillEntryList(bool showLast)
{
    CWaitCursor wait;
    m_pEntryModel->Clear();
    CDiaryStore store(0, StorePath(), m_nExtLoc);
    std::vector<EntryHeader> headers;
    if (store.ReadAllEntryHeaders(headers) && !headers.empty()) {
        std::vector<int64_t> times;
        times.reserve(headers.size());
        for (const EntryHeader& header : headers) {
            times.push_back(header.time);
        }
        m_pEntryModel->SetTimes(std::move(times));
        m_pGraph->SetGraphData(headers);
        m_pEntryList->setEnabled(m_bSearching == 0);
        if (showLast) {
            OnLast();
            // Last leaves a single entry unselected; a load still shows it.
            if (m_bSearching == 0 && SelectedIndex() < 0) {
                SelectRow(0);
                ReadAndDisplay(0);
            }
        }
    } else {
        m_pEntryList->setEnabled(false);
        ResetGraph();
    }
    m_pEntryList->setFocus();
}

void CDayloomDlg::RefillEntryList()
{
    Guarded([this] { FillEntryList(true); });
}

void CDayloomDlg::ResetGraph()
{
    m_pGraph->SetGraphData(0);
}

// ------------------------------------------------------- the entry on view

int CDayloomDlg::SelectedIndex() const
{
    const QModelIndexList rows = m_pEntryList->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

int CDayloomDlg::EntryCount() const
{
    return m_pEntryModel->rowCount();
}

QString CDayloomDlg::EntryLine(int row) const
{
    return m_pEntryModel->Line(row);
}

void CDayloomDlg::SelectRow(int row)
{
    // A command's own selection is not a click: it displays the entry itself.
    const QModelIndex index = m_pEntryModel->index(row, 0);
    m_bSelecting = true;
    m_pEntryList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_bSelecting = false;
    m_pEntryList->scrollTo(index);
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
    CDiaryStore store(static_cast<uint32_t>(index), StorePath(), m_nExtLoc);
    store.ReadEntry(); // a failed read shows what it left in the working entry
    m_pGraph->SetCurrentEntry(index);
    DisplayEntry(store.entry);
}

void CDayloomDlg::DisplayEntry(const DiaryEntry& entry)
{
    m_pEntryView->StreamInRtf(entry.text);
    m_pMood->setText(LabelFor(m_labels, RatingScale::Mood, entry.mood));
    m_pFatigue->setText(LabelFor(m_labels, RatingScale::Fatigue, entry.fatigue));
    m_pShape->setText(LabelFor(m_labels, RatingScale::Shape, entry.shape));
    m_pDream->setText(LabelFor(m_labels, RatingScale::Dream, entry.dream));
    m_pCopulation->setChecked(entry.copulation != 0);
    m_pMenstruus->setChecked(entry.menstruus != 0);
    m_pWeight->setText(QString::number(entry.weight));
    m_pTemperature->setText(OneDecimal(entry.temperature));
    if (entry.mood >= -3 && entry.mood <= 3) {
        m_pFace->setPixmap(m_faces[entry.mood + 3]);
    } else {
        m_pFace->clear();
    }
}

void CDayloomDlg::LoadLabels()
{
    m_labels = LoadRatingLabels();
}

void CDayloomDlg::ApplyShowFlags()
{
    m_moodRow.caption->setVisible(m_bShowMood != 0);
    m_moodRow.field->setVisible(m_bShowMood != 0);
    m_pFace->setVisible(m_bShowMood != 0);
    m_fatigueRow.caption->setVisible(m_bShowFatigue != 0);
    m_fatigueRow.field->setVisible(m_bShowFatigue != 0);
    m_shapeRow.caption->setVisible(m_bShowShape != 0);
    m_shapeRow.field->setVisible(m_bShowShape != 0);
    m_dreamRow.caption->setVisible(m_bShowDream != 0);
    m_dreamRow.field->setVisible(m_bShowDream != 0);
    m_temperatureRow.caption->setVisible(m_bShowTemp != 0);
    m_temperatureRow.field->setVisible(m_bShowTemp != 0);
    m_weightRow.caption->setVisible(m_bShowWeight != 0);
    m_weightRow.field->setVisible(m_bShowWeight != 0);
    m_pMenstruus->setVisible(m_bShowMenstruus != 0);
    m_pCopulation->setVisible(m_bShowCopulation != 0);
}

void CDayloomDlg::OnShowFlagsChanged()
{
    m_bShowMood = m_pGraphChoice->IsShown(GraphSeries::Mood) ? 1 : 0;
    m_bShowFatigue = m_pGraphChoice->IsShown(GraphSeries::Fatigue) ? 1 : 0;
    m_bShowShape = m_pGraphChoice->IsShown(GraphSeries::Shape) ? 1 : 0;
    m_bShowDream = m_pGraphChoice->IsShown(GraphSeries::Dream) ? 1 : 0;
    m_bShowTemp = m_pGraphChoice->IsShown(GraphSeries::Temperature) ? 1 : 0;
    m_bShowWeight = m_pGraphChoice->IsShown(GraphSeries::Weight) ? 1 : 0;
    m_bShowMenstruus = m_pGraphChoice->IsShown(GraphSeries::Menstruus) ? 1 : 0;
    m_bShowCopulation = m_pGraphChoice->IsShown(GraphSeries::Copulation) ? 1 : 0;
    m_pGraphChoice->ApplyTo(*m_pGraph, IsDiaryOpen());
    ApplyShowFlags();
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

void CDayloomDlg::OnNewEntry()
{
    Guarded([this] {
        if (!IsDiaryOpen()) {
            OnOpenCreateDiary();
            if (!IsDiaryOpen()) {
                return;
            }
        }
        CNewEntryDlg editor(this, CClock::Now());
        editor.m_bNewDiary = m_bNewDiary != 0;
        if (m_bNewDiary != 0) {
            CMessageBox::Show(this,
                              QStringLiteral("You are creating a new diary and you must specify a "
                                             "password for it. The password is case SeNsItIvE!"),
                              CAppInfo::Title());
            CSecurityDlg prompt(this);
            prompt.m_strFile = CSettings::GetProfileString(QStringLiteral("shortFile"), QString());
            prompt.m_bNoCancel = true;
            // The prompt cannot be cancelled; should it end some other way,
            // there is no password to store an entry under.
            if (CModal::Exec(prompt) != QDialog::Accepted) {
                return;
            }
            const std::optional<std::string> password = PasswordBytes(prompt.m_strPassword);
            if (!password || password->size() < CSecurityDlg::kMinLength) {
                return;
            }
            editor.m_strPassword = *password;
        } else {
            CDiaryStore store(0, StorePath(), m_nExtLoc);
            store.ReadFirstEntry();
            editor.m_strPassword = StoredPassword(store.entry);
        }
        editor.m_strDiaryFile = m_strDiaryFile;
        editor.m_nExtLoc = m_nExtLoc;
        if (CModal::Exec(editor) == QDialog::Accepted) {
            CWaitCursor wait;
            m_bNewDiary = 0;
            FillEntryList(true);
        }
    });
}

void CDayloomDlg::OnFirst()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        if (m_bSearching != 0) {
            CMessageBox::Show(this, QStringLiteral("You cannot use this button while searching!"),
                              CAppInfo::Title());
            return;
        }
        SelectRow(0);
        ReadAndDisplay(0);
        m_pEntryList->setFocus();
    });
}

void CDayloomDlg::OnLast()
{
    Guarded([this] {
        const int count = EntryCount();
        if (count == 0 || (count == 1 && SelectedIndex() < 0)) {
            return;
        }
        if (m_bSearching != 0) {
            CMessageBox::Show(this, QStringLiteral("You cannot use this button while searching!"),
                              CAppInfo::Title());
            return;
        }
        SelectRow(count - 1);
        ReadAndDisplay(count - 1);
        m_pEntryList->setFocus();
    });
}

void CDayloomDlg::OnPrevious()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        if (m_bSearching != 0) {
            Search(false);
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
        if (m_bSearching != 0) {
            Search(true);
            return;
        }
        const int selected = SelectedIndex();
        if (selected >= count - 1) {
            CMessageBox::Show(this, QStringLiteral("There are no more entries in this diary!"),
                              CAppInfo::AppName());
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

void CDayloomDlg::Search(bool forward)
{
    const int count = EntryCount();
    const QString needle = m_pSearchText->text();
    const int start = SelectedIndex();
    int selected = start;
    // The walk moves the selection and the graph's current entry only once,
    // to where it stops: nothing is drawn in between anyway.
    auto stopAt = [this, start](int index) {
        if (index != start) {
            SelectRow(index);
            m_pGraph->SetCurrentEntry(index);
        }
        m_pEntryList->setFocus();
    };
    for (;;) {
        int index = 0;
        if (forward) {
            if (selected >= count - 1) {
                stopAt(selected);
                CMessageBox::Show(this, QStringLiteral("There are no more entries in this diary!"),
                                  CAppInfo::AppName());
                return;
            }
            index = selected < 0 ? 0 : selected + 1;
        } else {
            if (selected == 0) {
                stopAt(selected);
                return;
            }
            index = selected < 0 ? 0 : selected - 1;
        }

        CDiaryStore store(static_cast<uint32_t>(index), StorePath(), m_nExtLoc);
        store.ReadEntry();
        // The search runs over the text as the view shows it, not the RTF.
        const QString shown = RtfToPlainText(store.entry.text);
        qsizetype at = 0;
        if (!needle.isEmpty()) {
            at = forward ? shown.indexOf(needle, 0, Qt::CaseInsensitive)
                         : shown.lastIndexOf(needle, -1, Qt::CaseInsensitive);
        }
        if (at >= 0) {
            SelectRow(index);
            m_pGraph->SetCurrentEntry(index);
            DisplayEntry(store.entry);
            QTextCursor cursor(m_pEntryView->document());
            cursor.setPosition(static_cast<int>(at));
            cursor.setPosition(static_cast<int>(at + needle.size()), QTextCursor::KeepAnchor);
            m_pEntryView->setTextCursor(cursor);
            m_pEntryView->ensureCursorVisible();
            m_pEntryList->setFocus();
            return;
        }
        selected = index;
    }
}

void CDayloomDlg::OnSearch()
{
    Guarded([this] {
        if (m_pSearch->isChecked()) {
            m_pSearchText->setEnabled(true);
            m_pEntryList->setEnabled(false);
            m_bSearching = 1;
        } else {
            m_pSearchText->setEnabled(false);
            if (EntryCount() > 0) {
                m_pEntryList->setEnabled(true);
            }
            m_bSearching = 0;
            const int selected = SelectedIndex();
            if (IsDiaryOpen() && selected >= 0) {
                CDiaryStore store(static_cast<uint32_t>(selected), StorePath(), m_nExtLoc);
                store.ReadEntry();
                DisplayEntry(store.entry);
            }
        }
        m_pEntryList->setFocus();
    });
}

void CDayloomDlg::OnDeleteEntry()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        const QString caption = CAppInfo::Caption(QStringLiteral("Delete Entry"));
        const int selected = SelectedIndex();
        if (selected < 0) {
            CMessageBox::Show(
                this, QStringLiteral("You must have an entry selected in order to delete it!"),
                caption);
            return;
        }
        if (CMessageBox::Ask(this, QStringLiteral("Delete current entry?"), caption)) {
            CDiaryStore store(static_cast<uint32_t>(selected), StorePath(), m_nExtLoc);
            if (store.DeleteEntry(static_cast<uint32_t>(selected))) {
                m_pEntryModel->Clear();
                if (store.m_nEntryCount > 0) {
                    CWaitCursor wait;
                    if (m_bSearching == 0) {
                        FillEntryList(true);
                    } else {
                        // In search mode the entry that took the deleted one's
                        // place becomes current; Last below says once that it
                        // cannot be used while searching.
                        FillEntryList(false);
                        const int index = std::min(selected, EntryCount() - 1);
                        if (index >= 0) {
                            SelectRow(index);
                            ReadAndDisplay(index);
                        }
                    }
                } else {
                    m_pEntryList->setEnabled(false);
                    m_pEntryView->setPlainText(EmptyDiaryText());
                    for (QLineEdit* field :
                         {m_pMood, m_pFatigue, m_pShape, m_pDream, m_pTemperature, m_pWeight}) {
                        field->clear();
                    }
                    m_pCopulation->setChecked(false);
                    m_pMenstruus->setChecked(false);
                    m_pFace->clear();
                    ResetGraph();
                    m_bNewDiary = 1;
                }
            }
        }
        OnLast();
        m_pEntryList->setFocus();
    });
}

void CDayloomDlg::OnReminders()
{
    Guarded([this] {
        if (!IsDiaryOpen()) {
            CMessageBox::Show(
                this, QStringLiteral("You must open or create a diary to use the reminder!"),
                CAppInfo::AppName());
            return;
        }
        CRemindersDlg dialog(this, m_strDiaryFile, m_nExtLoc);
        CModal::Exec(dialog);
        RefreshReminderSummary();
    });
}

void CDayloomDlg::RefreshReminderSummary()
{
    m_pReminderList->clear();
    m_pReminderList->addItems(
        CReminderSummary::Load(StorePath(), m_nExtLoc, CClock::Now(), m_nStartAlarmBefore));
}

void CDayloomDlg::OnPlanner()
{
    Guarded([this] {
        if (!IsDiaryOpen()) {
            CMessageBox::Show(
                this, QStringLiteral("You must open or create a diary to use the planners!"),
                CAppInfo::AppName());
            return;
        }
        CPlannerDlg dialog(this, m_strDiaryFile, m_nExtLoc);
        CModal::Exec(dialog);
        RefreshPlannerSummary();
    });
}

void CDayloomDlg::RefreshPlannerSummary()
{
    m_pPlannerList->clear();
    m_pPlannerList->addItems(CPlannerSummary::MainWindowLines(StorePath(), m_nExtLoc));
}

void CDayloomDlg::OnOptions()
{
    COptionsDlg dialog(this);
    if (CModal::Exec(dialog) == QDialog::Accepted) {
        LoadLabels();
    }
}

void CDayloomDlg::OnChangePassword()
{
    Guarded([this] {
        if (!IsDiaryOpen()) {
            OnOpenCreateDiary();
            if (!IsDiaryOpen()) {
                return;
            }
        }
        CChangePasswordDlg dialog(this);
        if (CModal::Exec(dialog) != QDialog::Accepted) {
            return;
        }
        const std::optional<std::string> password = PasswordBytes(dialog.NewPassword());
        if (!password) {
            CMessageBox::Show(this, CAnsiCodec::UnsupportedMessage(), CAppInfo::Title());
            return;
        }
        CDiaryStore store(0, StorePath(), m_nExtLoc);
        const bool changed = store.ChangePassword(*password);
        CMessageBox::Show(this,
                          changed ? QStringLiteral("Password successfully changed!")
                                  : QStringLiteral("An error occured! Your password was not "
                                                   "changed successfully!"),
                          CAppInfo::Title());
    });
}

void CDayloomDlg::OnPrintCurrentEntry()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        CEntryPrinter::PrintCurrentEntry(this, StorePath(), m_nExtLoc, SelectedIndex());
    });
}

void CDayloomDlg::OnPrintAllEntries()
{
    Guarded([this] {
        if (EntryCount() == 0) {
            return;
        }
        CEntryPrinter::PrintAllEntries(this, StorePath(), m_nExtLoc, EntryCount());
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
