// dayloom-window-gallery: a picture of every window of the program with
// realistic content, for checking layout by eye after a change.
//
//   dayloom-window-gallery OUTPUT_FOLDER [NOW]
//
// Writes a demo diary (five weeks of formatted entries, reminders and
// planner tasks) into a temporary folder, opens each window on the offscreen
// platform as the program would, and saves NAME.png (the size the window
// opens at) and NAME-min.png (its smallest size) for each. index.txt lists
// every window's title, sizes and keyboard focus chain, which a picture does
// not show. NOW (seconds since 1970) anchors every date; the default is a
// fixed evening, so two runs give the same pictures.
#include "app/DayloomDlg.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/ChangePasswordDlg.h"
#include "dialogs/NewEntryDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/SecurityDlg.h"
#include "dialogs/SplashDlg.h"
#include "dialogs/TipDlg.h"
#include "planning/PlannerDlg.h"
#include "planning/RemindersDlg.h"
#include "platform/Clock.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PrintDialog.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "store/DiarySession.h"
#include "store/FileError.h"
#include "tools/demo-diary/DemoDiary.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/RatingSpin.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kPassword = "weave";
// Friday, 17 May 2024, 20:30 in London: an evening after a day's entry.
constexpr int64_t kDefaultNow = 1715974200;

// Opens every entry's text: Arial and Times New Roman, three colours.
constexpr const char* kRtfHead =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman "
    "Times New Roman;}}"
    "{\\colortbl ;\\red31\\green73\\blue125;\\red192\\green80\\blue77;\\red60\\green130"
    "\\blue60;}"
    "\\f0\\fs24 ";

// Oldest first; a few days are missing, as in any real diary.
constexpr std::array<DemoDay, 30> kDays{{
    {35, 0, 0, 0, 0, false, false, 36.6f, 72,
     "{\\fs32\\b A new notebook.}\\par I promised myself to write a few lines every evening, "
     "and to be honest about the bad days too."},
    {34, 1, 0, 0, 1, false, false, 36.6f, 72,
     "Bought running shoes. \\i Ran\\i0  around the block twice and felt ridiculous."},
    {33, 1, -1, 0, 0, false, false, 36.7f, 72, "Rain all day. Read on the sofa."},
    {31, 2, 0, 0, 2, true, false, 36.5f, 71,
     "Dinner with \\i Marta\\i0  at the little place by the river. We laughed a lot."},
    {30, 0, -1, 0, 0, false, false, 36.6f, 71,
     "Long meeting about the spring schedule. Walked home through the park anyway."},
    {29, -1, -2, 0, -1, false, true, 36.8f, 71,
     "Tired and grumpy. \\cf2 Cancelled\\cf0  the evening run."},
    {28, 0, -1, 0, 0, false, true, 36.7f, 71, "Better. Tea, a bath and an early night."},
    {26, 1, 0, 0, 1, false, true, 36.6f, 71,
     "Planted tomatoes on the balcony: \\b six\\b0  pots, two kinds."},
    {25, 2, 0, 0, 2, false, false, 36.6f, 70,
     "First 5 km without stopping! \\cf3\\b Very proud.\\b0\\cf0 "},
    {24, 1, 0, 0, 1, false, false, 36.5f, 70, "Ordinary Tuesday. Fixed the kitchen tap at last."},
    {22, -1, -2, -1, -1, false, false, 37.4f, 70,
     "Caught a cold. \\cf2 Stayed in bed\\cf0  with an old detective novel."},
    {21, -2, -3, -2, 0, false, false, 37.9f, 70, "Fever in the evening. Not much to say today."},
    {20, -1, -2, -1, 1, false, false, 37.1f, 69,
     "Soup, sleep, and the first sunny hour on the balcony."},
    {19, 0, -1, 0, 0, false, false, 36.8f, 69,
     "Back at work, slowly. The inbox survived without me."},
    {17, 1, 0, 0, 1, false, false, 36.6f, 69,
     "Started the \\b bookshelf\\b0  project: measured the wall twice, bought the boards once."},
    {16, 2, 0, 0, 2, true, false, 36.6f, 70,
     "Saturday market, fresh bread, a long call with my sister."},
    {15, 3, 0, 0, 2, false, false, 36.5f, 70,
     "{\\fs28 Hiked up to the ridge with the club.}\\par "
     "\\cf1 Clear view all the way to the lake!\\cf0  We had lunch on the summit cairn, "
     "\\i sandwiches and far too much chocolate\\i0 , and came down the long way past the "
     "old mill.\\par\\par Things to remember:\\par \\b - \\b0 the path after the bridge is "
     "steep and muddy\\par \\b - \\b0 bring more water next time\\par \\b - \\b0 the "
     "caf\\'e9 at the station closes at six"},
    {14, 1, -1, 0, -1, false, false, 36.6f, 70,
     "Sore legs, happy head. Strange dream about trains."},
    {12, 0, 0, 0, 0, false, false, 36.7f, 70, "Quiet Monday. Paid the bills."},
    {11, -1, -1, 0, -2, false, false, 36.6f, 70,
     "Bad night, the neighbours' party went on until three."},
    {10, 1, 0, 0, 0, false, false, 36.6f, 69,
     "Finished the bookshelf. It is only \\i a little\\i0  crooked."},
    {9, 2, 0, 0, 1, true, false, 36.5f, 69,
     "Concert in the old church: {\\f1\\fs28 Bach by candlelight}."},
    {8, 1, 0, 0, 1, false, false, 36.6f, 69,
     "Planned the summer trip. Maps all over the living-room floor."},
    {7, 0, -1, 0, 0, false, false, 36.6f, 69, "Dentist. Nothing to report, thankfully."},
    {5, 1, 0, 0, 1, false, false, 36.6f, 69, "Ran 7 km. The legs remember the ridge."},
    {4, 2, 0, 0, 2, false, false, 36.6f, 68,
     "Good news from the clinic: all values normal. \\b Celebrated with cake.\\b0 "},
    {3, 1, 0, 0, 0, false, false, 36.6f, 68, "Tomatoes have flowers. Marta came by for tea."},
    {2, 0, -1, 0, 1, false, false, 36.7f, 68, "A grey day, but the bookshelf holds."},
    {1, 1, 0, 0, 1, true, false, 36.6f, 68,
     "Letter from grandmother, with a pressed flower in it. Wrote back at once."},
    {0, 2, 0, 0, 1, false, false, 36.6f, 68,
     "Quiet evening. Watered the plants and wrote this in the garden."},
}};

