#include "app/ForeignImportHost.h"

#include "app/DayloomDlg.h"
#include "app/SearchMode.h"
#include "platform/FileDialogs.h"

#include <QDir>

void CForeignImportHost::Import(CDayloomDlg& window)
{
    window.Guarded([&window] {
        CForeignImportHost host(window);
        CForeignImporter(host).Run();
    });
}

QWidget* CForeignImportHost::Window()
{
    return m_shared.Window();
}

const CDiarySession* CForeignImportHost::Session() const
{
    return m_shared.Session();
}

bool CForeignImportHost::MayChange()
{
    return m_window.MayChange();
}

bool CForeignImportHost::CreateEncryptedDiary()
{
    const std::optional<QString> path = CFileDialogs::SaveFile(
        &m_window, QStringLiteral("New encrypted diary for the imported entries"),
        QStringLiteral("Encrypted diaries (*.dayloom)"),
        QDir::home().filePath(QStringLiteral("Diary.dayloom")), QStringLiteral("dayloom"));
    if (!path || path->isEmpty()) {
        return false;
    }
    m_window.OpenChosenDiary(CFileDialogs::ChoiceFromPath(*path));
    return m_window.Session() != nullptr;
}

std::optional<std::string> CForeignImportHost::AskNewPassword()
{
    return m_shared.AskNewPassword();
}

void CForeignImportHost::ReloadDiary(bool hasEntries)
{
    m_window.m_pSearchMode->Forget();
    m_shared.ReloadDiary(hasEntries);
}
