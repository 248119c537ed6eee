// The About box's running face.
#include "dialogs/AboutDlg.h"

#include "platform/AppInfo.h"
#include "platform/Modal.h"
#include "ratings/RatingLabels.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QImage ShownFace(QDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("FacePicture"))->pixmap().toImage();
}
} // namespace

TEST(AboutDlgTest, FaceRunsThroughTheScaleEveryHalfSecond)
{
    std::vector<int> moods;
    CModal::PushHandler([&moods](QDialog& dialog) {
        auto& about = static_cast<CAboutDlg&>(dialog);
        QTimer* timer = dialog.findChild<QTimer*>();
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 500);
        moods.push_back(about.CurrentMood());
        timer->setInterval(2);
        QObject::connect(timer, &QTimer::timeout, &dialog, [&] {
            moods.push_back(about.CurrentMood());
            const QPixmap expected = LoadFacePicture(about.CurrentMood());
            if (!expected.isNull()) {
                EXPECT_EQ(ShownFace(dialog), expected.toImage()) << about.CurrentMood();
            }
            if (moods.size() == 9) {
                dialog.accept();
            }
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 5000));
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
    const QPixmap neutral = LoadFacePicture(0);
    if (!neutral.isNull()) {
        EXPECT_EQ(ShownFace(again), neutral.toImage());
    }
}

TEST(AboutDlgTest, MissingFacesLeaveThePictureEmptyButTheAnimationRuns)
{
    QTemporaryDir empty;
    CAppInfo::SetDataDir(empty.path());
    CAboutDlg about(nullptr);
    EXPECT_TRUE(ShownFace(about).isNull());
    about.OnTimer();
    EXPECT_EQ(about.CurrentMood(), 1);
    EXPECT_TRUE(ShownFace(about).isNull());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("AboutPicture"))->pixmap().isNull());
}
