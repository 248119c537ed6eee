// The help viewer as a user meets it: where it opens and how it goes away.
#include "platform/Help.h"

#include <QDialog>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class HelpViewerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CHelp::SetScripted(false);
        CHelp::SetHelpFolder(QStringLiteral(DAYLOOM_SOURCE_DIR "/res/data/help"));
        m_owner.setGeometry(250, 200, 300, 200);
        m_owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_owner));
    }
    void TearDown() override
    {
        CHelp::SetHelpFolder(QString());
        CHelp::SetScripted(true);
    }

    QWidget* Viewer() { return m_owner.findChild<QWidget*>(QStringLiteral("HelpViewer")); }

    QDialog m_owner;
};

TEST_F(HelpViewerTest, OpensCentredOverTheWindowThatAsksAndClosesWithEsc)
{
    ASSERT_TRUE(CHelp::Show(&m_owner, HelpContext::NewEntry));
    QPointer<QWidget> viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    const QPoint offset = viewer->geometry().center() - m_owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 40) << offset.x() << "," << offset.y();

    viewer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer, Qt::Key_Escape);
    QTest::qWait(0);
    EXPECT_TRUE(viewer.isNull() || !viewer->isVisible());
    // The window it explains stays open.
    EXPECT_TRUE(m_owner.isVisible());
}

TEST_F(HelpViewerTest, StaysInsideTheScreenBesideAWindowAtItsEdge)
{
    m_owner.move(0, 0);
    ASSERT_TRUE(CHelp::Show(&m_owner));
    QWidget* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_GE(viewer->x(), 0);
    EXPECT_GE(viewer->y(), 0);
    viewer->close();
}

} // namespace
