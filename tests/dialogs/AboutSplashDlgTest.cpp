// The two timed windows as the program runs them: the About box's face turning
// through the mood scale, and the splash screen's countdown and its end.
#include "dialogs/AboutDlg.h"
#include "dialogs/SplashDlg.h"
#include "platform/AppInfo.h"
#include "platform/Modal.h"
#include "ratings/RatingLabels.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage ShownFace(QDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("FacePicture"))->pixmap().toImage();
}

// Checks that the dialog's timer runs every `period` ms, then makes it tick
// every few ms and calls `tick` after each tick of the dialog's own.
void Hurry(QDialog& dialog, int period, std::function<void()> tick)
{
    QTimer* timer = dialog.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), period);
    timer->setInterval(3);
    QObject::connect(timer, &QTimer::timeout, &dialog, std::move(tick));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 5000));
}

TEST(AboutDlgTest, FaceRunsThroughTheScaleEveryHalfSecond)
{
    std::vector<int> moods;
    CModal::PushHandler([&moods](QDialog& dialog) {
        auto& about = static_cast<CAboutDlg&>(dialog);
        moods.push_back(about.CurrentMood());
        Hurry(dialog, 500, [&] {
            moods.push_back(about.CurrentMood());
            EXPECT_EQ(ShownFace(dialog), LoadFacePicture(moods.back()).toImage()) << moods.back();
            if (moods.size() == 9) {
                dialog.accept();
            }
        });
    });
    {
        CAboutDlg about(nullptr);
        EXPECT_EQ(about.windowTitle(), "About - Dayloom v2.21");
        CModal::Exec(about);
    }
    EXPECT_EQ(moods, (std::vector<int>{0, 1, 2, 3, -3, -2, -1, 0, 1}));

    // Every opening starts again with the neutral face.
    CAboutDlg again(nullptr);
    EXPECT_EQ(again.CurrentMood(), 0);
    EXPECT_EQ(ShownFace(again), LoadFacePicture(0).toImage());

    // Without the face pictures the picture stays empty, but the faces turn.
    QTemporaryDir empty;
    CAppInfo::SetDataDir(empty.path());
    CAboutDlg bare(nullptr);
    EXPECT_TRUE(ShownFace(bare).isNull());
    bare.OnTimer();
    EXPECT_EQ(bare.CurrentMood(), 1);
    EXPECT_TRUE(ShownFace(bare).isNull());
    EXPECT_FALSE(bare.findChild<QLabel*>(QStringLiteral("AboutPicture"))->pixmap().isNull());
}

TEST(SplashDlgTest, CountsDownFiveToZeroAndClosesOnTheSeventhTick)
{
    QStringList captions;
    int ticks = 0;
    CModal::PushHandler([&](QDialog& dialog) {
        auto& splash = static_cast<CSplashDlg&>(dialog);
        captions << splash.m_btnContinue->text();
        // The recorder runs after the dialog's own handler, so it sees the
        // caption each tick leaves behind.
        Hurry(dialog, 1000, [&] {
            ++ticks;
            if (dialog.isVisible()) {
                captions << splash.m_btnContinue->text();
            }
        });
        EXPECT_FALSE(dialog.findChild<QTimer*>()->isActive());
    });
    CSplashDlg splash(nullptr);
    EXPECT_EQ(CModal::Exec(splash), QDialog::Accepted);
    EXPECT_EQ(ticks, 7);
    QStringList expected{"Push to continue..."};
    for (int left = 5; left >= 0; --left) {
        expected << QStringLiteral("Push to continue or wait %1 more seconds...").arg(left);
    }
    EXPECT_EQ(captions, expected);

    // A click, Enter or Esc closes it at once.
    for (const int way : {0, int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        CModal::PushHandler([way](QDialog& dialog) {
            auto& shown = static_cast<CSplashDlg&>(dialog);
            shown.OnTimer();
            shown.OnTimer();
            EXPECT_EQ(shown.m_btnContinue->text(), "Push to continue or wait 4 more seconds...");
            if (way == 0) {
                QTest::mouseClick(shown.m_btnContinue, Qt::LeftButton);
            } else {
                EXPECT_TRUE(shown.m_btnContinue->hasFocus() || !QApplication::focusWidget());
                QTest::keyClick(shown.m_btnContinue, Qt::Key(way));
            }
            EXPECT_FALSE(dialog.isVisible()) << way;
            EXPECT_FALSE(dialog.findChild<QTimer*>()->isActive()) << way;
        });
        CSplashDlg again(nullptr);
        EXPECT_EQ(CModal::Exec(again),
                  way == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted)
            << way;
        EXPECT_EQ(CModal::Pending(), 0);
    }
}

} // namespace
