#pragma once
// The main window's right column: the reminder summary, the "on this day"
// lines and the planner summary. Each follows the open diary by itself:
// the reminders and the plans when they change or the diary is opened or
// read again, the "on this day" lines whenever the entries change.

#include <QObject>
#include <cstdint>

class CEntryBrowser;
class COnThisDayView;
class COpenDiary;
class QListWidget;
class QVBoxLayout;
class QWidget;

class CSummaries : public QObject
{
    Q_OBJECT
public:
    CSummaries(COpenDiary& diary, CEntryBrowser& browser, QWidget& window);

    // The column, made once for the window's layout.
    QVBoxLayout* MakeColumn();
    // The "on this day" lines again, after the options changed; hidden by
    // the "bShowOnThisDay" setting.
    void RefreshOnThisDay();

private:
    void RefreshReminders();
    void RefreshPlanner();
    void Clear();

    COpenDiary& m_diary;
    CEntryBrowser& m_browser;
    QWidget& m_window;
    int32_t m_nStartAlarmBefore = 5;
    QListWidget* m_pReminders = nullptr;
    QListWidget* m_pPlanner = nullptr;
    COnThisDayView* m_pOnThisDay = nullptr;
};
