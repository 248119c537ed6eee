#include "app/ImportHost.h"

#include "app/DiaryFileCommands.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"

void CImportHost::Run()
{
    Guarded(&m_window, [this] {
        CVersion1Importer importer(*this);
        importer.Run();
    });
}

QWidget* CImportHost::Window()
{
    return &m_window;
}

void CImportHost::CloseAndOpenOrCreateDiary()
{
    m_files.Close();
    m_files.OpenOrCreate();
}

const CDiarySession* CImportHost::Session() const
{
    return m_diary.Session();
}

std::optional<std::string> CImportHost::AskNewPassword()
{
    return m_diary.AskNewPassword(&m_window);
}

void CImportHost::ReloadDiary(bool /*hasEntries*/)
{
    // The entries read again say whether the diary is still new.
    Guarded(&m_window, [this] { m_diary.CommitEntries({.all = true}); });
}
