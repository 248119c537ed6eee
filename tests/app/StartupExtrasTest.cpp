// The start-up windows in their order, and the small windows the main window
// opens that must not answer help requests.
#include "MainWindowFixture.h"
#include "app/DayloomApp.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/SplashDlg.h"
#include "dialogs/TipDlg.h"

#include <QPushButton>

namespace {
class StartupExtrasTest : public MainWindowTest
{
protected:
    // Queues the user's answers to the start-up windows (two or three) and
    // records which window came when.
    void AnswerStartUp(int windows)
    {
        for (int i = 0; i < windows; ++i) {
            CModal::PushHandler([this](QDialog& dialog) {
                if (auto* splash = dynamic_cast<CSplashDlg*>(&dialog)) {
                    m_order << "splash";
                    splash->OnTimer();
                    QTest::mouseClick(splash->m_btnContinue, Qt::LeftButton);
                } else if (dynamic_cast<CTipDlg*>(&dialog) != nullptr) {
                    m_order << "tip";
                    dialog.reject();
                } else {
                    m_order << (dynamic_cast<CDayloomDlg*>(&dialog) ? "main" : dialog.objectName());
                    dialog.accept();
                }
            });
        }
    }

    QStringList m_order;
};
} // namespace

TEST_F(StartupExtrasTest, SplashComesFirstThenTheTipThenTheMainWindow)
{
    CDayloomApp app;
    AnswerStartUp(3);
    EXPECT_FALSE(app.InitInstance({"dayloom"}));
    EXPECT_EQ(m_order, (QStringList{"splash", "tip", "main"}));

    // The switches that mean "started by another program" leave out only the tip.
    m_order.clear();
    AnswerStartUp(2);
    EXPECT_FALSE(app.InitInstance({"dayloom", "-Automation"}));
    EXPECT_EQ(m_order, (QStringList{"splash", "main"}));

    // Tips switched off: no tip window either.
    CSettings::WriteProfileInt(QStringLiteral("StartUp"), 1);
    m_order.clear();
    AnswerStartUp(2);
    EXPECT_FALSE(app.InitInstance({"dayloom"}));
    EXPECT_EQ(m_order, (QStringList{"splash", "main"}));
    EXPECT_TRUE(CModal::Unanswered().empty());
}

TEST_F(StartupExtrasTest, HelpKeyDoesNothingInTheAboutBoxTipAndPasswordPrompt)
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
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("AuthorButton")),
                          Qt::LeftButton);
        pressHelp(dialog);
    });
    ActionOf(window, QStringLiteral("&About Dayloom..."))->trigger();
    CModal::PushHandler([&](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<CTipDlg*>(&dialog), nullptr);
        pressHelp(dialog);
    });
    ActionOf(window, QStringLiteral("Tip of the Day..."))->trigger();

    CFileDialogs::PushDiary(path);
    OnPrompt([](CSecurityDlg& prompt) {
        QTest::keyClick(prompt.PasswordField(), Qt::Key_F1);
        EXPECT_TRUE(prompt.isVisible());
        Type(prompt, QStringLiteral("Secret1"));
    });
    window.OnOpenCreateDiary();
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_EQ(CHelp::Requests(), std::vector<int>{65542});
}

TEST_F(StartupExtrasTest, WebAndMailButtonsReachTheShellAndReturnToTheList)
{
    CDayloomDlg& window = OpenSample();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Click(QStringLiteral("Web site"));
    EXPECT_TRUE(window.EntryList()->hasFocus());
    Click(QStringLiteral("Mail"));
    EXPECT_TRUE(window.EntryList()->hasFocus());
    EXPECT_EQ(CShell::Opened(),
              (std::vector<QString>{CAppInfo::WebSite(), "mailto:" + CAppInfo::MailAddress() +
                                                             "?subject=Dayloom v2.21"}));
}
