// The Reminders dialog driven as a user would.
#include "planning/RemindersDlg.h"

#include "PlanningFixture.h"
#include "planning/ScriptText.h"
#include "store/EncryptedSession.h"

#include <QLineEdit>
#include <QPushButton>

class RemindersDlgTest : public PlanningTest
{
protected:
    void SetUp() override
    {
        PlanningTest::SetUp();
        m_dlg = std::make_unique<CRemindersDlg>(nullptr, Diary());
        m_dlg->show();
    }
    // Picks a day, types a description and clicks Add.
    void Add(QDate date, const QString& text)
    {
        PickDate(m_dlg->DatePicker(), date);
        Type(m_dlg->DescriptionEdit(), text);
        QTest::mouseClick(m_dlg->AddButton(), Qt::LeftButton);
    }
    void Delete(int row)
    {
        if (row >= 0)
            ClickRow(m_dlg->ReminderList(), row);
        QTest::mouseClick(m_dlg->DeleteButton(), Qt::LeftButton);
    }

    std::unique_ptr<CRemindersDlg> m_dlg;
};

TEST_F(RemindersDlgTest, AddStoresThePickedDayWithTheTimeOfDayItHeld)
{
    EXPECT_EQ(m_dlg->windowTitle(), "Reminders - Dayloom v2.21");
    EXPECT_EQ(m_dlg->DatePicker()->text(), "Thursday, December 05, 2002");
    EXPECT_EQ(m_dlg->focusWidget(), m_dlg->DescriptionEdit());
    Add(QDate(2002, 12, 8), QString::fromUtf8("Café"));

    QByteArray expected(44, '\0');
    const uint32_t time = static_cast<uint32_t>(Local(2002, 12, 8, 10));
    std::memcpy(expected.data(), &time, 4);
    std::memcpy(expected.data() + 4, "Caf\xe9", 4);
    EXPECT_EQ(FileBytes('r'), expected);
    // After an Add the lines have a blank before the colon; the fields are reset.
    EXPECT_EQ(Lines(m_dlg->ReminderList()),
              QStringList{QString::fromUtf8("on Sunday, December 08, 2002 : Café")});
    EXPECT_EQ(m_dlg->DatePicker()->Time(), Local(2002, 12, 5, 10));
    EXPECT_TRUE(m_dlg->DescriptionEdit()->text().isEmpty());

    CRemindersDlg reopened(nullptr, Diary());
    EXPECT_EQ(Lines(reopened.ReminderList()),
              QStringList{QString::fromUtf8("on Sunday, December 08, 2002: Café")});
}

TEST_F(RemindersDlgTest, FieldsTakeOnlyWhatARecordHolds)
{
    // Dates end where a 32-bit time count does.
    m_dlg->DatePicker()->setDate(QDate(2200, 1, 1));
    EXPECT_EQ(m_dlg->DatePicker()->date(), QDate(2106, 2, 7));
    m_dlg->DatePicker()->setDate(QDate(1960, 1, 1));
    EXPECT_EQ(m_dlg->DatePicker()->Time(), 0);
    // The 40th byte would be lost on reading back, so typing stops at 39.
    Type(m_dlg->DescriptionEdit(), QString(45, 'x'));
    EXPECT_EQ(m_dlg->DescriptionEdit()->text(), QString(39, 'x'));
}

TEST_F(RemindersDlgTest, CharactersTheFileCannotHoldAreNamedAndNothingIsStored)
{
    // A reminder of such characters alone used to be stored blank. Each
    // refused character is named once; the storable ones are not.
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Позвонить"), QStringLiteral(": П, о, з, в, н, и, т, ь. ")},
        {QStringLiteral("Café 😀 party 😀 — ok"), QStringLiteral(": 😀. ")},
    };
    for (const auto& [text, named] : cases) {
        CMessageBox::ClearHistory();
        m_dlg->DescriptionEdit()->clear();
        Type(m_dlg->DescriptionEdit(), text);
        QTest::mouseClick(m_dlg->AddButton(), Qt::LeftButton);
        EXPECT_TRUE(FileBytes('r').isEmpty());
        EXPECT_EQ(m_dlg->DescriptionEdit()->text(), text); // kept for correcting
        ASSERT_EQ(Shown().size(), 1);
        EXPECT_TRUE(Shown()[0].startsWith("Add Reminder - Dayloom v2.21 | "));
        EXPECT_TRUE(Shown()[0].contains(named)) << Shown()[0].toStdString();
    }
}

TEST_F(RemindersDlgTest, AnEncryptedDiaryKeepsARussianReminderAsWritten)
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

TEST_F(RemindersDlgTest, DeleteNeedsASelectedLineAndHelpOpensItsTopic)
{
    Delete(-1); // empty list: nothing happens
    EXPECT_TRUE(Shown().isEmpty());
    QTest::mouseClick(m_dlg->HelpButton(), Qt::LeftButton);
    QTest::keyClick(m_dlg->DescriptionEdit(), Qt::Key_F1);
    EXPECT_EQ(CHelp::Requests(), (std::vector<int>{65539, 65539}));

    Add(QDate(2002, 12, 8), "one");
    Add(QDate(2002, 12, 9), "two");
    Delete(-1);
    EXPECT_EQ(Shown(), QStringList{"Delete Reminder - Dayloom v2.21 | You must have a reminder "
                                   "selected in order to delete it!"});
    EXPECT_EQ(FileBytes('r').size(), 88);
    Delete(0);
    EXPECT_EQ(Lines(m_dlg->ReminderList()), QStringList{"on Monday, December 09, 2002: two"});
    Delete(0);
    EXPECT_EQ(m_dlg->ReminderList()->count(), 0);
    EXPECT_TRUE(FileBytes('r').isEmpty());
}

TEST_F(RemindersDlgTest, DatesStayEnglishOnAGermanDesktop)
{
    const widgettest::GermanDesktop german("Europe/Berlin");
    CRemindersDlg dlg(nullptr, Diary());
    EXPECT_EQ(dlg.DatePicker()->text(), "Thursday, December 05, 2002");
    QTest::mouseClick(dlg.AddButton(), Qt::LeftButton);
    EXPECT_EQ(Lines(dlg.ReminderList()), QStringList{"on Thursday, December 05, 2002 : "});
}
