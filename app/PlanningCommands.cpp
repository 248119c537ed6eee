#include "app/PlanningCommands.h"

#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "planning/PlannerDlg.h"
#include "planning/RemindersDlg.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

template <typename Dialog> bool CPlanningCommands::Run(const QString& refusal)
{
    bool shown = false;
    Guarded(&m_window, [&] {
        if (!m_diary.IsOpen()) {
            CMessageBox::Show(&m_window, refusal, CAppInfo::Title());
            return;
        }
        // A new encrypted diary has no key yet: its password is asked first.
        if (!m_diary.MayChange(&m_window) || !m_diary.EnsureKey(&m_window)) {
            return;
        }
        Dialog dialog(&m_window, *m_diary.Session());
        CModal::Exec(dialog);
        shown = true;
    });
    return shown;
}

void CPlanningCommands::Reminders()
{
    if (Run<CRemindersDlg>(tr("You must open or create a diary to use the reminder!"))) {
        m_diary.CommitReminders();
    }
}

void CPlanningCommands::Planner()
{
    if (Run<CPlannerDlg>(tr("You must open or create a diary to use the planners!"))) {
        m_diary.CommitPlanner();
    }
}
