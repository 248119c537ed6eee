#include "app/ExportHost.h"

#include "app/DayloomDlg.h"
#include "export/ExportCommands.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "store/DiarySession.h"

#include <QDateTime>

namespace {

// Both commands work on the open diary; without one there is nothing to do.
bool HasDiary(CDayloomDlg& window, const QString& command)
{
    if (window.Session() != nullptr) {
        return true;
    }
    CMessageBox::Show(&window, QStringLiteral("Please open a diary first."),
                      CAppInfo::Caption(command));
    return false;
}

} // namespace

void CExportHost::ExportDiary(CDayloomDlg& window)
{
    window.Guarded([&window] {
        if (HasDiary(window, QStringLiteral("Export Diary"))) {
            CExportCommands::ExportDiary(&window, *window.Session());
        }
    });
}

void CExportHost::BackUpDiary(CDayloomDlg& window)
{
    window.Guarded([&window] {
        if (HasDiary(window, QStringLiteral("Back Up Diary"))) {
            const QDate today = QDateTime::fromSecsSinceEpoch(CClock::Now()).date();
            CExportCommands::BackUpDiary(&window, *window.Session(), today);
        }
    });
}

void CExportHost::RestoreFromBackup(CDayloomDlg& window)
{
    std::optional<DiaryChoice> restored;
    window.Guarded(
        [&window, &restored] { restored = CExportCommands::RestoreFromBackup(&window); });
    if (restored) {
        window.OpenChosenDiary(restored);
    }
}
