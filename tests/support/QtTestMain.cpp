// main() of every test program that needs Qt: offscreen platform, settings
// in a fresh temporary folder, and every seam (message boxes, modal dialogs,
// file and colour dialogs, shell, help) in scripted mode. One listener gives
// every test the same start: empty settings, seams without queued answers or
// history, and at its end the time zone, locales, clock, data folder and
// file faults it may have changed put back.
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PrintDialog.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "store/FileFaults.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

class CSeamReset : public ::testing::EmptyTestEventListener
{
public:
    CSeamReset()
    {
        if (const char* zone = std::getenv("TZ")) {
            m_zone = zone;
        }
        m_cLocale = std::setlocale(LC_ALL, nullptr);
    }

    void OnTestStart(const ::testing::TestInfo& /*test*/) override
    {
        QSettings(CSettings::FileName(), QSettings::IniFormat).clear();
        CMessageBox::ClearHistory();
        CModal::Reset();
        CFileDialogs::Reset();
        CColorDialog::Reset();
        CShell::Reset();
        CHelp::Reset();
        CPrintDialog::Reset();
    }

    void OnTestEnd(const ::testing::TestInfo& /*test*/) override
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

private:
    std::optional<std::string> m_zone;
    std::string m_cLocale;
    QLocale m_locale;
};

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir configHome;
    setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    // The test programs live in neither of the program's folders.
    CAppInfo::SetFallbackDataDir(QStringLiteral(DAYLOOM_SOURCE_DATA_DIR));
    CMessageBox::SetScripted(true);
    CModal::SetScripted(true);
    CFileDialogs::SetScripted(true);
    CColorDialog::SetScripted(true);
    CShell::SetScripted(true);
    CHelp::SetScripted(true);
    CPrintDialog::SetScripted(true);

    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CSeamReset);
    return RUN_ALL_TESTS();
}
