#include "app/ImportHost.h"

#include "app/DayloomDlg.h"
#include "dialogs/SecurityDlg.h"
#include "platform/Modal.h"
#include "platform/Settings.h"

QWidget* CImportHost::Window()
{
    return &m_window;
}

void CImportHost::CloseAndOpenOrCreateDiary()
{
    m_window.m_strDiaryFile.clear();
    m_window.OnOpenCreateDiary();
}

QString CImportHost::DiaryFile() const
{
    return m_window.m_strDiaryFile;
}

uint16_t CImportHost::ExtLoc() const
{
    return m_window.m_nExtLoc;
}

bool CImportHost::IsNewDiary() const
{
    return m_window.m_bNewDiary != 0;
}

std::optional<QString> CImportHost::AskNewPassword()
{
    CSecurityDlg prompt(&m_window);
    prompt.m_strFile = CSettings::GetProfileString(QStringLiteral("shortFile"), QString());
    prompt.m_bNoCancel = true;
    if (CModal::Exec(prompt) != QDialog::Accepted) {
        return std::nullopt;
    }
    return prompt.m_strPassword;
}

void CImportHost::ReloadDiary(bool hasEntries)
{
    m_window.m_bNewDiary = hasEntries ? 0 : 1;
    m_window.RefillEntryList();
}
