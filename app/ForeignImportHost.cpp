#include "app/ForeignImportHost.h"

#include "app/DiaryFileCommands.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "platform/FileDialogs.h"

#include <QDir>

void CForeignImportHost::Run()
{
    Guarded(&m_window, [this] { CForeignImporter(*this).Run(); });
}

QWidget* CForeignImportHost::Window()
{
    return &m_window;
}

const CDiarySession* CForeignImportHost::Session() const
{
    return m_diary.Session();
}

bool CForeignImportHost::MayChange()
{
    return m_diary.MayChange(&m_window);
}

bool CForeignImportHost::CreateEncryptedDiary()
{
    const std::optional<QString> path = CFileDialogs::SaveFile(
        &m_window, tr("New encrypted diary for the imported entries"),
        tr("Encrypted diaries (*.dayloom)"), QDir::home().filePath(QStringLiteral("Diary.dayloom")),
        QStringLiteral("dayloom"));
    if (!path || path->isEmpty()) {
        return false;
    }
    m_files.OpenChosen(CFileDialogs::ChoiceFromPath(*path));
    return m_diary.Session() != nullptr;
}

std::optional<std::string> CForeignImportHost::AskNewPassword()
{
    return m_shared.AskNewPassword();
}

void CForeignImportHost::ReloadDiary(bool hasEntries)
{
    // The open diary tells search mode and every view that all changed.
    m_shared.ReloadDiary(hasEntries);
}
