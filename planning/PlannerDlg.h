#pragma once
// "Planner": adds, deletes and completes the diary's planned tasks. Every
// change goes to the planner file at once; closing saves nothing more.

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>

class CDatePicker;
class CDiarySession;
class QLineEdit;
class QListWidget;
class QPushButton;

class CPlannerDlg : public QDialog
{
    Q_OBJECT
    const CDiarySession& m_session;

public:
    // "Now" comes from CClock, both at construction and when the
    // planned-date picker is reset after an Add.
    CPlannerDlg(QWidget* parent, const CDiarySession& session);

    QListWidget* TaskList() const { return m_pList; }
    CDatePicker* PlannedPicker() const { return m_pPlanned; }
    CDatePicker* ActualPicker() const { return m_pActual; }
    QLineEdit* DescriptionEdit() const { return m_pDescription; }
    QPushButton* AddButton() const { return m_pAdd; }
    QPushButton* DeleteButton() const { return m_pDelete; }
    QPushButton* DoneButton() const { return m_pDone; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* HelpButton() const { return m_pHelp; }

    // Most bytes a description keeps in the planner file.
    static constexpr int kMaxDescription = 49;
    static constexpr int kHelpContext = 65537;

    int64_t m_timePlanned = 0;
    QString m_strDescription;
    int64_t m_timeActual = 0;

private:
    void OnAdd();
    void OnDelete();
    void OnDone();
    void OnSelectionChanged();
    void EnterBrowsing();
    void FillList();
    int SelectedRow() const;

    QListWidget* m_pList = nullptr;
    CDatePicker* m_pPlanned = nullptr;
    CDatePicker* m_pActual = nullptr;
    QLineEdit* m_pDescription = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pDelete = nullptr;
    QPushButton* m_pDone = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pHelp = nullptr;
    bool m_bFilling = false;
};
