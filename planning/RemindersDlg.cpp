#include "planning/RemindersDlg.h"

#include "planning/ReminderSummary.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/CodePageValidator.h"
#include "platform/HelpKey.h"
#include "platform/MessageBox.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/TimeText.h"
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

CRemindersDlg::CRemindersDlg(QWidget* parent, const CDiarySession& session)
    : QDialog(parent), m_session(session), m_timeReminder(CClock::Now())
{
    setObjectName(QStringLiteral("CRemindersDlg"));
    setWindowTitle(CAppInfo::Caption(QStringLiteral("Reminders")));

    m_pList = new QListWidget(this);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for a line with a long date and description.
    m_pList->setMinimumWidth(
        m_pList->fontMetrics().horizontalAdvance(
            QStringLiteral("on Wednesday, September 30, 2024: Renew the passport for the trip")) +
        2 * m_pList->frameWidth() + 8);
    m_pList->setToolTip(QStringLiteral("Click on a reminder to select it"));

    auto* group = new QGroupBox(QStringLiteral("Enter reminder information:"), this);
    m_pDate = new CDatePicker(group);
    m_pDate->setToolTip(QStringLiteral("Choose a date of the reminder"));
    m_pDescription = new QLineEdit(group);
    m_pDescription->setMaxLength(kMaxDescription);
    m_pDescription->setValidator(new CCodePageValidator(kMaxDescription, m_pDescription));
    m_pDescription->setToolTip(QStringLiteral("Enter reminder description"));
    auto* fields = new QFormLayout(group);
    fields->addRow(m_pDate);
    fields->addRow(m_pDescription);

    QStyle* look = style();
    m_pAdd = new QPushButton(look->standardIcon(QStyle::SP_FileDialogNewFolder),
                             QStringLiteral("Add"), this);
    m_pAdd->setToolTip(QStringLiteral("Add another reminder"));
    m_pAdd->setDefault(true);
    m_pDelete =
        new QPushButton(look->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("Delete"), this);
    m_pDelete->setToolTip(QStringLiteral("Delete currently selected reminder"));
    m_pOk =
        new QPushButton(look->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    m_pOk->setToolTip(QStringLiteral("Close the reminders window"));
    m_pHelp = new QPushButton(look->standardIcon(QStyle::SP_DialogHelpButton),
                              QStringLiteral("HELP!"), this);
    m_pHelp->setToolTip(QStringLiteral("Click to read extensive help"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pAdd);
    buttons->addWidget(m_pDelete);
    buttons->addStretch();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(m_pAdd, &QPushButton::clicked, this, &CRemindersDlg::OnAdd);
    connect(m_pDelete, &QPushButton::clicked, this, &CRemindersDlg::OnDelete);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpKey = new CHelpKey(this, kHelpContext);
    connect(m_pHelp, &QPushButton::clicked, helpKey, &CHelpKey::Show);

    m_pDate->SetTime(m_timeReminder);
    FillList(false);
    m_pDescription->setFocus();
}

void CRemindersDlg::OnAdd()
{
    m_timeReminder = m_pDate->Time();
    m_strDescription = m_pDescription->text();
    // The field refuses what the code page cannot hold; a paste that slipped
    // through must not be stored as something else.
    const std::optional<std::string> bytes = CAnsiCodec::FromQString(m_strDescription);
    if (!bytes) {
        CMessageBox::Show(this, CAnsiCodec::UnsupportedMessage(), CAppInfo::AppName());
        return;
    }
    try {
        const auto pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        store.reminder.time = m_timeReminder;
        std::memset(store.reminder.description, 0, sizeof store.reminder.description);
        std::memcpy(store.reminder.description, bytes->data(),
                    std::min<size_t>(bytes->size(), kMaxDescription));
        store.AppendReminder();

        // The picker goes back to the present moment, so a second reminder
        // for the same day carries a later time and sorts after the first.
        m_timeReminder = CClock::Now();
        m_pDate->SetTime(m_timeReminder);
        m_strDescription.clear();
        m_pDescription->clear();

        store.SortReminders();
    } catch (const CFileError& error) {
        CMessageBox::Show(this, QString::fromStdString(error.what()), CAppInfo::AppName());
    }
    FillList(true);
}

void CRemindersDlg::OnDelete()
{
    if (m_pList->count() == 0)
        return;
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty()) {
        CMessageBox::Show(
            this, QStringLiteral("You must have a reminder selected in order to delete it!"),
            CAppInfo::Caption(QStringLiteral("Delete Reminder")), CMessageBox::Icon::None);
        return;
    }
    try {
        const auto pStore = m_session.MakeStore();
        CDiaryStore& store = *pStore;
        store.DeleteReminder(static_cast<uint32_t>(m_pList->row(selected.first())));
        store.OpenReminderFile();
        store.CloseReminderFile();
    } catch (const CFileError& error) {
        CMessageBox::Show(this, QString::fromStdString(error.what()), CAppInfo::AppName());
    }
    FillList(false);
}

void CRemindersDlg::FillList(bool afterAdd)
{
    m_pList->clear();
    std::vector<ReminderRecord> reminders;
    try {
        CReminderSummary::ReadAll(m_session, reminders);
    } catch (const CFileError& error) {
        CMessageBox::Show(this, QString::fromStdString(error.what()), CAppInfo::AppName());
    }
    // The list right after an Add has always read "on <date> : "; after
    // opening and Delete it reads "on <date>: ".
    const char* format = afterAdd ? "on %#x : " : "on %#x: ";
    for (const ReminderRecord& reminder : reminders) {
        const std::string_view description(
            reminder.description, strnlen(reminder.description, sizeof reminder.description));
        m_pList->addItem(QString::fromStdString(FormatTime(format, reminder.time)) +
                         CAnsiCodec::ToQString(description));
    }
}
