#pragma once
// The Tools menu's planning commands: the Reminders and Planner dialogs on
// the open diary. What they change reaches the summaries through the open
// diary.

#include <QCoreApplication>

class COpenDiary;
class QString;
class QWidget;

class CPlanningCommands
{
    Q_DECLARE_TR_FUNCTIONS(CPlanningCommands)

public:
    CPlanningCommands(COpenDiary& diary, QWidget& window) : m_diary(diary), m_window(window) {}

    void Reminders();
    void Planner();

private:
    // The dialog on the open diary; false when it was not shown.
    template <typename Dialog> bool Run(const QString& refusal);

    COpenDiary& m_diary;
    QWidget& m_window;
};
