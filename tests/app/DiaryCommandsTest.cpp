// Editing the entry on view from the main window, what each command that
// changes the diary tells the open diary, and the "on this day" lines under
// the reminder summary.
#include "MainWindowFixture.h"
#include "app/CurrentPassword.h"
#include "app/OpenDiary.h"
#include "stats/OnThisDayView.h"

#include <QDateEdit>
#include <QSignalSpy>

// Each command that changes the diary tells the open diary once, and only
// what it changed; a command that changes nothing tells nothing.
TEST_F(MainWindowTest, EditByKeyEnterOrDoubleClickReplacesTheEntryAndEachCommandSaysWhatItChanged)
{
    OpenSample();
    CDayloomDlg& window = ActiveWindow();
    auto* diary = window.findChild<COpenDiary*>();
    ASSERT_NE(diary, nullptr);
    QSignalSpy entries(diary, &COpenDiary::entriesChanged);
    QSignalSpy reminders(diary, &COpenDiary::remindersChanged);
    QSignalSpy planner(diary, &COpenDiary::plannerChanged);
    QSignalSpy password(diary, &COpenDiary::passwordChanged);
    QSignalSpy* const spies[] = {&entries, &reminders, &planner, &password};
    // How often each was told since the last look: "1000" is entries once.
    const auto told = [&spies] {
        QString counts;
        for (QSignalSpy* spy : spies) {
            counts += QString::number(spy->count());
            spy->clear();
        }
        return counts;
    };
    QListView* list = window.EntryList();
    list->setCurrentIndex(list->model()->index(1, 0));
    list->setFocus();

    // Ctrl+E, Enter on the list and a double-click on a line each open the
    // editor on the entry on view; the saved text replaces it in place (a
    // new entry's editor would add a fifth).
    const std::function<void()> ways[] = {
        [&] { QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier); },
        [&] {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
        },
        [&] {
            const QRect line = list->visualRect(list->model()->index(1, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        }};
    for (int way = 0; way < 3; ++way) {
        const QString text = QStringLiteral("Edited %1.").arg(way);
        CModal::PushHandler([text](QDialog& dialog) { SaveEditorWith(dialog, text); });
        ways[way]();
        ASSERT_EQ(CModal::Pending(), 0) << way;
        EXPECT_EQ(RowCount(window), 4);
        EXPECT_EQ(SelectedRow(window), 1);
        EXPECT_EQ(ViewText(window), text);
        EXPECT_EQ(told(), "1000") << way;
    }
    std::vector<EntryHeader> stored;
    ASSERT_TRUE(window.Session()->MakeStore()->ReadAllEntryHeaders(stored));
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[1].time, LocalTime(2026, 12, 6, 10)) << "the entry kept its place";

    // A new entry saved refills the list and shows it.
    std::string handedPassword;
    CModal::PushHandler([&](QDialog& dialog) {
        handedPassword = window.Session()->Password();
        SaveEditorWith(dialog, "Written today.");
    });
    window.OnNewEntry();
    EXPECT_EQ(handedPassword, "Secret1");
    ASSERT_EQ(RowCount(window), 5);
    EXPECT_EQ(SelectedRow(window), 4);
    EXPECT_EQ(ViewText(window), "Written today.");
    EXPECT_EQ(window.Graph()->m_nCount, 5);
    EXPECT_EQ(told(), "1000") << "new entry";

    const auto close = [](QDialog& dialog) { dialog.reject(); };
    CModal::PushHandler(close);
    window.OnEditEntry();
    EXPECT_EQ(told(), "0000") << "edit closed";
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    window.OnDeleteEntry();
    EXPECT_EQ(told(), "1000") << "delete";
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    window.OnDeleteEntry();
    EXPECT_EQ(told(), "0000") << "delete refused";
    CModal::PushHandler(close);
    window.OnReminders();
    EXPECT_EQ(told(), "0100") << "reminders";
    CModal::PushHandler(close);
    window.OnPlanner();
    EXPECT_EQ(told(), "0010") << "planner";

    // The password change asks the current password first, in Tab order.
    CModal::PushHandler([](QDialog& dialog) {
        auto& ask = dynamic_cast<CChangePasswordDlg&>(dialog);
        QLineEdit* current = ask.Fields()->CurrentField();
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(ask.focusWidget(), current);
        // Field to field with Tab, as a user types: "Better1" lands in both
        // new boxes only if Tab takes it there.
        const auto type = [&ask](const QString& text, Qt::Key then) {
            QTest::keyClicks(ask.focusWidget(), text);
            QTest::keyClick(ask.focusWidget(), then);
        };
        type("Secret2", Qt::Key_Tab);
        type("Better1", Qt::Key_Tab);
        type("Better1", Qt::Key_Return);
        // A wrong current password is said; it is selected for another try.
        EXPECT_TRUE(ask.isVisible());
        EXPECT_EQ(widgettest::LastMessage(), CCurrentPassword::WrongPasswordMessage());
        EXPECT_EQ(ask.focusWidget(), current);
        EXPECT_EQ(current->selectedText(), "Secret2");
        type("Secret1", Qt::Key_Return);
    });
    ActionOf(window, "&Change password...")->trigger();
    EXPECT_EQ(told(), "0001") << "password";
    EXPECT_EQ(window.Session()->Password(), "Better1");
    EXPECT_EQ(widgettest::LastMessage(), "Password successfully changed!");
}

