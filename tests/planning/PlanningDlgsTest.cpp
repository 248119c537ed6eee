// The Planner and Reminders dialogs driven as a user would: the records they
// write byte for byte, the lines they list, and what they refuse.
#include "PlanningFixture.h"
#include "planning/PlannerDlg.h"
#include "planning/PlannerSummary.h"
#include "planning/RemindersDlg.h"
#include "planning/ScriptText.h"
#include "store/EncryptedSession.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

class PlanningDlgsTest : public PlanningTest
{
protected:
    // Each dialog is opened on first use and stays open for the test.
    template <typename D> D& Open(std::unique_ptr<D>& dialog)
    {
        if (!dialog) {
            dialog = std::make_unique<D>(nullptr, Diary());
            dialog->show();
        }
        return *dialog;
    }
    CPlannerDlg& Planner() { return Open(m_planner); }
    CRemindersDlg& Reminders() { return Open(m_reminders); }
    void AddTask(QDate date, const QString& text)
    {
        PickDate(Planner().PlannedPicker(), date);
        Type(Planner().DescriptionEdit(), text);
        Click(Planner().AddButton());
    }
    void AddReminder(QDate date, const QString& text)
    {
        PickDate(Reminders().DatePicker(), date);
        Type(Reminders().DescriptionEdit(), text);
        Click(Reminders().AddButton());
    }
    static void OnRow(QListWidget* list, int row, QPushButton* button)
    {
        ClickRow(list, row);
        Click(button);
    }
    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool Completing()
    {
        EXPECT_EQ(Planner().DoneButton()->isVisible(), Planner().ActualPicker()->isEnabled());
        return Planner().DoneButton()->isVisible();
    }
    QStringList TaskLines() { return Lines(Planner().TaskList()); }
    QStringList MainLines() const { return CPlannerSummary::MainWindowLines(Diary()); }

    std::unique_ptr<CPlannerDlg> m_planner;
    std::unique_ptr<CRemindersDlg> m_reminders;
};

TEST_F(PlanningDlgsTest, AddStoresTheRecordsInDateOrderWithThePickedDayInEnglishOnAGermanDesktop)
{
    const widgettest::GermanDesktop german("Europe/Berlin");
    EXPECT_EQ(Reminders().windowTitle(), "Reminders - Dayloom v2.21");
    EXPECT_EQ(Reminders().DatePicker()->text(), "Thursday, December 05, 2002");
    EXPECT_EQ(Reminders().focusWidget(), Reminders().DescriptionEdit());
    AddReminder(QDate(2002, 12, 8), QString::fromUtf8("Café"));

    EXPECT_EQ(FileBytes('r').toStdString(),
              Le32(LocalTime(2002, 12, 8, 10)) + "Caf\xe9" + std::string(36, '\0'));
    // After an Add the lines have a blank before the colon; the fields are reset.
    EXPECT_EQ(Lines(Reminders().ReminderList()),
              QStringList{QString::fromUtf8("on Sunday, December 08, 2002 : Café")});
    EXPECT_EQ(Reminders().DatePicker()->Time(), LocalTime(2002, 12, 5, 10));
    EXPECT_TRUE(Reminders().DescriptionEdit()->text().isEmpty());

    CRemindersDlg reopened(nullptr, Diary());
    EXPECT_EQ(Lines(reopened.ReminderList()),
              QStringList{QString::fromUtf8("on Sunday, December 08, 2002: Café")});

    EXPECT_EQ(Planner().windowTitle(), "Planner - Dayloom v2.21");
    AddTask(QDate(2002, 12, 12), "Buy paint");
    CClock::SetFixed(LocalTime(2002, 12, 5, 11));
    AddTask(QDate(2002, 12, 8), "Call Ann");
    AddTask(QDate(2002, 12, 8), "");

    // The picker was reset at the first Add, at 10:00.
    const std::string time = Le32(LocalTime(2002, 12, 8, 10));
    EXPECT_EQ(FileBytes('p').left(62).toStdString(),
              time + time + "Call Ann" + std::string(42, '\0') + Le32(0));
    EXPECT_EQ(FileBytes('p').size(), 3 * 62);
    EXPECT_EQ(TaskLines(), (QStringList{"08 Dec [ Call Ann ] NOT DONE", "08 Dec [  ] NOT DONE",
                                        "12 Dec [ Buy paint ] NOT DONE"}));
    EXPECT_EQ(MainLines(), TaskLines());
    EXPECT_EQ(Planner().PlannedPicker()->Time(), LocalTime(2002, 12, 5, 11));
}

