// The splash screen run as at start-up: its countdown on the button, the
// close on the seventh tick, and the user cutting it short.
#include "extras/SplashDlg.h"

#include "platform/Modal.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QTimer* CountdownTimer(QDialog& dialog)
{
    QTimer* timer = dialog.findChild<QTimer*>();
    EXPECT_NE(timer, nullptr);
    return timer;
}

class SplashDlgTest : public ::testing::Test
{
protected:
    void SetUp() override { CModal::Reset(); }
};
} // namespace

TEST_F(SplashDlgTest, CountsDownFiveToZeroAndClosesOnTheSeventhTick)
{
    QStringList captions;
    int ticks = 0;
    CModal::PushHandler([&](QDialog& dialog) {
        auto& splash = static_cast<CSplashDlg&>(dialog);
        captions << splash.m_btnContinue->text();
        QTimer* timer = CountdownTimer(dialog);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 1000);
        // Same ticks, less waiting: the recorder runs after the dialog's own
        // handler, so it sees the caption each tick leaves behind.
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, &dialog, [&] {
            ++ticks;
            if (dialog.isVisible()) {
                captions << splash.m_btnContinue->text();
            }
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 5000));
        EXPECT_FALSE(timer->isActive());
    });
    CSplashDlg splash(nullptr);
    EXPECT_EQ(CModal::Exec(splash), QDialog::Accepted);
    EXPECT_EQ(ticks, 7);
    QStringList expected{"Push to continue..."};
    for (int left = 5; left >= 0; --left) {
        expected << QStringLiteral("Push to continue or wait %1 more seconds...").arg(left);
    }
    EXPECT_EQ(captions, expected);
}

TEST_F(SplashDlgTest, PushingTheButtonClosesAtOnce)
{
    CModal::PushHandler([](QDialog& dialog) {
        auto& splash = static_cast<CSplashDlg&>(dialog);
        splash.OnTimer();
        splash.OnTimer();
        EXPECT_EQ(splash.m_btnContinue->text(), "Push to continue or wait 4 more seconds...");
        QTest::mouseClick(splash.m_btnContinue, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_FALSE(CountdownTimer(dialog)->isActive());
    });
    CSplashDlg splash(nullptr);
    EXPECT_EQ(CModal::Exec(splash), QDialog::Accepted);
}

TEST_F(SplashDlgTest, EnterAndEscCloseIt)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        CModal::PushHandler([key](QDialog& dialog) {
            auto& splash = static_cast<CSplashDlg&>(dialog);
            EXPECT_TRUE(splash.m_btnContinue->hasFocus() || !QApplication::focusWidget());
            QTest::keyClick(splash.m_btnContinue, key);
            EXPECT_FALSE(dialog.isVisible()) << key;
        });
        CSplashDlg splash(nullptr);
        CModal::Exec(splash);
        EXPECT_EQ(CModal::Pending(), 0);
    }
}
