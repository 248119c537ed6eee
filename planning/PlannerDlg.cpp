#include "planning/PlannerDlg.h"

#include "planning/PlannerSummary.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/CodePageValidator.h"
#include "platform/HelpKey.h"
#include "platform/MessageBox.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "widgets/DatePicker.h"

#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

namespace {

void ShowFileError(QWidget* parent, const CFileError& error)
{
    CMessageBox::Show(parent, QString::fromStdString(error.what()), CAppInfo::AppName());
}

} // namespace

CPlannerDlg::CPlannerDlg(QWidget* parent, const CDiarySession& session)
    : QDialog(parent), m_session(session), m_timePlanned(CClock::Now()), m_timeActual(m_timePlanned)
{
    setObjectName(QStringLiteral("CPlannerDlg"));
    setWindowTitle(CAppInfo::Caption(QStringLiteral("Planner")));

    m_pList = new QListWidget(this);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for a line with a long date and description.
    m_pList->setMinimumWidth(
        m_pList->fontMetrics().horizontalAdvance(QStringLiteral(
            "30 Sep [ Book the train for the summer trip to the coast ] DONE on 30 Sep")) +
        2 * m_pList->frameWidth() + 8);
    m_pList->setToolTip(QStringLiteral("Click on a planner entry to select it"));

    auto* group = new QGroupBox(QStringLiteral("Add or update planner data:"), this);
    m_pPlanned = new CDatePicker(group);
    m_pPlanned->setToolTip(
        QStringLiteral("Choose the date you plan to complete your planner entry"));
    m_pActual = new CDatePicker(group);
    m_pActual->setToolTip(
        QStringLiteral("Choose the date you actually completed your planner entry"));
    m_pDescription = new QLineEdit(group);
    m_pDescription->setMaxLength(kMaxDescription);
    m_pDescription->setValidator(new CCodePageValidator(kMaxDescription, m_pDescription));
    m_pDescription->setToolTip(QStringLiteral("Enter planner entry description"));
    auto* fields = new QFormLayout(group);
    fields->addRow(QStringLiteral("Planned date: "), m_pPlanned);
    fields->addRow(QStringLiteral("Actual date: "), m_pActual);
    fields->addRow(m_pDescription);

    QStyle* look = style();
    m_pAdd = new QPushButton(look->standardIcon(QStyle::SP_FileDialogNewFolder),
                             QStringLiteral("Add"), this);
    m_pAdd->setToolTip(QStringLiteral("Add another planner entry"));
    m_pAdd->setDefault(true);
    m_pDelete =
        new QPushButton(look->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("Delete"), this);
    m_pDelete->setToolTip(QStringLiteral("Delete currently selected planner entry"));
    m_pDone = new QPushButton(look->standardIcon(QStyle::SP_DialogApplyButton),
                              QStringLiteral("DONE"), this);
    m_pOk =
        new QPushButton(look->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    m_pOk->setToolTip(QStringLiteral("Close the planners window"));
    m_pHelp = new QPushButton(look->standardIcon(QStyle::SP_DialogHelpButton),
                              QStringLiteral("HELP!"), this);
    m_pHelp->setToolTip(QStringLiteral("Click to read extensive help"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pAdd);
    buttons->addWidget(m_pDelete);
    buttons->addWidget(m_pDone);
    buttons->addStretch();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addWidget(group);
    layout->addLayout(buttons);

    m_pPlanned->SetTime(m_timePlanned);
    m_pActual->SetTime(m_timeActual);
    EnterBrowsing();

    connect(m_pAdd, &QPushButton::clicked, this, &CPlannerDlg::OnAdd);
    connect(m_pDelete, &QPushButton::clicked, this, &CPlannerDlg::OnDelete);
    connect(m_pDone, &QPushButton::clicked, this, &CPlannerDlg::OnDone);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpKey = new CHelpKey(this, kHelpContext);
    connect(m_pHelp, &QPushButton::clicked, helpKey, &CHelpKey::Show);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, &CPlannerDlg::OnSelectionChanged);
    // Clicking the line that is still selected after an edit completes it
    // again as well.
    connect(m_pList, &QListWidget::itemPressed, this, &CPlannerDlg::OnSelectionChanged);
    connect(m_pDescription, &QLineEdit::textChanged, this, &CPlannerDlg::EnterBrowsing);
    connect(m_pPlanned, &QDateTimeEdit::dateTimeChanged, this, &CPlannerDlg::EnterBrowsing);

    FillList();
    m_pDescription->setFocus();
}

int CPlannerDlg::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    return selected.isEmpty() ? -1 : m_pList->row(selected.first());
}

