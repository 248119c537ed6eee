// The About box as the user sees it: the running face, the author page and
// the main window's web and mail requests.
#include "app/AboutDlg.h"

#include "entry/RatingLabels.h"
#include "platform/AppInfo.h"
#include "platform/Help.h"
#include "platform/Modal.h"
#include "platform/Shell.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class AboutDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CModal::Reset();
        CHelp::Reset();
        CShell::Reset();
    }
    void TearDown() override { CAppInfo::SetDataDir(QString()); }
};

QImage ShownFace(QDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("FacePicture"))->pixmap().toImage();
}
} // namespace

TEST_F(AboutDlgTest, FaceRunsThroughTheScaleEveryHalfSecond)
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

TEST_F(AboutDlgTest, MissingFacesLeaveThePictureEmptyButTheAnimationRuns)
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

TEST_F(AboutDlgTest, AuthorButtonOpensItsHelpPageAndF1DoesNothing)
{
    CModal::PushHandler([](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_F1);
        EXPECT_TRUE(CHelp::Requests().empty());
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("AuthorButton")),
                          Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkButton")),
                          Qt::LeftButton);
    });
    CAboutDlg about(nullptr);
    EXPECT_EQ(CModal::Exec(about), QDialog::Accepted);
    EXPECT_EQ(CHelp::Requests(), std::vector<int>{65542});
}

TEST_F(AboutDlgTest, WebSiteAndMailGoToTheShell)
{
    CAboutDlg::OpenWebSite();
    CAboutDlg::SendMail();
    ASSERT_EQ(CShell::Opened().size(), 2u);
    EXPECT_EQ(CShell::Opened()[0], CAppInfo::WebSite());
    EXPECT_EQ(CShell::Opened()[1], "mailto:" + CAppInfo::MailAddress() + "?subject=Dayloom v2.21");
}