TEST_F(PlanningDlgsTest, FieldsTakeOnlyWhatARecordHoldsAndNameTheCharactersItCannot)
{
    // Dates end where a 32-bit time count does.
    CDatePicker* day = Reminders().DatePicker();
    day->setDate(QDate(2200, 1, 1));
    EXPECT_EQ(day->date(), QDate(2106, 2, 7));
    day->setDate(QDate(1960, 1, 1));
    EXPECT_EQ(day->Time(), 0);
    // The 40th byte would be lost on reading back, so typing stops at 39.
    Type(Reminders().DescriptionEdit(), QString(45, 'x'));
    EXPECT_EQ(Reminders().DescriptionEdit()->text(), QString(39, 'x'));

    // A task's text pasted beyond its 49 characters is cut and said.
    CMessageBox::ClearHistory();
    QLineEdit* edit = Planner().DescriptionEdit();
    Type(edit, "Call ");
    QApplication::clipboard()->setText(QString(44, QLatin1Char('a')) + "|lost part");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "Call " + QString(44, QLatin1Char('a')));
    EXPECT_EQ(Shown(), QStringList{"Dayloom v2.21 | A description holds at most 49 characters; "
                                   "\"|lost part\" was not taken."});
    // Typed in the middle, the characters that do not fit are the ones typed.
    edit->setCursorPosition(4);
    QTest::keyClicks(edit, "!");
    EXPECT_EQ(edit->text(), "Call " + QString(44, QLatin1Char('a')));
    EXPECT_EQ(Shown().size(), 2);
    EXPECT_TRUE(Shown()[1].endsWith("\"!\" was not taken."));

    // Each character the file cannot hold is named once, and nothing is stored
    // (a record of such characters alone used to be stored blank).
    const struct
    {
        bool planner;
        QString text, named;
    } cases[] = {
        {true, QStringLiteral("Купить краску"), QStringLiteral(": К, у, п, и, т, ь, к, р, а, с. ")},
        {false, QStringLiteral("Позвонить"), QStringLiteral(": П, о, з, в, н, и, т, ь. ")},
        {false, QStringLiteral("Café 😀 party 😀 — ok"), QStringLiteral(": 😀. ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        CMessageBox::ClearHistory();
        QLineEdit* field = c.planner ? edit : Reminders().DescriptionEdit();
        field->clear();
        Type(field, c.text);
        Click(c.planner ? Planner().AddButton() : Reminders().AddButton());
        EXPECT_TRUE(FileBytes(c.planner ? 'p' : 'r').isEmpty());
        EXPECT_EQ(field->text(), c.text); // kept for correcting
        ASSERT_EQ(Shown().size(), 1);
        EXPECT_TRUE(Shown()[0].startsWith(c.planner ? "Add Planner - Dayloom v2.21 | "
                                                    : "Add Reminder - Dayloom v2.21 | "));
        EXPECT_TRUE(Shown()[0].contains(c.named)) << Shown()[0].toStdString();
    }
}

TEST_F(PlanningDlgsTest, SelectingCompletesEditingBrowsesAndDoneRecordsTheActualDate)
{
    EXPECT_FALSE(Completing());
    AddTask(QDate(2002, 12, 12), "Buy paint");
    ClickRow(Planner().TaskList(), 0);
    EXPECT_TRUE(Completing());
    Type(Planner().DescriptionEdit(), "x");
    EXPECT_FALSE(Completing());
    ClickRow(Planner().TaskList(), 0);
    EXPECT_TRUE(Completing());
    PickDate(Planner().PlannedPicker(), QDate(2002, 12, 13));
    EXPECT_FALSE(Completing());
    OnRow(Planner().TaskList(), 0, Planner().AddButton());
    EXPECT_FALSE(Completing());

    AddTask(QDate(2002, 12, 20), "Sand floor");
    const std::pair<int, QDate> done[] = {{0, QDate(2002, 12, 12)}, {2, QDate(2002, 12, 21)}};
    for (const auto& [row, date] : done) {
        ClickRow(Planner().TaskList(), row);
        PickDate(Planner().ActualPicker(), date);
        Click(Planner().DoneButton());
    }
    EXPECT_EQ(TaskLines(),
              (QStringList{"12 Dec [ Buy paint ] DONE on 12 Dec", "13 Dec [ x ] NOT DONE",
                           "20 Dec [ Sand floor ] DONE on 21 Dec"}));
    // The actual date keeps the time of day the picker held.
    EXPECT_EQ(FileBytes('p').mid(2 * 62).toStdString(),
              Le32(LocalTime(2002, 12, 20, 10)) + Le32(LocalTime(2002, 12, 21, 10)) + "Sand floor" +
                  std::string(40, '\0') + Le32(1));
    EXPECT_TRUE(Completing());
    EXPECT_TRUE(Planner().TaskList()->selectedItems().isEmpty());
}

// Delete (and the planner's Done) do nothing on an empty list, ask for a
// selected line otherwise, and delete the selected line from the file.
TEST_F(PlanningDlgsTest, DeleteAndDoneNeedASelectedLine)
{
    Click(Planner().DeleteButton());
    Click(Planner().DoneButton());
    Click(Reminders().DeleteButton());
    EXPECT_TRUE(Shown().isEmpty());

    AddTask(QDate(2002, 12, 12), "Buy paint");
    AddTask(QDate(2002, 12, 13), "Sand floor");
    AddReminder(QDate(2002, 12, 8), "one");
    AddReminder(QDate(2002, 12, 9), "two");
    EXPECT_EQ(FileBytes('r').size(), 88);
    Click(Planner().DeleteButton());
    Click(Planner().DoneButton());
    Click(Reminders().DeleteButton());
    EXPECT_EQ(Shown(),
              (QStringList{"Delete Planner - Dayloom v2.21 | You must have a planner entry "
                           "selected in order to delete it!",
                           "Modify Planner - Dayloom v2.21 | You must have a planner entry "
                           "selected in order to modify it!",
                           "Delete Reminder - Dayloom v2.21 | You must have a reminder "
                           "selected in order to delete it!"}));

    OnRow(Planner().TaskList(), 1, Planner().DeleteButton());
    EXPECT_EQ(TaskLines(), QStringList{"12 Dec [ Buy paint ] NOT DONE"});
    EXPECT_TRUE(Completing()); // Delete leaves the state as it was
    OnRow(Reminders().ReminderList(), 0, Reminders().DeleteButton());
    EXPECT_EQ(Lines(Reminders().ReminderList()), QStringList{"on Monday, December 09, 2002: two"});
    OnRow(Planner().TaskList(), 0, Planner().DeleteButton());
    OnRow(Reminders().ReminderList(), 0, Reminders().DeleteButton());
    EXPECT_TRUE(TaskLines().isEmpty());
    EXPECT_TRUE(MainLines().isEmpty());
    EXPECT_EQ(Reminders().ReminderList()->count(), 0);
    EXPECT_TRUE(FileBytes('p').isEmpty());
    EXPECT_TRUE(FileBytes('r').isEmpty());
}

TEST_F(PlanningDlgsTest, AnEncryptedDiaryKeepsARussianReminderAsWritten)
{
    const std::string path = m_dir.filePath(QStringLiteral("diary.dayloom")).toStdString();
    const QString birthday = QStringLiteral("День рождения мамы");
    {
        CDiarySession diary{CDiaryName(path)};
        ASSERT_TRUE(diary.Encrypted()->Create("secret", KdfParams::Cheapest()).ok());
        CRemindersDlg dlg(nullptr, diary);
        dlg.show();
        // Characters as the user sees them: й typed as и and a breve is one.
        Type(dlg.DescriptionEdit(), QStringLiteral("\u0438\u0306").repeated(45));
        EXPECT_EQ(CScriptText::Length(dlg.DescriptionEdit()->text()), 39);
        dlg.DescriptionEdit()->clear();
        CMessageBox::ClearHistory();
        PickDate(dlg.DatePicker(), QDate(2002, 12, 8));
        Type(dlg.DescriptionEdit(), birthday);
        QTest::mouseClick(dlg.AddButton(), Qt::LeftButton);
        EXPECT_TRUE(Shown().isEmpty());
        EXPECT_EQ(Lines(dlg.ReminderList()),
                  QStringList{"on Sunday, December 08, 2002 : " + birthday});
    }
    CDiarySession reopened{CDiaryName(path)};
    ASSERT_TRUE(reopened.Encrypted()->Unlock("secret").ok());
    std::vector<ReminderRecord> records;
    ASSERT_TRUE(reopened.MakeStore()->ReadAllReminders(records));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_STREQ(records[0].description, "???? ???????? ????");
    CRemindersDlg dlg(nullptr, reopened);
    EXPECT_EQ(Lines(dlg.ReminderList()), QStringList{"on Sunday, December 08, 2002: " + birthday});
}
