// Every window opened as a user opens it: what a screen reader finds (a name
// for each control that takes the focus, the ratings' values and labels, the
// graph told in words) and the help page that F1 and its HELP! button open.
#include "MainWindowFixture.h"
#include "dialogs/SplashDlg.h"
#include "platform/Help.h"
#include "widgets/RatingSpin.h"

#include <QAccessible>
#include <QToolButton>

namespace {

// "role objectName (class)" of every focusable control below `root` that a
// screen reader would announce without a name. Item views and combo boxes
// are checked themselves; their rows are their contents.
void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed)
{
    if (node == nullptr || node->state().invisible) {
        return;
    }
    if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject* object = node->object();
        unnamed << QStringLiteral("%1 %2 (%3)")
                       .arg(int(node->role()))
                       .arg(object ? object->objectName() : QString())
                       .arg(object ? object->metaObject()->className() : "?");
    }
    const QAccessible::Role role = node->role();
    if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree ||
        role == QAccessible::ComboBox) {
        return;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        CollectUnnamed(node->child(i), unnamed);
    }
}

QStringList Unnamed(QWidget& window)
{
    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(&window), unnamed);
    return unnamed;
}

// The help pages asked for by F1 on the focused control, then by the
// window's help buttons; the window stays open.
std::vector<int> HelpAsked(QDialog& dialog)
{
    CHelp::Reset();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
    EXPECT_TRUE(dialog.isVisible());
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->objectName() == "help" || button->objectName() == "AuthorButton" ||
            button->text() == "HELP!") {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    return CHelp::Requests();
}

std::vector<int> Pages(std::initializer_list<HelpContext> pages)
{
    std::vector<int> numbers;
    for (const HelpContext page : pages) {
        numbers.push_back(static_cast<int>(page));
    }
    return numbers;
}

} // namespace

using AccessibilityTest = MainWindowTest;

// The About box opens its author's page by a button, not by F1; the tip, the
// splash, the statistics and the password prompt leave F1 alone.
TEST_F(AccessibilityTest, EveryWindowNamesItsControlsAndOpensItsOwnHelpPage)
{
    {
        CSplashDlg splash(nullptr);
        splash.show();
        EXPECT_EQ(Unnamed(splash), QStringList());
        EXPECT_EQ(HelpAsked(splash), Pages({}));
    }
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_EQ(Unnamed(prompt), QStringList()) << "the password prompt";
        EXPECT_EQ(HelpAsked(prompt), Pages({}));
        Type(prompt, "Secret1");
    });
    CFileDialogs::PushDiary(MakeSampleDiary());
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    ASSERT_EQ(RowCount(window), 4);
    EXPECT_EQ(Unnamed(window), QStringList()) << "the main window";
    window.OnFind();
    EXPECT_EQ(Unnamed(window), QStringList()) << "the main window in search mode";

    using H = HelpContext;
    const std::pair<const char*, std::vector<int>> windows[] = {
        {"&New entry...\tF2", Pages({H::NewEntry, H::NewEntry})},
        {"&Edit entry...\tCtrl+E", Pages({H::NewEntry, H::NewEntry})},
        {"O&ptions...", Pages({H::Options, H::Options})},
        {"&Change password...", Pages({H::Password, H::Password})},
        {"&Reminders...\tF3", Pages({H::Reminders, H::Reminders})},
        {"&Planner...\tF4", Pages({H::Planner, H::Planner})},
        {"&Statistics...\tF5", Pages({})},
        {"Tip of the Day...", Pages({})},
        {"&About Dayloom...", Pages({H::Author})}};
    for (const auto& [item, pages] : windows) {
        SCOPED_TRACE(item);
        bool walked = false;
        CModal::PushHandler([&walked, &pages](QDialog& dialog) {
            EXPECT_EQ(Unnamed(dialog), QStringList()) << dialog.metaObject()->className();
            EXPECT_EQ(HelpAsked(dialog), pages);
            walked = true;
            dialog.reject();
        });
        QAction* action = ActionOf(window, QString::fromLatin1(item));
        ASSERT_NE(action, nullptr);
        action->trigger();
        EXPECT_TRUE(walked);
    }
    CHelp::Reset();
    ActionOf(window, "Help on main window")->trigger();
    ActionOf(window, "Contents\tF1")->trigger();
    EXPECT_EQ(CHelp::Requests(), Pages({H::MainWindow, H::Contents}));
}

TEST_F(AccessibilityTest, RatingsTellTheirValueAndLabelAndTheGraphItsSummary)
{
    CDayloomDlg& window = OpenSample();
    QWidget* graph = window.Graph();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(graph)->text(QAccessible::Description),
              "4 entries from 5 Dec 2026 to 8 Dec 2026; mood from Depressed to Excellent. "
              "The graph is drawn from 8 entries on");

    CModal::PushHandler([](QDialog& editor) {
        auto* spin = editor.findChild<CRatingSpin*>("moodSpin");
        QAccessibleInterface* mood = QAccessible::queryAccessibleInterface(spin);
        ASSERT_NE(mood->valueInterface(), nullptr);
        EXPECT_EQ(mood->role(), QAccessible::SpinBox);
        EXPECT_EQ(mood->text(QAccessible::Name), "Mood");
        EXPECT_EQ(mood->text(QAccessible::Value), "Excellent"); // the last entry's
        EXPECT_EQ(mood->valueInterface()->currentValue(), 3);
        EXPECT_EQ(mood->valueInterface()->minimumValue(), -3);
        EXPECT_EQ(mood->valueInterface()->maximumValue(), 3);
        QTest::mouseClick(spin->LeftArrow(), Qt::LeftButton);
        EXPECT_EQ(mood->text(QAccessible::Value), "Very Good");
        // Set by assistive technology: as a step, so the label follows.
        mood->valueInterface()->setCurrentValue(-2);
        EXPECT_EQ(spin->Value(), -2);
        EXPECT_EQ(mood->text(QAccessible::Value), "Sad");
        QStringList names;
        for (const char* object :
             {"fatigueSpin", "shapeSpin", "dreamSpin", "text", "date", "time", "weight",
              "temperature", "bold", "italic", "underline", "color"}) {
            QWidget* control = editor.findChild<QWidget*>(object);
            ASSERT_NE(control, nullptr) << object;
            names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        }
        EXPECT_EQ(names,
                  (QStringList{"Fatigue", "Shape", "Dream", "Entry text", "Date", "Time", "Weight",
                               "Temperature", "Bold", "Italic", "Underline", "Text colour"}));
        CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
        editor.reject();
    });
    window.OnEditEntry();
    CMessageBox::ClearHistory();
}
