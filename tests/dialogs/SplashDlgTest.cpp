// The splash screen run as at start-up: its countdown on the button, the
// close on the seventh tick, and the user cutting it short.
#include "dialogs/SplashDlg.h"

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

} // namespace

TEST(SplashDlgTest, CountsDownFiveToZeroAndClosesOnTheSeventhTick)
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

TEST(SplashDlgTest, ClickEnterOrEscClosesItAtOnce)
{
    for (const int way : {0, int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        CModal::PushHandler([way](QDialog& dialog) {
            auto& splash = static_cast<CSplashDlg&>(dialog);
            splash.OnTimer();
            splash.OnTimer();
            EXPECT_EQ(splash.m_btnContinue->text(), "Push to continue or wait 4 more seconds...");
            if (way == 0) {
                QTest::mouseClick(splash.m_btnContinue, Qt::LeftButton);
            } else {
                EXPECT_TRUE(splash.m_btnContinue->hasFocus() || !QApplication::focusWidget());
                QTest::keyClick(splash.m_btnContinue, Qt::Key(way));
            }
            EXPECT_FALSE(dialog.isVisible()) << way;
            EXPECT_FALSE(CountdownTimer(dialog)->isActive()) << way;
        });
        CSplashDlg splash(nullptr);
        EXPECT_EQ(CModal::Exec(splash),
                  way == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted)
            << way;
        EXPECT_EQ(CModal::Pending(), 0);
    }
}
