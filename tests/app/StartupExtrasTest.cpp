// The start-up windows in their order, and the small windows the main window
// opens that must not answer help requests.
#include "MainWindowFixture.h"
#include "app/DayloomApp.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/SplashDlg.h"
#include "dialogs/TipDlg.h"
#include "platform/Shell.h"

TEST_F(MainWindowTest, SplashComesFirstThenTheTipThenTheMainWindow)
{
    // The user's answers to the start-up windows, and which came when.
    QStringList order;
    const auto answerStartUp = [&order](int windows) {
        order.clear();
        for (int i = 0; i < windows; ++i) {
            CModal::PushHandler([&order](QDialog& dialog) {
                if (auto* splash = dynamic_cast<CSplashDlg*>(&dialog)) {
                    order << "splash";
                    splash->OnTimer();
                    QTest::mouseClick(splash->m_btnContinue, Qt::LeftButton);
                    return;
                }
                if (dynamic_cast<CTipDlg*>(&dialog) != nullptr) {
                    order << "tip";
                    dialog.reject();
                    return;
                }
                order << (dynamic_cast<CDayloomDlg*>(&dialog) ? "main" : dialog.objectName());
                dialog.accept();
            });
        }
    };
    CDayloomApp app;
    answerStartUp(3);
    EXPECT_FALSE(app.InitInstance({"dayloom"}));
    EXPECT_EQ(order, (QStringList{"splash", "tip", "main"}));
    // The switches that mean "started by another program" leave out the tip.
    answerStartUp(2);
    EXPECT_FALSE(app.InitInstance({"dayloom", "-Automation"}));
    EXPECT_EQ(order, (QStringList{"splash", "main"}));
}

TEST_F(MainWindowTest, HelpKeyDoesNothingInTheAboutBoxTipAndPasswordPrompt)
{
    const QString path = MakeSampleDiary();
    CDayloomDlg& window = Window();
    const auto pressHelp = [](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_F1);
        EXPECT_TRUE(dialog.isVisible()) << dialog.objectName().toStdString();
        dialog.reject();
    };
    CModal::PushHandler([&](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<CAboutDlg*>(&dialog), nullptr);
        // Only the author button opens its help page.
        QTest::mouseClick(dialog.findChild<QPushButton*>("AuthorButton"), Qt::LeftButton);
        pressHelp(dialog);
    });
    ActionOf(window, "&About Dayloom...")->trigger();
    CModal::PushHandler([&](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<CTipDlg*>(&dialog), nullptr);
        pressHelp(dialog);
    });
    ActionOf(window, "Tip of the Day...")->trigger();

    CFileDialogs::PushDiary(path);
    OnPrompt([](CSecurityDlg& prompt) {
        QTest::keyClick(prompt.PasswordField(), Qt::Key_F1);
        EXPECT_TRUE(prompt.isVisible());
        Type(prompt, "Secret1");
    });
    window.OnOpenCreateDiary();
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_EQ(CHelp::Requests(), std::vector<int>{65542});
}

TEST_F(MainWindowTest, WebAndMailButtonsReachTheShellAndReturnToTheList)
{
    OpenSample();
    CDayloomDlg& window = ActiveWindow();
    Click("Web site");
    EXPECT_TRUE(window.EntryList()->hasFocus());
    Click("Mail");
    EXPECT_TRUE(window.EntryList()->hasFocus());
    EXPECT_EQ(CShell::Opened(),
              (std::vector<QString>{CAppInfo::WebSite(), "mailto:" + CAppInfo::MailAddress() +
                                                             "?subject=Dayloom v2.21"}));
}
