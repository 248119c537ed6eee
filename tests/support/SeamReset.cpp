#include "tests/support/SeamReset.h"

#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/ColorDialog.h"
#include "platform/DesktopNotifications.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PrintDialog.h"
#include "platform/ProgressDialog.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "store/FileFaults.h"

#include <QSettings>
#include <clocale>
#include <cstdlib>
#include <ctime>

CSeamReset::CSeamReset() : m_cLocale(std::setlocale(LC_ALL, nullptr))
{
    if (const char* zone = std::getenv("TZ")) {
        m_zone = zone;
    }
}

void CSeamReset::OnTestStart(const ::testing::TestInfo& /*test*/)
{
    QSettings(CSettings::FileName(), QSettings::IniFormat).clear();
    CMessageBox::ClearHistory();
    CModal::Reset();
    CFileDialogs::Reset();
    CColorDialog::Reset();
    CShell::Reset();
    CHelp::Reset();
    CPrintDialog::Reset();
    CProgressDialog::Reset();
    CDesktopNotifications::Reset();
}

void CSeamReset::OnTestEnd(const ::testing::TestInfo& /*test*/)
{
    CFileFaults::Install({});
    CClock::Reset();
    CAppInfo::SetDataDir(QString());
    if (m_zone) {
        setenv("TZ", m_zone->c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
    std::setlocale(LC_ALL, m_cLocale.c_str());
    QLocale::setDefault(m_locale);
}
