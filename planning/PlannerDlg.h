#pragma once
// "Planner": adds, deletes and completes the diary's planned tasks. Every
// change goes to the planner file at once; closing saves nothing more.

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

class CPlannerDlg : public QDialog
{
    Q_OBJECT
    const CDiarySession& m_session;

public:
    // "Now" comes from CClock, both at construction and when the
    // planned-date picker is reset after an Add.
    CPlannerDlg(QWidget* parent, const CDiarySession& session);

    QListWidget* TaskList() const { return m_pForm->list; }
    CDatePicker* PlannedPicker() const { return m_pPlanned; }
    CDatePicker* ActualPicker() const { return m_pActual; }
    QLineEdit* DescriptionEdit() const { return m_pForm->description; }
    QPushButton* AddButton() const { return m_pForm->add; }
    QPushButton* DeleteButton() const { return m_pForm->remove; }
    QPushButton* DoneButton() const { return m_pDone; }
    QPushButton* OkButton() const { return m_pForm->ok; }
    QPushButton* HelpButton() const { return m_pForm->help; }

    // Most bytes a description keeps in the planner file.
    static constexpr int kMaxDescription = 49;

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

    std::unique_ptr<CPlanningForm> m_pForm;
    CDatePicker* m_pPlanned = nullptr;
    CDatePicker* m_pActual = nullptr;
    QPushButton* m_pDone = nullptr;
    bool m_bFilling = false;
};