constexpr std::array<DemoReminder, 5> kReminders{{
    {0, "Call the plumber back"},
    {2, "Marta's birthday"},
    {12, "Renew the passport before the summer"},
    {40, "Car inspection"},
    {-60, "Wedding anniversary"},
}};

constexpr std::array<DemoTask, 6> kTasks{{
    {-20, -10, true, "Build the bookshelf"},
    {-8, -7, true, "Renew the library card"},
    {-2, 0, false, "Return the drill to Tom"},
    {3, 0, false, "Book the train for the summer trip to the coast"},
    {10, 0, false, "Sort the photos from the hike"},
    {30, 0, false, "Paint the balcony railing"},
}};

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }
}

QString Describe(const QWidget* widget)
{
    QString name = widget->objectName();
    if (name.isEmpty()) {
        name = widget->accessibleName();
    }
    if (name.isEmpty()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            name = button->text();
        }
    }
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
        .arg(QString::fromLatin1(widget->metaObject()->className()), name)
        .arg(at.x())
        .arg(at.y())
        .arg(widget->width())
        .arg(widget->height());
}

class CGallery
{
public:
    explicit CGallery(const QString& folder) : m_dir(folder), m_index(&m_indexFile)
    {
        QDir().mkpath(folder);
        m_indexFile.setFileName(m_dir.filePath(QStringLiteral("index.txt")));
        if (!m_indexFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(m_indexFile.fileName()));
            std::exit(1);
        }
    }

    // Saves the window as it opens and at its smallest size, and notes its
    // title, sizes and focus chain.
    void Save(QWidget* window, const QString& name, bool smallest = true)
    {
        Settle();
        Write(window, name);
        m_index << name << ": \"" << window->windowTitle() << "\"\n";
        m_index << "  size " << window->width() << "x" << window->height() << ", minimum "
                << window->minimumSizeHint().width() << "x" << window->minimumSizeHint().height()
                << (window->minimumSize().isEmpty() ? QString()
                                                    : QStringLiteral(" (set %1x%2)")
                                                          .arg(window->minimumSize().width())
                                                          .arg(window->minimumSize().height()))
                << "\n";
        if (QWidget* focus = window->focusWidget()) {
            m_index << "  focus: " << Describe(focus) << "\n";
        }
        m_index << "  tab order:\n";
        QWidget* start = window;
        QWidget* widget = start->nextInFocusChain();
        int guard = 0;
        while (widget != start && ++guard < 200) {
            if (widget->window() == window && widget->isVisibleTo(window) && widget->isEnabled() &&
                (widget->focusPolicy() & Qt::TabFocus)) {
                m_index << "    " << Describe(widget) << "\n";
            }
            widget = widget->nextInFocusChain();
        }
        if (smallest) {
            const QSize original = window->size();
            window->resize(window->minimumSizeHint().expandedTo(window->minimumSize()));
            Settle();
            Write(window, name + QStringLiteral("-min"));
            window->resize(original);
            Settle();
        }
        m_index.flush();
    }

