// The help viewer: the page each request opens, missing pages, the shipped
// pages' links, and where the viewer opens.
#include "platform/Help.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

namespace {
const QString kShippedPages = QStringLiteral(DAYLOOM_SOURCE_DIR "/res/data/help");

class HelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CHelp::SetScripted(false);
        CHelp::SetHelpFolder(kShippedPages);
    }
    void TearDown() override
    {
        CHelp::SetHelpFolder(QString());
        CHelp::SetScripted(true);
    }

    QTextBrowser* Browser() { return m_owner.findChild<QTextBrowser*>("HelpBrowser"); }
    QWidget* Viewer() { return m_owner.findChild<QWidget*>(QStringLiteral("HelpViewer")); }

    QDialog m_owner;
};
} // namespace

TEST_F(HelpTest, EachContextOpensItsOwnPageAndMissingPagesAreReported)
{
    QTemporaryDir empty;
    CHelp::SetHelpFolder(empty.path());
    EXPECT_FALSE(CHelp::Show(&m_owner, HelpContext::MainWindow));
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text + " | " + CMessageBox::History()[0].caption,
              "Failed to launch help. | " + CAppInfo::Title());
    EXPECT_EQ(Browser(), nullptr);
    // Only the requested page missing counts as well.
    QFile::copy(kShippedPages + "/index.html", empty.filePath("index.html"));
    EXPECT_FALSE(CHelp::Show(&m_owner, HelpContext::NewEntry));
    EXPECT_EQ(CMessageBox::History().size(), 2u);
    EXPECT_TRUE(CHelp::Show(&m_owner));

    CMessageBox::ClearHistory();
    CHelp::SetHelpFolder(kShippedPages);
    const std::pair<int, const char*> pages[] = {
        {0, "index.html"},         {65537, "planner.html"},    {65538, "options.html"},
        {65539, "reminders.html"}, {65540, "mainwindow.html"}, {65541, "newentry.html"},
        {65542, "author.html"},    {65543, "password.html"},   {65544, "sync.html"},
        {70000, "index.html"}, // no page of its own: the contents
    };
    for (const auto& [context, file] : pages) {
        ASSERT_TRUE(CHelp::Show(&m_owner, static_cast<HelpContext>(context))) << context;
        ASSERT_NE(Browser(), nullptr);
        EXPECT_EQ(Browser()->source().fileName(), file) << context;
        EXPECT_FALSE(Browser()->documentTitle().isEmpty()) << file;
    }
    // One viewer, reused for every request, and nothing reported.
    EXPECT_EQ(m_owner.findChildren<QTextBrowser*>().size(), 1);
    EXPECT_TRUE(Browser()->window()->isVisible());
    EXPECT_TRUE(CMessageBox::History().empty());
}

TEST_F(HelpTest, LinksStayInTheViewerOrGoToTheDesktopAndNoneIsBroken)
{
    ASSERT_TRUE(CHelp::Show(&m_owner, HelpContext::Author));
    QTextBrowser* browser = Browser();
    emit browser->anchorClicked(QUrl("dayloom:website"));
    emit browser->anchorClicked(QUrl("dayloom:mail"));
    emit browser->anchorClicked(QUrl("https://example.org/page"));
    EXPECT_EQ(CShell::Opened(),
              (std::vector<QString>{CAppInfo::WebSite(), "mailto:" + CAppInfo::MailAddress(),
                                    "https://example.org/page"}));
    EXPECT_EQ(browser->source().fileName(), "author.html");

    emit browser->anchorClicked(QUrl("index.html"));
    EXPECT_EQ(browser->source().fileName(), "index.html");
    EXPECT_EQ(CShell::Opened().size(), 3u);

    // The shipped pages link only to pages that exist.
    const QDir dir(kShippedPages);
    const QStringList pages = dir.entryList({"*.html"}, QDir::Files);
    ASSERT_GE(pages.size(), 8);
    const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : pages) {
        QFile file(dir.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (const auto& match : href.globalMatch(html)) {
            const QString target = match.captured(1);
            if (target.startsWith("dayloom:")) {
                EXPECT_TRUE(target == "dayloom:website" || target == "dayloom:mail")
                    << target.toStdString();
                continue;
            }
            EXPECT_TRUE(dir.exists(QUrl(target).path()))
                << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST_F(HelpTest, OpensCentredOverTheWindowThatAsksInsideTheScreenAndClosesWithEsc)
{
    m_owner.setGeometry(250, 200, 300, 200);
    m_owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_owner));
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
    EXPECT_TRUE(m_owner.isVisible()); // the window it explains stays open

    // Beside a window at the screen's edge it stays inside the screen.
    m_owner.move(0, 0);
    ASSERT_TRUE(CHelp::Show(&m_owner));
    ASSERT_NE(Viewer(), nullptr);
    EXPECT_GE(Viewer()->x(), 0);
    EXPECT_GE(Viewer()->y(), 0);
    Viewer()->close();
}
