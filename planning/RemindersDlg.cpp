#include "planning/RemindersDlg.h"

#include "planning/DiaryRecords.h"
#include "planning/ScriptText.h"
#include "platform/Clock.h"
#include "platform/FileErrorMessage.h"
#include "platform/ShownTime.h"
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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstring>

namespace {
PlanningFormTexts Texts()
{
    return {QCoreApplication::translate("CRemindersDlg", "Reminders"),
            QCoreApplication::translate("CRemindersDlg", "Reminder"),
            QStringLiteral("on Wednesday, September 30, 2024: Renew the passport for the trip"),
            QCoreApplication::translate("CRemindersDlg", "Click on a reminder to select it"),
            QCoreApplication::translate("CRemindersDlg", "Enter reminder information:"),
            QCoreApplication::translate("CRemindersDlg", "Enter reminder description"),
            QCoreApplication::translate("CRemindersDlg", "Add another reminder"),
            QCoreApplication::translate("CRemindersDlg", "Delete currently selected reminder"),
            QCoreApplication::translate("CRemindersDlg", "Close the reminders window"),
            CRemindersDlg::kMaxDescription,
            HelpContext::Reminders};
}
} // namespace

CRemindersDlg::CRemindersDlg(QWidget* parent, const CDiarySession& session)
    : QDialog(parent), m_session(session), m_timeReminder(CClock::Now())
{
    setObjectName(QStringLiteral("CRemindersDlg"));
    m_pForm = std::make_unique<CPlanningForm>(this, Texts());
    m_pForm->KeepAnyScript(session.Encrypted() && session.Encrypted()->KeepsScriptTexts());
    m_pDate = new CDatePicker(m_pForm->group);
    m_pDate->setToolTip(tr("Choose a date of the reminder"));
    auto* fields = new QFormLayout(m_pForm->group);
    fields->addRow(m_pDate);
    fields->addRow(m_pForm->description);

    connect(m_pForm->add, &QPushButton::clicked, this, &CRemindersDlg::OnAdd);
    connect(m_pForm->remove, &QPushButton::clicked, this, &CRemindersDlg::OnDelete);

    m_pDate->SetTime(m_timeReminder);
    FillList(false);
    m_pForm->description->setFocus();
}

void CRemindersDlg::OnAdd()
{
    m_timeReminder = m_pDate->Time();
    m_strDescription = m_pForm->description->text();
    std::string anyScript;
    const std::optional<std::string> bytes = m_pForm->DescriptionBytes(&anyScript);
    if (!bytes) {
        return;
    }
    try {
        const std::unique_ptr<CDiaryStore> pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        store.reminder.time = m_timeReminder;
        std::memset(store.reminder.description, 0, sizeof store.reminder.description);
        std::memcpy(store.reminder.description, bytes->data(), bytes->size());
        store.AppendReminder();
        if (!anyScript.empty())
            m_session.Encrypted()->SetScriptText(
                {CScriptTexts::Kind::Reminder, m_timeReminder, *bytes, anyScript});

        // The picker goes back to the present moment, so a second reminder
        // for the same day carries a later time and sorts after the first.
        m_timeReminder = CClock::Now();
        m_pDate->SetTime(m_timeReminder);
        m_strDescription.clear();
        m_pForm->description->clear();

        store.SortReminders();
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(this, error);
    }
    FillList(true);
}

void CRemindersDlg::OnDelete()
{
    const std::optional<int> row = m_pForm->ChosenRow(
        tr("You must have a reminder selected in order to delete it!"), tr("Delete"));
    if (!row) {
        return;
    }
    try {
        const std::unique_ptr<CDiaryStore> pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        store.DeleteReminder(static_cast<uint32_t>(*row));
        store.OpenReminderFile();
        store.CloseReminderFile();
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(this, error);
    }
    FillList(false);
}

void CRemindersDlg::FillList(bool afterAdd)
{
    QListWidget* list = m_pForm->list;
    list->clear();
    // The list right after an Add has always read "on <date> : "; after
    // opening and Delete it reads "on <date>: ".
    const QString format = afterAdd ? tr("on %#x : ") : tr("on %#x: ");
    for (const ReminderRecord& reminder : CDiaryRecords::Reminders(m_session, this)) {
        list->addItem(CShownTime::Format(format, reminder.time) + CScriptText::Of(reminder));
    }
}
