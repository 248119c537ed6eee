#pragma once
// The main window's File menu commands that take a diary out and bring one
// back: "Export diary...", "Back up diary..." and "Restore from backup...",
// which opens the restored diary in the window.

class CDayloomDlg;

class CExportHost
{
public:
    static void ExportDiary(CDayloomDlg& window);
    static void BackUpDiary(CDayloomDlg& window);
    static void RestoreFromBackup(CDayloomDlg& window);
};