TEST_F(MainWindowTest, OnThisDayFollowsEverySaveAndDeletionAndALineClickedShowsItsEntry)
{
    OpenDiary("years.ilm", {{LocalTime(2025, 12, 10, 8), Rtf("One year back: fog.")},
                            {LocalTime(2025, 12, 11, 8), Rtf("Not this day.")},
                            {LocalTime(2026, 12, 9, 8), Rtf("Yesterday.")}});
    CDayloomDlg& window = ActiveWindow();
    auto* lines = window.findChild<COnThisDayView*>("OnThisDay");
    ASSERT_NE(lines, nullptr);
    const auto texts = [lines] {
        QStringList shown;
        for (int i = 0; i < lines->count(); ++i) {
            shown << lines->item(i)->text().section(QLatin1Char(':'), 0, 1);
        }
        return shown.join(QLatin1Char('|'));
    };
    ASSERT_EQ(texts(), "1 year ago: One year back");

    // A new entry dated two years back lands first: it is the one shown and
    // selected, the keys back in the list, its line there at once.
    CModal::PushHandler([](QDialog& dialog) {
        dialog.findChild<QDateEdit*>("date")->setDate(QDate(2024, 12, 10));
        SaveEditorWith(dialog, "Two years back: snow.");
    });
    Click("New entry");
    EXPECT_EQ(State(window), "4 @0: Two years back: snow.");
    EXPECT_EQ(window.focusWidget(), window.EntryList());
    EXPECT_EQ(window.EntryList()->currentIndex().row(), 0);
    EXPECT_EQ(texts(), "1 year ago: One year back|2 years ago: Two years back");

    // An edit's words follow in its line.
    ClickLine(window, 1);
    CModal::PushHandler([](QDialog& dialog) { SaveEditorWith(dialog, "Fog, then sun."); });
    window.OnEditEntry();
    EXPECT_EQ(State(window), "4 @1: Fog, then sun.");
    EXPECT_EQ(texts(), "1 year ago: Fog, then sun.|2 years ago: Two years back");

    // A deleted entry's line goes; the line left, clicked, shows its entry.
    ClickLine(window, 0);
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click("Delete");
    ASSERT_EQ(texts(), "1 year ago: Fog, then sun.");
    ClickLine(window, 2);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      lines->visualItemRect(lines->item(0)).center());
    EXPECT_EQ(State(window), "3 @0: Fog, then sun.");

    // Switched off in Options: the lines go at the next rebuild.
    CSettings::WriteProfileInt("bShowOnThisDay", 0);
    CModal::PushHandler([](QDialog& dialog) { dialog.accept(); });
    window.OnOptions();
    EXPECT_EQ(lines->count(), 0);
}
