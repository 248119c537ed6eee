#pragma once
// The File menu's commands that take the diary out and bring one back:
// "Export diary...", "Back up diary..." and "Restore from backup...", which
// opens the restored diary in the window.

#include <QCoreApplication>

class CDiaryFileCommands;
class COpenDiary;
class QWidget;

class CExportHost
{
    Q_DECLARE_TR_FUNCTIONS(CExportHost)

public:
    CExportHost(COpenDiary& diary, CDiaryFileCommands& files, QWidget& window)
        : m_diary(diary), m_files(files), m_window(window)
    {
    }

    void ExportDiary();
    void BackUpDiary();
    void RestoreFromBackup();

private:
    // Both commands work on the open diary; without one there is nothing to do.
    bool HasDiary(const char* command);

    COpenDiary& m_diary;
    CDiaryFileCommands& m_files;
    QWidget& m_window;
};
