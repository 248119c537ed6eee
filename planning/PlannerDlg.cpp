#include "planning/PlannerDlg.h"

#include "planning/PlannerSummary.h"
#include "platform/Clock.h"
#include "platform/FileErrorMessage.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/EncryptedSession.h"
#include "store/FileError.h"
#include "store/ScriptTexts.h"
#include "widgets/DatePicker.h"

#include <QCoreApplication>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <cstring>

namespace {
PlanningFormTexts Texts()
{
    return {
        QCoreApplication::translate("CPlannerDlg", "Planner"),
        QCoreApplication::translate("CPlannerDlg", "Planner"),
        QStringLiteral("30 Sep [ Book the train for the summer trip to the coast ] DONE on 30 Sep"),
        QCoreApplication::translate("CPlannerDlg", "Click on a planner entry to select it"),
        QCoreApplication::translate("CPlannerDlg", "Add or update planner data:"),
        QCoreApplication::translate("CPlannerDlg", "Enter planner entry description"),
        QCoreApplication::translate("CPlannerDlg", "Add another planner entry"),
        QCoreApplication::translate("CPlannerDlg", "Delete currently selected planner entry"),
        QCoreApplication::translate("CPlannerDlg", "Close the planners window"),
        CPlannerDlg::kMaxDescription,
        HelpContext::Planner};
}
} // namespace

CPlannerDlg::CPlannerDlg(QWidget* parent, const CDiarySession& session)
    : QDialog(parent), m_session(session), m_timePlanned(CClock::Now()), m_timeActual(m_timePlanned)
{
    setObjectName(QStringLiteral("CPlannerDlg"));
    m_pForm = std::make_unique<CPlanningForm>(this, Texts());
    m_pForm->KeepAnyScript(session.Encrypted() && session.Encrypted()->KeepsScriptTexts());
    QGroupBox* group = m_pForm->group;
    m_pPlanned = new CDatePicker(group);
    m_pPlanned->setToolTip(tr("Choose the date you plan to complete your planner entry"));
    m_pActual = new CDatePicker(group);
    m_pActual->setToolTip(tr("Choose the date you actually completed your planner entry"));
    auto* fields = new QFormLayout(group);
    fields->addRow(tr("Planned date: "), m_pPlanned);
    fields->addRow(tr("Actual date: "), m_pActual);
    fields->addRow(m_pForm->description);

    m_pDone = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                              QStringLiteral("DONE"), this);
    m_pForm->buttons->insertWidget(2, m_pDone); // after Delete

    m_pPlanned->SetTime(m_timePlanned);
    m_pActual->SetTime(m_timeActual);
    EnterBrowsing();

    QListWidget* list = m_pForm->list;
    connect(m_pForm->add, &QPushButton::clicked, this, &CPlannerDlg::OnAdd);
    connect(m_pForm->remove, &QPushButton::clicked, this, &CPlannerDlg::OnDelete);
    connect(m_pDone, &QPushButton::clicked, this, &CPlannerDlg::OnDone);
    connect(list, &QListWidget::itemSelectionChanged, this, &CPlannerDlg::OnSelectionChanged);
    // Clicking the line that is still selected after an edit completes it
    // again as well.
    connect(list, &QListWidget::itemPressed, this, &CPlannerDlg::OnSelectionChanged);
    connect(m_pForm->description, &QLineEdit::textChanged, this, &CPlannerDlg::EnterBrowsing);
    connect(m_pPlanned, &QDateTimeEdit::dateTimeChanged, this, &CPlannerDlg::EnterBrowsing);

    FillList();
    m_pForm->description->setFocus();
}

void CPlannerDlg::EnterBrowsing()
{
    m_pDone->hide();
    m_pActual->setEnabled(false);
}

void CPlannerDlg::OnSelectionChanged()
{
    if (m_bFilling || m_pForm->list->selectedItems().isEmpty())
        return;
    m_pDone->show();
    m_pActual->setEnabled(true);
}

void CPlannerDlg::OnAdd()
{
    m_timePlanned = m_pPlanned->Time();
    m_strDescription = m_pForm->description->text();
    m_timeActual = m_pActual->Time();
    std::string anyScript;
    const std::optional<std::string> bytes = m_pForm->DescriptionBytes(&anyScript);
    if (!bytes) {
        return;
    }
    try {
        const std::unique_ptr<CDiaryStore> pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        store.task.plannedTime = m_timePlanned;
        store.task.doneTime = m_timePlanned;
        std::memset(store.task.description, 0, sizeof store.task.description);
        std::memcpy(store.task.description, bytes->data(), bytes->size());
        store.task.status = 0;
        store.AppendPlannerTask();
        if (!anyScript.empty())
            m_session.Encrypted()->SetScriptText(
                {CScriptTexts::Kind::Task, m_timePlanned, *bytes, anyScript});

        // Back to the present moment, so a second task for the same day
        // carries a later time and sorts after the first.
        m_timePlanned = CClock::Now();
        m_pPlanned->SetTime(m_timePlanned);
        m_strDescription.clear();
        m_pForm->description->clear();

        store.SortPlannerTasks();
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(this, error);
    }
    FillList();
    EnterBrowsing();
}

void CPlannerDlg::OnDelete()
{
    const std::optional<int> row = m_pForm->ChosenRow(
        tr("You must have a planner entry selected in order to delete it!"), tr("Delete"));
    if (!row)
        return;
    try {
        const std::unique_ptr<CDiaryStore> pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        store.DeletePlannerTask(static_cast<uint32_t>(*row));
        store.OpenPlannerFile();
        store.ClosePlannerFile();
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(this, error);
    }
    FillList();
}

void CPlannerDlg::OnDone()
{
    const std::optional<int> row = m_pForm->ChosenRow(
        tr("You must have a planner entry selected in order to modify it!"), tr("Modify"));
    if (!row)
        return;
    m_timePlanned = m_pPlanned->Time();
    m_strDescription = m_pForm->description->text();
    m_timeActual = m_pActual->Time();
    bool marked = false;
    try {
        const std::unique_ptr<CDiaryStore> pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        marked = store.MarkPlannerTaskDone(static_cast<uint32_t>(*row), m_timeActual);
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(this, error);
        // Whatever the rewrite got to, the list shows what the file now holds.
        marked = true;
    }
    if (marked)
        FillList();
}

void CPlannerDlg::FillList()
{
    m_bFilling = true;
    m_pForm->list->clear();
    m_pForm->list->addItems(CPlannerSummary::DialogLines(m_session));
    m_bFilling = false;
}
