// The Reminders dialog driven as a user would.
#include "planning/RemindersDlg.h"

#include "PlanningFixture.h"

#include <QLineEdit>
#include <QPushButton>

class RemindersDlgTest : public PlanningTest
{
protected:
    // Picks a day, types a description and clicks Add.
    static void Add(CRemindersDlg& dlg, QDate date, const QString& text)
    {
        PickDate(dlg.DatePicker(), date);
        Type(dlg.DescriptionEdit(), text);
        QTest::mouseClick(dlg.AddButton(), Qt::LeftButton);
    }
};

TEST_F(RemindersDlgTest, AddStoresThePickedDayWithTheTimeOfDayItHeld)
{
    CRemindersDlg dlg(nullptr, Diary());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Reminders - Dayloom v2.21");
    EXPECT_EQ(dlg.DatePicker()->text(), "Thursday, December 05, 2002");
    EXPECT_EQ(dlg.focusWidget(), dlg.DescriptionEdit());
    Add(dlg, QDate(2002, 12, 8), QString::fromUtf8("Café"));

    QByteArray expected(44, '\0');
    const uint32_t time = static_cast<uint32_t>(Local(2002, 12, 8, 10));
    std::memcpy(expected.data(), &time, 4);
    std::memcpy(expected.data() + 4, "Caf\xe9", 4);
    EXPECT_EQ(FileBytes('r'), expected);
    // After an Add the lines have a blank before the colon; the fields are reset.
    EXPECT_EQ(Lines(dlg.ReminderList()),
              QStringList{QString::fromUtf8("on Sunday, December 08, 2002 : Café")});
    EXPECT_EQ(dlg.DatePicker()->Time(), Local(2002, 12, 5, 10));
    EXPECT_TRUE(dlg.DescriptionEdit()->text().isEmpty());

    CRemindersDlg reopened(nullptr, Diary());
    EXPECT_EQ(Lines(reopened.ReminderList()),
              QStringList{QString::fromUtf8("on Sunday, December 08, 2002: Café")});
}

TEST_F(RemindersDlgTest, RemindersOfOneDayKeepTheirOrderOfEntry)
{
    CRemindersDlg dlg(nullptr, Diary());
    dlg.show();
    Add(dlg, QDate(2002, 12, 20), "later day");
    CClock::SetFixed(Local(2002, 12, 5, 10, 1));
    Add(dlg, QDate(2002, 12, 8), "first");
    CClock::SetFixed(Local(2002, 12, 5, 10, 2));
    Add(dlg, QDate(2002, 12, 8), "");
    EXPECT_EQ(Lines(dlg.ReminderList()), (QStringList{"on Sunday, December 08, 2002 : first",
                                                      "on Sunday, December 08, 2002 : ",
                                                      "on Friday, December 20, 2002 : later day"}));
}

TEST_F(RemindersDlgTest, FieldsTakeOnlyWhatARecordHolds)
{
    CRemindersDlg dlg(nullptr, Diary());
    dlg.show();
    // Dates end where a 32-bit time count does.
    dlg.DatePicker()->setDate(QDate(2200, 1, 1));
    EXPECT_EQ(dlg.DatePicker()->date(), QDate(2106, 2, 7));
    dlg.DatePicker()->setDate(QDate(1960, 1, 1));
    EXPECT_EQ(dlg.DatePicker()->Time(), 0);
    // A character outside the code page is refused; the 40th byte would be
    // lost on reading back, so typing stops at 39.
    Type(dlg.DescriptionEdit(), QString::fromUtf8("a\u4e2db") + QString(45, 'x'));
    EXPECT_EQ(dlg.DescriptionEdit()->text(), "ab" + QString(37, 'x'));
    QTest::mouseClick(dlg.AddButton(), Qt::LeftButton);
    EXPECT_EQ(FileBytes('r').mid(4), QByteArray("ab") + QByteArray(37, 'x') + '\0');
}

TEST_F(RemindersDlgTest, DeleteNeedsASelectedLineAndHelpOpensItsTopic)
{
    CRemindersDlg dlg(nullptr, Diary());
    dlg.show();
    QTest::mouseClick(dlg.DeleteButton(), Qt::LeftButton); // empty list: nothing happens
    EXPECT_TRUE(CMessageBox::History().empty());
    QTest::mouseClick(dlg.HelpButton(), Qt::LeftButton);
    QTest::keyClick(dlg.DescriptionEdit(), Qt::Key_F1);
    EXPECT_EQ(CHelp::Requests(), (std::vector<int>{65539, 65539}));

    Add(dlg, QDate(2002, 12, 8), "one");
    Add(dlg, QDate(2002, 12, 9), "two");
    QTest::mouseClick(dlg.DeleteButton(), Qt::LeftButton);
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text,
              "You must have a reminder selected in order to delete it!");
    EXPECT_EQ(CMessageBox::History()[0].caption, "Delete Reminder - Dayloom v2.21");
    EXPECT_EQ(FileBytes('r').size(), 88);

    ClickRow(dlg.ReminderList(), 0);
    QTest::mouseClick(dlg.DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(Lines(dlg.ReminderList()), QStringList{"on Monday, December 09, 2002: two"});
    ClickRow(dlg.ReminderList(), 0);
    QTest::mouseClick(dlg.DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.ReminderList()->count(), 0);
    EXPECT_TRUE(FileBytes('r').isEmpty());
}
