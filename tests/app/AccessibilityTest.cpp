// What a screen reader finds: every window opened as a user opens it, walked
// through QAccessible, with a name for each control that takes the focus;
// the ratings' values and labels; the graph told in words.
#include "MainWindowFixture.h"
#include "dialogs/SplashDlg.h"
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
    switch (node->role()) {
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::ComboBox:
        return;
    default:
        break;
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

} // namespace

class AccessibilityTest : public MainWindowTest
{
protected:
    // Opens a window through the menu item `item` and walks it.
    void WalkThroughMenu(const QString& item)
    {
        SCOPED_TRACE(item.toStdString());
        bool walked = false;
        CModal::PushHandler([&walked](QDialog& dialog) {
            EXPECT_EQ(Unnamed(dialog), QStringList()) << dialog.metaObject()->className();
            walked = true;
            dialog.reject();
        });
        QAction* action = ActionOf(Window(), item);
        ASSERT_NE(action, nullptr);
        action->trigger();
        EXPECT_TRUE(walked);
    }
};

TEST_F(AccessibilityTest, EveryFocusableControlOfEveryWindowHasAName)
{
    {
        CSplashDlg splash(nullptr);
        splash.show();
        EXPECT_EQ(Unnamed(splash), QStringList());
    }
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_EQ(Unnamed(prompt), QStringList()) << "the password prompt";
        Type(prompt, "Secret1");
    });
    CFileDialogs::PushDiary(MakeSampleDiary());
    Window().OnOpenCreateDiary();
    EXPECT_EQ(Unnamed(Window()), QStringList()) << "the main window";
    Window().OnFind();
    EXPECT_EQ(Unnamed(Window()), QStringList()) << "the main window in search mode";

    for (const char* item : {"&New entry...\tF2", "&Edit entry...\tCtrl+E", "O&ptions...",
                             "&Change password...", "&Reminders...\tF3", "&Planner...\tF4",
                             "&Statistics...\tF5", "Tip of the Day...", "&About Dayloom..."}) {
        WalkThroughMenu(QString::fromLatin1(item));
    }
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
        for (const char* name : {"fatigueSpin", "shapeSpin", "dreamSpin"}) {
            QAccessibleInterface* other =
                QAccessible::queryAccessibleInterface(editor.findChild<CRatingSpin*>(name));
            EXPECT_FALSE(other->text(QAccessible::Name).isEmpty()) << name;
            EXPECT_FALSE(other->text(QAccessible::Value).isEmpty()) << name;
        }
        const std::pair<const char*, const char*> names[] = {{"text", "Entry text"},
                                                             {"date", "Date"},
                                                             {"time", "Time"},
                                                             {"weight", "Weight"},
                                                             {"temperature", "Temperature"},
                                                             {"bold", "Bold"},
                                                             {"italic", "Italic"},
                                                             {"underline", "Underline"},
                                                             {"color", "Text colour"}};
        for (const auto& [object, name] : names) {
            QWidget* control = editor.findChild<QWidget*>(object);
            ASSERT_NE(control, nullptr) << object;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name),
                      name);
        }
        CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
        editor.reject();
    });
    window.OnEditEntry();
    CMessageBox::ClearHistory();
}
