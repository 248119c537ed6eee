#pragma once
// The main window's menu bar: File, Entry, Tools and Help, each item running
// one of the window's commands; the F-key items work whether or not their
// menu was ever opened.

class CDayloomDlg;
class QMenuBar;

class CMainMenu
{
public:
    static void Build(QMenuBar& bar, CDayloomDlg& window);
};
