#include "app/ImportHost.h"

#include "app/DayloomDlg.h"
#include "dialogs/NewPasswordPrompt.h"
#include "platform/Settings.h"
#include "store/DiarySession.h"

QWidget* CImportHost::Window()
{
    return &m_window;
}

void CImportHost::CloseAndOpenOrCreateDiary()
{
    m_window.CloseDiary();
    m_window.OnOpenCreateDiary();
}

const CDiarySession* CImportHost::Session() const
{
    return m_window.m_pSession.get();
}

std::optional<std::string> CImportHost::AskNewPassword()
{
    const std::optional<Passphrase> password =
        CNewPasswordPrompt::Ask(&m_window, CSettings::Get(CSettings::kShortFile),
                                m_window.m_pSession->Encrypted() != nullptr);
    if (!password || !m_window.m_pSession->SetPassword(*password)) {
        return std::nullopt;
    }
    // What the records hold: nothing for an encrypted diary.
    return m_window.m_pSession->Password();
}

void CImportHost::ReloadDiary(bool hasEntries)
{
    m_window.m_pSession->SetNew(!hasEntries);
    m_window.RefillEntryList();
}
