#pragma once
// The File menu's "Export diary...", "Back up diary..." and "Restore from
// backup..." commands: their dialogs, questions and messages around
// CDiaryExporter and CDiaryBackup. Every window goes through a platform seam.

#include "platform/FileDialogs.h"

#include <QCoreApplication>
#include <QDate>
#include <optional>

class CDiarySession;
class QWidget;

class CExportCommands
{
    Q_DECLARE_TR_FUNCTIONS(CExportCommands)

public:
    // Options, the file to write (its extension choosing the format), then
    // the export under a progress dialog that can cancel it.
    static void ExportDiary(QWidget* parent, const CDiarySession& session);

    // Asks for the archive's name (NAME-YYYY-MM-DD.zip, in the folder used
    // last) and writes it; the folder is remembered in "BackupFolder".
    static void BackUpDiary(QWidget* parent, const CDiarySession& session, const QDate& today);

    // Asks for an archive and a folder and restores the diary there (an
    // existing diary of the same name only after a Yes). The restored diary
    // for the caller to open; nullopt when nothing was restored.
    static std::optional<DiaryChoice> RestoreFromBackup(QWidget* parent);
};
