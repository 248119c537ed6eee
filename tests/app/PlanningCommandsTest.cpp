// The Reminders and Planner commands of the main window: the summaries shown
// when a diary opens, rebuilt whenever either dialog closes, and emptied once
// the dialog has deleted the last reminder or task.
#include "MainWindowFixture.h"
#include "planning/PlannerDlg.h"
#include "planning/RemindersDlg.h"
#include "widgets/DatePicker.h"

#include <QAbstractItemView>
#include <QCalendarWidget>

using widgettest::ClickRow;
using widgettest::Lines;

namespace {

void PickDate(CDatePicker* picker, QDate date)
{
    picker->calendarWidget()->setSelectedDate(date);
    QTest::keyClick(picker->calendarWidget()->findChild<QAbstractItemView*>(), Qt::Key_Return);
}

void AddReminder(const QString& path, int64_t time, const char* description)
{
    CDiaryStore store(0, NameOf(path));
    store.reminder = ReminderRecord{};
    store.reminder.time = time;
    std::strncpy(store.reminder.description, description, sizeof store.reminder.description - 1);
    store.AppendReminder();
}

// Deletes the first `count` lines of `list` with `remove`, then clicks `ok`.
void DeleteFirstAndClose(QListWidget* list, QAbstractButton* remove, QAbstractButton* ok, int count)
{
    for (int i = 0; i < count; ++i) {
        ClickRow(list, 0);
        QTest::mouseClick(remove, Qt::LeftButton);
    }
    QTest::mouseClick(ok, Qt::LeftButton);
}

} // namespace

TEST_F(MainWindowTest, ReminderSummaryIsRebuiltAfterTheDialogAndEmptiedWithoutReminders)
{
    // The Soon window is read once, when the window starts.
    CSettings::WriteProfileInt("StartAlarmBefore", 3);
    const QString path = MakeSampleDiary();
    // Now is Thursday 10 December 2026, 12:00.
    AddReminder(path, LocalTime(2026, 12, 10, 8), "Dentist");
    AddReminder(path, LocalTime(2026, 12, 12, 9), "Party");
    AddReminder(path, LocalTime(2026, 12, 20, 9), "Wedding");
    CDayloomDlg& window = OpenThroughMenu(path);
    auto* summary = Part<QListWidget>(window, "Reminders");
    EXPECT_EQ(Lines(summary),
              (QStringList{"Today [10 Dec, Thu]: Dentist", "Soon [in 2 days] [12 Dec, Sat]: Party",
                           "in 10 days [20 Dec, Sun]: Wedding"}));
    CSettings::WriteProfileInt("StartAlarmBefore", 30);

    // Esc ends the dialog; the summary follows what the dialog deleted.
    CModal::PushHandler([](QDialog& dialog) {
        auto& reminders = dynamic_cast<CRemindersDlg&>(dialog);
        ClickRow(reminders.ReminderList(), 0);
        QTest::mouseClick(reminders.DeleteButton(), Qt::LeftButton);
        QTest::keyClick(&reminders, Qt::Key_Escape);
    });
    QTest::keyClick(&ActiveWindow(), Qt::Key_F3);
    EXPECT_EQ(Lines(summary), (QStringList{"Soon [in 2 days] [12 Dec, Sat]: Party",
                                           "in 10 days [20 Dec, Sun]: Wedding"}));

    CModal::PushHandler([](QDialog& dialog) {
        auto& reminders = dynamic_cast<CRemindersDlg&>(dialog);
        DeleteFirstAndClose(reminders.ReminderList(), reminders.DeleteButton(),
                            reminders.OkButton(), 2);
    });
    window.OnReminders();
    EXPECT_EQ(summary->count(), 0);
    EXPECT_EQ(QFileInfo(PathOf("travel.rlm")).size(), 0);
    EXPECT_TRUE(Shown().isEmpty());
}

TEST_F(MainWindowTest, PlannerSummaryUsesTheMainWindowWordingAndFollowsTheDialog)
{
    CDayloomDlg& window = OpenSample();
    auto* summary = Part<QListWidget>(window, "Planner");
    EXPECT_EQ(summary->count(), 0);

    // Two tasks, the first completed on its planned day.
    CModal::PushHandler([](QDialog& dialog) {
        auto& planner = dynamic_cast<CPlannerDlg&>(dialog);
        for (const auto& [day, text] : {std::pair{12, "Buy paint"}, std::pair{14, "Sand floor"}}) {
            PickDate(planner.PlannedPicker(), QDate(2026, 12, day));
            QTest::keyClicks(planner.DescriptionEdit(), QString::fromLatin1(text));
            QTest::mouseClick(planner.AddButton(), Qt::LeftButton);
        }
        ClickRow(planner.TaskList(), 0);
        PickDate(planner.ActualPicker(), QDate(2026, 12, 12));
        QTest::mouseClick(planner.DoneButton(), Qt::LeftButton);
        QTest::keyClick(&planner, Qt::Key_Escape);
    });
    Click("Planner");
    EXPECT_EQ(Lines(summary),
              (QStringList{"12 Dec [ Buy paint ] DONE ON TIME", "14 Dec [ Sand floor ] NOT DONE"}));

    CModal::PushHandler([](QDialog& dialog) {
        auto& planner = dynamic_cast<CPlannerDlg&>(dialog);
        DeleteFirstAndClose(planner.TaskList(), planner.DeleteButton(), planner.OkButton(), 2);
    });
    window.OnPlanner();
    EXPECT_EQ(summary->count(), 0);
    EXPECT_TRUE(Shown().isEmpty());
}
