// The help viewer: the HTML pages in the data folder's "help" directory,
// shown in a window of their own that stays open beside the program.
#include "platform/Help.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Script.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <array>

namespace {
struct HelpPage
{
    HelpContext context;
    const char* file;
};

// Every help context of the program and the page that answers it. The pages
// link to each other, so a renamed page must be renamed here and in them.
constexpr std::array<HelpPage, 9> kPages{{
    {HelpContext::Contents, "index.html"},
    {HelpContext::Planner, "planner.html"},
    {HelpContext::Options, "options.html"},
    {HelpContext::Reminders, "reminders.html"},
    {HelpContext::MainWindow, "mainwindow.html"}, // "Help on main window"
    {HelpContext::NewEntry, "newentry.html"},
    {HelpContext::Author, "author.html"},         // About box, "About the author..."
    {HelpContext::Password, "password.html"},     // Change Password dialog
    {HelpContext::SeveralComputers, "sync.html"}, // merge preview
}};

// Links in the pages that leave the help: they go to the desktop with the
// addresses the program was built with.
const QString kWebSiteLink = QStringLiteral("dayloom:website");
const QString kMailLink = QStringLiteral("dayloom:mail");

// Nothing to answer; the contexts asked for are recorded.
CScript<std::monostate, int>& Script()
{
    static CScript<std::monostate, int> script;
    return script;
}

struct Viewer
{
    QString folder;
    QPointer<QWidget> window;
};

Viewer& State()
{
    static Viewer viewer;
    return viewer;
}

QString PageFor(HelpContext context)
{
    for (const HelpPage& page : kPages) {
        if (page.context == context) {
            return QString::fromLatin1(page.file);
        }
    }
    // A context without a page of its own gets the contents rather than an
    // error: the user still finds the way from there.
    return QString::fromLatin1(kPages[0].file);
}

QString HelpFolder()
{
    if (!State().folder.isEmpty()) {
        return State().folder;
    }
    const QString contents =
        CAppInfo::FindDataFile(QStringLiteral("help/") + QString::fromLatin1(kPages[0].file));
    return contents.isEmpty() ? QString() : QFileInfo(contents).absolutePath();
}

void FollowLink(QTextBrowser* browser, const QUrl& url)
{
    const QString link = url.toString();
    if (link == kWebSiteLink) {
        CShell::Open(CAppInfo::WebSite());
    } else if (link == kMailLink) {
        CShell::Open(QStringLiteral("mailto:") + CAppInfo::MailAddress());
    } else if (url.isLocalFile() || url.isRelative()) {
        browser->setSource(url);
    } else {
        CShell::Open(link);
    }
}

QWidget* MakeViewer(QWidget* owner)
{
    // A child window of the window that asked, so that it takes input while
    // that window is modal, and goes when that window goes.
    auto* viewer = new QWidget(owner, Qt::Window);
    viewer->setObjectName(QStringLiteral("HelpViewer"));
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(CAppInfo::Caption(QCoreApplication::translate("CHelp", "Help")));
    viewer->resize(640, 560);
    // Smaller, the pages turn into a column of a few words.
    viewer->setMinimumSize(420, 320);

    auto* browser = new QTextBrowser(viewer);
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setOpenLinks(false);
    QObject::connect(browser, &QTextBrowser::anchorClicked, browser,
                     [browser](const QUrl& url) { FollowLink(browser, url); });

    auto* contents = new QPushButton(QCoreApplication::translate("CHelp", "Contents"), viewer);
    contents->setObjectName(QStringLiteral("HelpContents"));
    auto* back = new QPushButton(QCoreApplication::translate("CHelp", "Back"), viewer);
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setEnabled(false);
    auto* forward = new QPushButton(QCoreApplication::translate("CHelp", "Forward"), viewer);
    forward->setObjectName(QStringLiteral("HelpForward"));
    forward->setEnabled(false);
    QObject::connect(contents, &QPushButton::clicked, browser, [browser] {
        browser->setSource(
            QUrl::fromLocalFile(QDir(HelpFolder()).filePath(QString::fromLatin1(kPages[0].file))));
    });
    QObject::connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    QObject::connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
    QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    QObject::connect(browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(viewer);
    layout->addLayout(buttons);
    layout->addWidget(browser);

    // Help is read and put away, as a message box is.
    new QShortcut(QKeySequence(Qt::Key_Escape), viewer, viewer, &QWidget::close);
    // Nothing places a window of its own: it came up in the screen's top left
    // corner, away from the window it explains. It opens centred over that
    // window instead, inside the screen.
    if (owner != nullptr) {
        QRect place(QPoint(), viewer->size());
        place.moveCenter(owner->frameGeometry().center());
        if (const QScreen* screen = owner->screen(); screen != nullptr) {
            const QRect available = screen->availableGeometry();
            place.moveRight(std::min(place.right(), available.right()));
            place.moveBottom(std::min(place.bottom(), available.bottom()));
            place.moveLeft(std::max(place.left(), available.left()));
            place.moveTop(std::max(place.top(), available.top()));
        }
        viewer->move(place.topLeft());
    }
    return viewer;
}
} // namespace

bool CHelp::Show(QWidget* parent, HelpContext context)
{
    if (Script().IsOn()) {
        Script().Record(static_cast<int>(context));
        return true;
    }
    const QString folder = HelpFolder();
    const QString page = folder.isEmpty() ? QString() : QDir(folder).filePath(PageFor(context));
    if (page.isEmpty() || !QFileInfo(page).isFile()) {
        CMessageBox::Show(parent, tr("Failed to launch help."), CAppInfo::Title());
        return false;
    }
    QWidget* owner = parent != nullptr ? parent->window() : nullptr;
    QPointer<QWidget>& viewer = State().window;
    if (viewer != nullptr && viewer->parentWidget() != owner) {
        delete viewer.data();
    }
    if (viewer == nullptr) {
        viewer = MakeViewer(owner);
    }
    auto* browser = viewer->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    browser->setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

void CHelp::SetHelpFolder(const QString& folder)
{
    State().folder = folder;
}

void CHelp::SetScripted(bool scripted)
{
    Script().SetOn(scripted);
}

const std::vector<int>& CHelp::Requests()
{
    return Script().Recorded();
}

void CHelp::Reset()
{
    Script().Reset();
}
