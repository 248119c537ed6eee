// Editing the entry on view from the main window, and the "on this day"
// lines under the reminder summary.
#include "MainWindowFixture.h"
#include "app/OpenDiary.h"
#include "stats/OnThisDayView.h"

#include <QDateEdit>
#include <QSignalSpy>

TEST_F(MainWindowTest, EditByMenuKeyEnterAndDoubleClickReplacesTheEntryAndNewAddsOne)
{
    OpenSample();
    CDayloomDlg& window = ActiveWindow();
    QListView* list = window.EntryList();
    list->setCurrentIndex(list->model()->index(1, 0));
    list->setFocus();

    // Ctrl+E, Enter on the list and a double-click on a line each open the
    // editor on the entry on view; the saved text replaces it in place.
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
        CModal::PushHandler([text](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Edit Entry - Dayloom v2.21");
            SaveEditorWith(dialog, text);
        });
        ways[way]();
        ASSERT_EQ(CModal::Pending(), 0) << way;
        EXPECT_EQ(RowCount(window), 4);
        EXPECT_EQ(SelectedRow(window), 1);
        EXPECT_EQ(ViewText(window), text);
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
}

TEST_F(MainWindowTest, OnThisDayListsEarlierYearsAndShowsTheEntryClicked)
{
    CDayloomDlg& window =
        OpenDiary("years.ilm", {{LocalTime(2024, 12, 10, 20), Rtf("Two years back: snow.")},
                                {LocalTime(2025, 12, 10, 8), Rtf("One year back: fog.")},
                                {LocalTime(2025, 12, 11, 8), Rtf("Not this day.")},
                                {LocalTime(2026, 12, 9, 8), Rtf("Yesterday.")}});
    auto* lines = window.findChild<COnThisDayView*>("OnThisDay");
    ASSERT_NE(lines, nullptr);
    ASSERT_EQ(lines->count(), 2);
    EXPECT_TRUE(lines->item(0)->text().startsWith("1 year ago: One year back"));
    EXPECT_TRUE(lines->item(1)->text().startsWith("2 years ago: Two years back"));

    emit lines->EntryRequested(0);
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(ViewText(window), "Two years back: snow.");

    // Switched off in Options: the lines go at the next rebuild.
    CSettings::WriteProfileInt("bShowOnThisDay", 0);
    CModal::PushHandler([](QDialog& dialog) { dialog.accept(); });
    window.OnOptions();
    EXPECT_EQ(lines->count(), 0);
}

TEST_F(MainWindowTest, EverySaveAndDeletionShowsAtOnceTheSavedEntrySelectedAndOnThisDay)
{
    OpenDiary("years.ilm", {{LocalTime(2025, 12, 10, 8), Rtf("One year back: fog.")},
                            {LocalTime(2026, 12, 9, 8), Rtf("Yesterday.")}});
    CDayloomDlg& window = ActiveWindow();
    auto* lines = window.findChild<COnThisDayView*>("OnThisDay");
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
    EXPECT_EQ(State(window), "3 @0: Two years back: snow.");
    EXPECT_EQ(window.focusWidget(), window.EntryList());
    EXPECT_EQ(window.EntryList()->currentIndex().row(), 0);
    EXPECT_EQ(texts(), "1 year ago: One year back|2 years ago: Two years back");

    // An edit's words follow in its line.
    ClickLine(window, 1);
    CModal::PushHandler([](QDialog& dialog) { SaveEditorWith(dialog, "Fog, then sun."); });
    window.OnEditEntry();
    EXPECT_EQ(State(window), "3 @1: Fog, then sun.");
    EXPECT_EQ(texts(), "1 year ago: Fog, then sun.|2 years ago: Two years back");

    // A deleted entry's line goes; the line left still shows its entry.
    ClickLine(window, 0);
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click("Delete");
    ASSERT_EQ(texts(), "1 year ago: Fog, then sun.");
    ClickLine(window, 1);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      lines->visualItemRect(lines->item(0)).center());
    EXPECT_EQ(State(window), "2 @0: Fog, then sun.");
}

// Each command that changes the diary tells the open diary once, and only
// what it changed; a command that changes nothing tells nothing.
TEST_F(MainWindowTest, EveryChangingCommandSaysWhatItChanged)
{
    CDayloomDlg& window = OpenSample();
    auto* diary = window.findChild<COpenDiary*>();
    ASSERT_NE(diary, nullptr);
    QSignalSpy entries(diary, &COpenDiary::entriesChanged);
    QSignalSpy reminders(diary, &COpenDiary::remindersChanged);
    QSignalSpy planner(diary, &COpenDiary::plannerChanged);
    QSignalSpy password(diary, &COpenDiary::passwordChanged);
    const auto told = [&] {
        const QString counts = QStringLiteral("%1%2%3%4")
                                   .arg(entries.count())
                                   .arg(reminders.count())
                                   .arg(planner.count())
                                   .arg(password.count());
        entries.clear();
        reminders.clear();
        planner.clear();
        password.clear();
        return counts;
    };
    const auto close = [](QDialog& dialog) { dialog.reject(); };
    const auto save = [](QDialog& dialog) { SaveEditorWith(dialog, "Saved."); };
    const std::function<void()> commands[] = {
        [&] {
            CModal::PushHandler(save);
            window.OnNewEntry();
        },
        [&] {
            CModal::PushHandler(save);
            window.OnEditEntry();
        },
        [&] {
            CModal::PushHandler(close);
            window.OnEditEntry();
        },
        [&] {
            CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
            window.OnDeleteEntry();
        },
        [&] {
            CMessageBox::PushAnswer(CMessageBox::Answer::No);
            window.OnDeleteEntry();
        },
        [&] {
            CModal::PushHandler(close);
            window.OnReminders();
        },
        [&] {
            CModal::PushHandler(close);
            window.OnPlanner();
        },
        [&] {
            CModal::PushHandler([](QDialog& dialog) {
                dialog.findChild<QLineEdit*>("currentPassword")->setText("Secret1");
                dialog.findChild<QLineEdit*>("newPassword")->setText("Secret2");
                dialog.findChild<QLineEdit*>("confirmPassword")->setText("Secret2");
                dialog.accept();
            });
            ActionOf(window, "&Change password...")->trigger();
        }};
    const QString expected[] = {"1000", "1000", "0000", "1000", "0000", "0100", "0010", "0001"};
    for (size_t i = 0; i < std::size(commands); ++i) {
        commands[i]();
        EXPECT_EQ(told(), expected[i]) << "command " << i;
    }
    EXPECT_EQ(window.Session()->Password(), "Secret2");
}
