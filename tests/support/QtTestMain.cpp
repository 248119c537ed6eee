// main() of every test program that needs Qt: offscreen platform, settings
// and the runtime folder in fresh temporary folders, every seam scripted.
// Each test starts with empty settings and seams; at its end what it may have
// changed is put back (time zone, locales, clock, data folder, file faults).
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

// Each seam's switch into scripted mode and its reset.
const struct
{
    void (*script)(bool);
    void (*reset)();
} kSeams[] = {{&CMessageBox::SetScripted, &CMessageBox::ClearHistory},
              {&CModal::SetScripted, &CModal::Reset},
              {&CFileDialogs::SetScripted, &CFileDialogs::Reset},
              {&CColorDialog::SetScripted, &CColorDialog::Reset},
              {&CShell::SetScripted, &CShell::Reset},
              {&CHelp::SetScripted, &CHelp::Reset},
              {&CPrintDialog::SetScripted, &CPrintDialog::Reset},
              {&CProgressDialog::SetScripted, &CProgressDialog::Reset},
              {&CDesktopNotifications::SetScripted, &CDesktopNotifications::Reset}};

class CSeamReset : public ::testing::EmptyTestEventListener
{
public:
    CSeamReset() : m_cLocale(std::setlocale(LC_ALL, nullptr))
    {
        if (const char* zone = std::getenv("TZ")) {
            m_zone = zone;
        }
    }

    void OnTestStart(const ::testing::TestInfo& /*test*/) override
    {
        QSettings(CSettings::FileName(), QSettings::IniFormat).clear();
        for (const auto& seam : kSeams) {
            seam.reset();
        }
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
    // Open diaries are reserved in the runtime folder: the tests' own.
    QTemporaryDir runtimeHome;
    setenv("XDG_RUNTIME_DIR", runtimeHome.path().toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    // The test programs live in neither of the program's folders.
    CAppInfo::SetFallbackDataDir(QStringLiteral(DAYLOOM_SOURCE_DATA_DIR));
    for (const auto& seam : kSeams) {
        seam.script(true);
    }

    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CSeamReset);
    return RUN_ALL_TESTS();
}