void CPlannerDlg::EnterBrowsing()
{
    m_pDone->hide();
    m_pActual->setEnabled(false);
}

void CPlannerDlg::OnSelectionChanged()
{
    if (m_bFilling || SelectedRow() < 0)
        return;
    m_pDone->show();
    m_pActual->setEnabled(true);
}

void CPlannerDlg::OnAdd()
{
    m_timePlanned = m_pPlanned->Time();
    m_strDescription = m_pDescription->text();
    m_timeActual = m_pActual->Time();
    const std::optional<std::string> bytes = CAnsiCodec::FromQString(m_strDescription);
    if (!bytes) {
        CMessageBox::Show(this, CAnsiCodec::UnsupportedMessage(), CAppInfo::AppName());
        return;
    }
    try {
        const auto pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        store.task.plannedTime = m_timePlanned;
        store.task.doneTime = m_timePlanned;
        std::memset(store.task.description, 0, sizeof store.task.description);
        std::memcpy(store.task.description, bytes->data(),
                    std::min<size_t>(bytes->size(), kMaxDescription));
        store.task.status = 0;
        store.AppendPlannerTask();

        // Back to the present moment, so a second task for the same day
        // carries a later time and sorts after the first.
        m_timePlanned = CClock::Now();
        m_pPlanned->SetTime(m_timePlanned);
        m_strDescription.clear();
        m_pDescription->clear();

        store.SortPlannerTasks();
    } catch (const CFileError& error) {
        ShowFileError(this, error);
    }
    FillList();
    EnterBrowsing();
}

void CPlannerDlg::OnDelete()
{
    if (m_pList->count() == 0)
        return;
    const int row = SelectedRow();
    if (row < 0) {
        CMessageBox::Show(
            this, QStringLiteral("You must have a planner entry selected in order to delete it!"),
            CAppInfo::Caption(QStringLiteral("Delete Planner")), CMessageBox::Icon::None);
        return;
    }
    try {
        const auto pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        store.DeletePlannerTask(static_cast<uint32_t>(row));
        store.OpenPlannerFile();
        store.ClosePlannerFile();
    } catch (const CFileError& error) {
        ShowFileError(this, error);
    }
    FillList();
}

void CPlannerDlg::OnDone()
{
    if (m_pList->count() == 0)
        return;
    const int row = SelectedRow();
    if (row < 0) {
        CMessageBox::Show(
            this, QStringLiteral("You must have a planner entry selected in order to modify it!"),
            CAppInfo::Caption(QStringLiteral("Modify Planner")), CMessageBox::Icon::None);
        return;
    }
    m_timePlanned = m_pPlanned->Time();
    m_strDescription = m_pDescription->text();
    m_timeActual = m_pActual->Time();
    bool marked = false;
    try {
        const auto pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        marked = store.MarkPlannerTaskDone(static_cast<uint32_t>(row), m_timeActual);
    } catch (const CFileError& error) {
        ShowFileError(this, error);
        // Whatever the rewrite got to, the list shows what the file now holds.
        marked = true;
    }
    if (marked)
        FillList();
}

void CPlannerDlg::FillList()
{
    m_bFilling = true;
    m_pList->clear();
    m_pList->addItems(CPlannerSummary::DialogLines(m_session));
    m_bFilling = false;
}
