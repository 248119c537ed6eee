#pragma once
// "Reminders": adds and deletes the diary's dated reminders. Every Add and
// Delete goes to the reminder file at once; closing saves nothing more.

#include <QDialog>
#include <QString>
#include <cstdint>
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
    QListWidget* ReminderList() const { return m_pList; }
    CDatePicker* DatePicker() const { return m_pDate; }
    QLineEdit* DescriptionEdit() const { return m_pDescription; }
    QPushButton* AddButton() const { return m_pAdd; }
    QPushButton* DeleteButton() const { return m_pDelete; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* HelpButton() const { return m_pHelp; }

    // Most bytes a description keeps in the reminder file.
    static constexpr int kMaxDescription = 39;
    static constexpr int kHelpContext = 65539;

    int64_t m_timeReminder = 0;
    QString m_strDescription;

private:
    void OnAdd();
    void OnDelete();
    void FillList(bool afterAdd);

    QListWidget* m_pList = nullptr;
    CDatePicker* m_pDate = nullptr;
    QLineEdit* m_pDescription = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pDelete = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pHelp = nullptr;
};
