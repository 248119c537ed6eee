#pragma once
// The main window's commands that open a window of their own on the open
// diary and then tell the main window what to show: editing the entry on
// view, changing the password, the statistics, and the "on this day" lines
// under the reminder summary. They keep the main window's own file to its core commands.

#include <QObject>

class CDayloomDlg;
class COnThisDayView;
class QWidget;

class CDiaryCommands : public QObject
{
    Q_OBJECT
public:
    explicit CDiaryCommands(CDayloomDlg& window);

    // "Edit entry...": the entry on view in the editor; after a save the
    // list, the graph and the view follow the entry to where it now is.
    void EditEntry();
    // "Statistics...": the statistics window over the open diary; a day it
    // asks for is shown in the main window.
    void Statistics();
    // "Change password...": the new password for the whole diary.
    void ChangePassword();

    // The "on this day" lines, made once for the window's layout and
    // rebuilt with the summaries; hidden by the "bShowOnThisDay" setting.
    COnThisDayView* MakeOnThisDayView(QWidget* parent);
    void RefreshOnThisDay();

private:
    void ShowEntry(int index);

    CDayloomDlg& m_window;
    COnThisDayView* m_pOnThisDay = nullptr;
};
