// The Reminders and Planner commands of the main window: the summaries shown
// when a diary opens, rebuilt whenever either dialog closes, and emptied once
// the dialog has deleted the last reminder or task.
#include "MainWindowFixture.h"
#include "planning/PlannerDlg.h"
#include "planning/RemindersDlg.h"
#include "widgets/DatePicker.h"

#include <QAbstractItemView>
#include <QCalendarWidget>

namespace {

QStringList Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

void ClickRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void PickDate(CDatePicker* picker, QDate date)
{
    picker->calendarWidget()->setSelectedDate(date);
    QTest::keyClick(picker->calendarWidget()->findChild<QAbstractItemView*>(), Qt::Key_Return);
}

void AddReminder(const QString& path, int64_t time, const char* description)
{
    CDiaryStore store(0, Encoded(path), ExtLocOf(path));
    store.reminder = ReminderRecord{};
    store.reminder.time = time;
    std::strncpy(store.reminder.description, description, sizeof store.reminder.description - 1);
    store.AppendReminder();
}

} // namespace

TEST_F(MainWindowTest, ReminderSummaryIsRebuiltAfterTheDialogAndEmptiedWithoutReminders)
{
    // The Soon window is read once, when the window starts.
    CSettings::WriteProfileInt(QStringLiteral("StartAlarmBefore"), 3);
    const QString path = MakeSampleDiary();
    // Now is Thursday 10 December 2026, 12:00.
    AddReminder(path, LocalTime(2026, 12, 10, 8), "Dentist");
    AddReminder(path, LocalTime(2026, 12, 12, 9), "Party");
    AddReminder(path, LocalTime(2026, 12, 20, 9), "Wedding");
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    EXPECT_EQ(Lines(Part<QListWidget>(window, "Reminders")),
              (QStringList{"Today [10 Dec, Thu]: Dentist", "Soon [in 2 days] [12 Dec, Sat]: Party",
                           "in 10 days [20 Dec, Sun]: Wedding"}));
    CSettings::WriteProfileInt(QStringLiteral("StartAlarmBefore"), 30);

    // Esc ends the dialog; the summary follows what the dialog deleted.
    CModal::PushHandler([](QDialog& dialog) {
        auto& reminders = dynamic_cast<CRemindersDlg&>(dialog);
        ClickRow(reminders.ReminderList(), 0);
        QTest::mouseClick(reminders.DeleteButton(), Qt::LeftButton);
        QTest::keyClick(&reminders, Qt::Key_Escape);
    });
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F3);
    EXPECT_EQ(Lines(Part<QListWidget>(window, "Reminders")),
              (QStringList{"Soon [in 2 days] [12 Dec, Sat]: Party",
                           "in 10 days [20 Dec, Sun]: Wedding"}));

    CModal::PushHandler([](QDialog& dialog) {
        auto& reminders = dynamic_cast<CRemindersDlg&>(dialog);
        for (int i = 0; i < 2; ++i) {
            ClickRow(reminders.ReminderList(), 0);
            QTest::mouseClick(reminders.DeleteButton(), Qt::LeftButton);
        }
        QTest::mouseClick(reminders.OkButton(), Qt::LeftButton);
    });
    window.OnReminders();
    EXPECT_EQ(Part<QListWidget>(window, "Reminders")->count(), 0);
    EXPECT_EQ(QFileInfo(PathOf(QStringLiteral("travel.rlm"))).size(), 0);
    EXPECT_TRUE(CMessageBox::History().empty());
}

TEST_F(MainWindowTest, PlannerSummaryUsesTheMainWindowWordingAndFollowsTheDialog)
{
    CDayloomDlg& window = OpenSample();
    EXPECT_EQ(Part<QListWidget>(window, "Planner")->count(), 0);

    // Two tasks, the first completed on its planned day.
    QStringList dialogLines;
    CModal::PushHandler([&dialogLines](QDialog& dialog) {
        auto& planner = dynamic_cast<CPlannerDlg&>(dialog);
        for (const auto& [day, text] : {std::pair{12, "Buy paint"}, std::pair{14, "Sand floor"}}) {
            PickDate(planner.PlannedPicker(), QDate(2026, 12, day));
            QTest::keyClicks(planner.DescriptionEdit(), QString::fromLatin1(text));
            QTest::mouseClick(planner.AddButton(), Qt::LeftButton);
        }
        ClickRow(planner.TaskList(), 0);
        PickDate(planner.ActualPicker(), QDate(2026, 12, 12));
        QTest::mouseClick(planner.DoneButton(), Qt::LeftButton);
        for (int i = 0; i < planner.TaskList()->count(); ++i) {
            dialogLines << planner.TaskList()->item(i)->text();
        }
        QTest::keyClick(&planner, Qt::Key_Escape);
    });
    Click(QStringLiteral("Planner"));
    EXPECT_EQ(dialogLines, (QStringList{"12 Dec [ Buy paint ] DONE on 12 Dec",
                                        "14 Dec [ Sand floor ] NOT DONE"}));
    EXPECT_EQ(Lines(Part<QListWidget>(window, "Planner")),
              (QStringList{"12 Dec [ Buy paint ] DONE ON TIME", "14 Dec [ Sand floor ] NOT DONE"}));

    CModal::PushHandler([](QDialog& dialog) {
        auto& planner = dynamic_cast<CPlannerDlg&>(dialog);
        for (int i = 0; i < 2; ++i) {
            ClickRow(planner.TaskList(), 0);
            QTest::mouseClick(planner.DeleteButton(), Qt::LeftButton);
        }
        QTest::mouseClick(planner.OkButton(), Qt::LeftButton);
    });
    window.OnPlanner();
    EXPECT_EQ(Part<QListWidget>(window, "Planner")->count(), 0);
    EXPECT_TRUE(CMessageBox::History().empty());
    EXPECT_TRUE(CModal::Unanswered().empty());
}
