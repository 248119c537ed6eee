#pragma once
// "Reminders": adds and deletes the diary's dated reminders. Every Add and
// Delete goes to the reminder file at once; closing saves nothing more.

#include "planning/PlanningForm.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

class CDatePicker;
class CDiarySession;
class QLineEdit;
class QListWidget;
class QPushButton;

class CRemindersDlg : public QDialog
{
    Q_OBJECT
    const CDiarySession& m_session;

public:
    // "Now" comes from CClock, both at construction and when the
    // date picker is reset after an Add.
    CRemindersDlg(QWidget* parent, const CDiarySession& session);

    // The controls, for the main window's layout and for tests.
    QListWidget* ReminderList() const { return m_pForm->list; }
    CDatePicker* DatePicker() const { return m_pDate; }
    QLineEdit* DescriptionEdit() const { return m_pForm->description; }
    QPushButton* AddButton() const { return m_pForm->add; }
    QPushButton* DeleteButton() const { return m_pForm->remove; }
    QPushButton* OkButton() const { return m_pForm->ok; }
    QPushButton* HelpButton() const { return m_pForm->help; }

    // Most bytes a description keeps in the reminder file.
    static constexpr int kMaxDescription = 39;

    int64_t m_timeReminder = 0;
    QString m_strDescription;

private:
    void OnAdd();
    void OnDelete();
    void FillList(bool afterAdd);

    std::unique_ptr<CPlanningForm> m_pForm;
    CDatePicker* m_pDate = nullptr;
};
