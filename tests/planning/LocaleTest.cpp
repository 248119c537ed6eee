// Dates stay English under a German user locale.
#include "PlanningFixture.h"
#include "planning/PlannerSummary.h"
#include "planning/ReminderSummary.h"
#include "planning/RemindersDlg.h"

#include <QLocale>
#include <QPushButton>
#include <clocale>

class PlanningLocaleTest : public PlanningTest
{
protected:
    void SetUp() override
    {
        PlanningTest::SetUp();
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
        PlanningTest::TearDown();
    }
};

TEST_F(PlanningLocaleTest, DatesStayEnglishUnderAGermanLocale)
{
    ReminderRecord reminder;
    reminder.time = Local(2002, 12, 6, 9);
    PlannerRecord task;
    task.plannedTime = task.doneTime = Local(2002, 12, 12, 9);
    EXPECT_EQ(CReminderSummary::Lines({reminder}, Local(2002, 12, 5, 10), 5),
              QStringList{"Tomorrow [06 Dec, Fri]: "});
    EXPECT_EQ(CPlannerSummary::DialogLine(task), "12 Dec [  ] NOT DONE");

    CRemindersDlg dlg(nullptr, Diary());
    EXPECT_EQ(dlg.DatePicker()->text(), "Thursday, December 05, 2002");
    QTest::mouseClick(dlg.AddButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.ReminderList()->item(0)->text(), "on Thursday, December 05, 2002 : ");
}
