#include "app/ExportHost.h"

#include "app/CurrentPassword.h"
#include "app/DiaryFileCommands.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "export/ExportCommands.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"

#include <QDateTime>

bool CExportHost::HasDiary(const char* command)
{
    if (m_diary.IsOpen()) {
        return true;
    }
    CMessageBox::Show(&m_window, tr("Please open a diary first."), CAppInfo::Caption(tr(command)));
    return false;
}

void CExportHost::ExportDiary()
{
    Guarded(&m_window, [this] {
        // The export is readable by anyone: the password first.
        if (HasDiary(QT_TR_NOOP("Export Diary")) &&
            CCurrentPassword::Confirm(&m_window, *m_diary.Session())) {
            CExportCommands::ExportDiary(&m_window, *m_diary.Session());
        }
    });
}

void CExportHost::BackUpDiary()
{
    Guarded(&m_window, [this] {
        if (HasDiary(QT_TR_NOOP("Back Up Diary"))) {
            const QDate today = QDateTime::fromSecsSinceEpoch(CClock::Now()).date();
            CExportCommands::BackUpDiary(&m_window, *m_diary.Session(), today);
        }
    });
}

void CExportHost::RestoreFromBackup()
{
    std::optional<DiaryChoice> restored;
    Guarded(&m_window,
            [this, &restored] { restored = CExportCommands::RestoreFromBackup(&m_window); });
    if (restored) {
        m_files.OpenChosen(restored);
    }
}