private:
    void Write(QWidget* window, const QString& name)
    {
        const QString path = m_dir.filePath(name + QStringLiteral(".png"));
        if (!window->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
        std::printf("%s\n", qPrintable(path));
    }

    QDir m_dir;
    QFile m_indexFile;
    QTextStream m_index;
};

void Click(QAbstractButton* button, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void ShootNewEntry(CGallery& gallery, QWidget* parent, const CDiaryName& diary, int64_t now)
{
    CDiarySession session(diary);
    session.SetPassword(kPassword);
    CNewEntryDlg editor(parent, session, now);
    editor.show();
    Settle();
    auto* text = editor.findChild<CEntryRichEdit*>(QStringLiteral("text"));
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("Sunny at last. "));
    QTest::keyClick(text, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral("Swam in the lake"));
    QTest::keyClick(text, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral(" for the first time this year, "));
    QTest::keyClick(text, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral("the water was freezing"));
    QTest::keyClick(text, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral(". Afterwards coffee with Tom on the pier."));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("Still "));
    QTest::keyClick(text, Qt::Key_U, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral("To do"));
    QTest::keyClick(text, Qt::Key_U, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral(": call the garage about the car inspection."));

    Click(editor.findChild<CRatingSpin*>(QStringLiteral("moodSpin"))->RightArrow(), 2);
    Click(editor.findChild<CRatingSpin*>(QStringLiteral("fatigueSpin"))->LeftArrow(), 1);
    Click(editor.findChild<CRatingSpin*>(QStringLiteral("shapeSpin"))->RightArrow(), 2);
    Click(editor.findChild<CRatingSpin*>(QStringLiteral("dreamSpin"))->RightArrow(), 1);
    auto* weight = editor.findChild<QLineEdit*>(QStringLiteral("weight"));
    weight->selectAll();
    QTest::keyClicks(weight, QStringLiteral("68"));
    auto* temperature = editor.findChild<QLineEdit*>(QStringLiteral("temperature"));
    temperature->selectAll();
    QTest::keyClicks(temperature, QStringLiteral("36.6"));
    // On the box itself: the check box's empty right part takes no clicks.
    auto* copulation = editor.findChild<QCheckBox*>(QStringLiteral("copulation"));
    QTest::mouseClick(copulation, Qt::LeftButton, Qt::NoModifier,
                      QPoint(8, copulation->height() / 2));
    text->setFocus();
    gallery.Save(&editor, QStringLiteral("05-new-entry"));
    editor.hide();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [NOW]\n", argv[0]);
        return 2;
    }
    // The same pictures on every machine: offscreen, one zone, C locale.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TZ", "Europe/London", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    tzset();
    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))), 1);

    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orrinfield"));
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const int64_t now = argc == 3 ? std::strtoll(argv[2], nullptr, 10) : kDefaultNow;
    CClock::SetFixed(now);

    CMessageBox::SetScripted(true);
    CModal::SetScripted(true);
    CFileDialogs::SetScripted(true);
    CColorDialog::SetScripted(true);
    CShell::SetScripted(true);
    CPrintDialog::SetScripted(true);

    const QString diary = work.filePath(QStringLiteral("Journal.ilm"));
    const CDiaryName name(QFile::encodeName(diary).toStdString());
    try {
        const CDemoDiary demo(name, now);
        demo.WriteEntries(kPassword, kRtfHead, kDays);
        demo.WriteReminders(kReminders);
        demo.WritePlanner(kTasks);
    } catch (const CFileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    CSettings::WriteProfileInt(QStringLiteral("OpenLastDiary"), 1);
    CSettings::WriteProfileString(QStringLiteral("DiaryFile"), diary);
    CSettings::Set(CSettings::kExtLoc, name.ExtLoc());
    CSettings::WriteProfileString(QStringLiteral("shortFile"), QStringLiteral("Journal"));

    CGallery gallery(output);

    {
        CSplashDlg splash(nullptr);
        splash.show();
        splash.OnTimer(); // the longer text of the countdown
        gallery.Save(&splash, QStringLiteral("01-splash"), false);
    }
    {
        CTipDlg tip(nullptr);
        tip.show();
        gallery.Save(&tip, QStringLiteral("02-tip"));
    }

    // The main window reopens the last diary and asks for its password.
    CModal::PushHandler([&gallery](QDialog& dialog) {
        auto& prompt = static_cast<CSecurityDlg&>(dialog);
        Settle();
        QTest::keyClicks(prompt.PasswordField(), QStringLiteral("wea"));
        gallery.Save(&prompt, QStringLiteral("03-security"));
        QTest::keyClicks(prompt.PasswordField(), QStringLiteral("ve"));
        QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
    });
    CDayloomDlg mainWindow;
    mainWindow.show();
    Settle();
    // Back to the hike, so the view has a long, formatted entry and the
    // graph has lines on both sides of the marker.
    for (int i = 0; i < 13; ++i) {
        mainWindow.OnPrevious();
    }
    gallery.Save(&mainWindow, QStringLiteral("04-main"));
    mainWindow.resize(1400, 950);
    Settle();
    gallery.Save(&mainWindow, QStringLiteral("04-main-large"), false);
    mainWindow.resize(mainWindow.sizeHint());
    Settle();

    ShootNewEntry(gallery, &mainWindow, name, now);
    {
        COptionsDlg options(&mainWindow);
        options.show();
        gallery.Save(&options, QStringLiteral("06-options"));
    }
    {
        CChangePasswordDlg change(&mainWindow);
        change.show();
        gallery.Save(&change, QStringLiteral("07-change-password"));
    }
    {
        const CDiarySession session(name);
        CRemindersDlg reminders(&mainWindow, session);
        reminders.show();
        QTest::keyClicks(reminders.DescriptionEdit(), QStringLiteral("Water the tomatoes"));
        gallery.Save(&reminders, QStringLiteral("08-reminders"));
    }
    {
        const CDiarySession session(name);
        CPlannerDlg planner(&mainWindow, session);
        planner.show();
        Settle();
        QListWidget* list = planner.TaskList();
        const QRect line = list->visualItemRect(list->item(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
        gallery.Save(&planner, QStringLiteral("09-planner"));
    }
    {
        CAboutDlg about(&mainWindow);
        about.show();
        gallery.Save(&about, QStringLiteral("10-about"));
    }
    {
        CHelp::SetScripted(false);
        CHelp::Show(&mainWindow, HelpContext::NewEntry);
        Settle();
        if (auto* viewer = mainWindow.findChild<QWidget*>(QStringLiteral("HelpViewer"))) {
            gallery.Save(viewer, QStringLiteral("11-help"));
            viewer->close();
        } else {
            std::fprintf(stderr, "the help viewer did not open\n");
        }
        CHelp::SetScripted(true);
    }
    for (const CMessageBox::Shown& shown : CMessageBox::History()) {
        std::fprintf(stderr, "message: %s\n", qPrintable(shown.text));
    }
    for (const QString& dialog : CModal::Unanswered()) {
        std::fprintf(stderr, "unanswered dialog: %s\n", qPrintable(dialog));
    }
    mainWindow.hide();
    return 0;
}
