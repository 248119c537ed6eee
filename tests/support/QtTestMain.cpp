// main() of every test program that needs Qt: offscreen platform, settings
// and the runtime folder in fresh temporary folders, and every seam (message
// boxes, modal dialogs, file and colour dialogs, shell, help) in scripted mode.
#include "platform/AppInfo.h"
#include "platform/ColorDialog.h"
#include "platform/DesktopNotifications.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PrintDialog.h"
#include "platform/ProgressDialog.h"
#include "platform/Shell.h"
#include "tests/support/SeamReset.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

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
    CMessageBox::SetScripted(true);
    CModal::SetScripted(true);
    CFileDialogs::SetScripted(true);
    CColorDialog::SetScripted(true);
    CShell::SetScripted(true);
    CHelp::SetScripted(true);
    CPrintDialog::SetScripted(true);
    CProgressDialog::SetScripted(true);
    CDesktopNotifications::SetScripted(true);

    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CSeamReset);
    return RUN_ALL_TESTS();
}
