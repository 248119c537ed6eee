// The Planner dialog driven as a user would, with the main window's wording
// of what it leaves in the file.
#include "planning/PlannerDlg.h"

#include "PlanningFixture.h"
#include "planning/PlannerSummary.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

class PlannerDlgTest : public PlanningTest
{
protected:
    void SetUp() override
    {
        PlanningTest::SetUp();
        m_dlg = std::make_unique<CPlannerDlg>(nullptr, Diary());
        m_dlg->show();
    }
    void Add(QDate date, const QString& text)
    {
        PickDate(m_dlg->PlannedPicker(), date);
        Type(m_dlg->DescriptionEdit(), text);
        Click(m_dlg->AddButton());
    }
    // Selects a line (unless `row` is -1) and clicks `button`.
    void OnRow(int row, QPushButton* button)
    {
        if (row >= 0)
            ClickRow(m_dlg->TaskList(), row);
        Click(button);
    }
    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool Completing() const
    {
        EXPECT_EQ(m_dlg->DoneButton()->isVisible(), m_dlg->ActualPicker()->isEnabled());
        return m_dlg->DoneButton()->isVisible();
    }
    QStringList DialogLines() const { return Lines(m_dlg->TaskList()); }
    QStringList MainLines() const { return CPlannerSummary::MainWindowLines(Diary()); }

    std::unique_ptr<CPlannerDlg> m_dlg;
};

TEST_F(PlannerDlgTest, AddStoresANewTaskInPlannedOrder)
{
    EXPECT_EQ(m_dlg->windowTitle(), "Planner - Dayloom v2.21");
    Add(QDate(2002, 12, 12), "Buy paint");
    CClock::SetFixed(Local(2002, 12, 5, 11));
    Add(QDate(2002, 12, 8), "Call Ann");
    Add(QDate(2002, 12, 8), "");

    QByteArray first(62, '\0');
    // The picker was reset at the first Add, at 10:00.
    const uint32_t time = static_cast<uint32_t>(Local(2002, 12, 8, 10));
    std::memcpy(first.data(), &time, 4);
    std::memcpy(first.data() + 4, &time, 4);
    std::memcpy(first.data() + 8, "Call Ann", 8);
    EXPECT_EQ(FileBytes('p').left(62), first);
    EXPECT_EQ(FileBytes('p').size(), 3 * 62);
    EXPECT_EQ(DialogLines(), (QStringList{"08 Dec [ Call Ann ] NOT DONE", "08 Dec [  ] NOT DONE",
                                          "12 Dec [ Buy paint ] NOT DONE"}));
    EXPECT_EQ(MainLines(), DialogLines());
    EXPECT_EQ(m_dlg->PlannedPicker()->Time(), Local(2002, 12, 5, 11));
}

TEST_F(PlannerDlgTest, AddRefusesWhatTheFileCannotHold)
{
    Add(QDate(2002, 12, 12), QStringLiteral("Купить краску"));
    EXPECT_TRUE(FileBytes('p').isEmpty());
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_TRUE(Shown()[0].startsWith("Add Planner - Dayloom v2.21 | "));
    EXPECT_TRUE(Shown()[0].contains(QStringLiteral(": К, у, п, и, т, ь, к, р, а, с. ")));
}

TEST_F(PlannerDlgTest, TextPastedBeyondTheLengthIsCutAndSaid)
{
    QLineEdit* edit = m_dlg->DescriptionEdit();
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
}

TEST_F(PlannerDlgTest, SelectingCompletesAndEditingBrowses)
{
    EXPECT_FALSE(Completing());
    Add(QDate(2002, 12, 12), "Buy paint");
    ClickRow(m_dlg->TaskList(), 0);
    EXPECT_TRUE(Completing());
    Type(m_dlg->DescriptionEdit(), "x");
    EXPECT_FALSE(Completing());
    ClickRow(m_dlg->TaskList(), 0);
    EXPECT_TRUE(Completing());
    PickDate(m_dlg->PlannedPicker(), QDate(2002, 12, 13));
    EXPECT_FALSE(Completing());
    OnRow(0, m_dlg->AddButton());
    EXPECT_FALSE(Completing());
}

TEST_F(PlannerDlgTest, DoneRecordsTheActualDate)
{
    Add(QDate(2002, 12, 12), "Buy paint");
    Add(QDate(2002, 12, 20), "Sand floor");
    const std::pair<int, QDate> done[] = {{0, QDate(2002, 12, 12)}, {1, QDate(2002, 12, 21)}};
    for (const auto& [row, date] : done) {
        ClickRow(m_dlg->TaskList(), row);
        PickDate(m_dlg->ActualPicker(), date);
        Click(m_dlg->DoneButton());
    }
    EXPECT_EQ(DialogLines(), (QStringList{"12 Dec [ Buy paint ] DONE on 12 Dec",
                                          "20 Dec [ Sand floor ] DONE on 21 Dec"}));
    // The actual date keeps the time of day the picker held.
    const auto doneTime = static_cast<uint32_t>(Local(2002, 12, 21, 10));
    EXPECT_EQ(FileBytes('p').mid(62 + 4, 4),
              QByteArray(reinterpret_cast<const char*>(&doneTime), 4));
    EXPECT_TRUE(Completing());
    EXPECT_TRUE(m_dlg->TaskList()->selectedItems().isEmpty());
}

TEST_F(PlannerDlgTest, DeleteAndDoneNeedASelectedLineAndHelpOpensItsTopic)
{
    OnRow(-1, m_dlg->DeleteButton());
    OnRow(-1, m_dlg->DoneButton());
    EXPECT_TRUE(Shown().isEmpty()); // empty list: nothing happens
    Click(m_dlg->HelpButton());
    QTest::keyClick(m_dlg->DescriptionEdit(), Qt::Key_F1);
    EXPECT_EQ(CHelp::Requests(), (std::vector<int>{65537, 65537}));

    Add(QDate(2002, 12, 12), "Buy paint");
    Add(QDate(2002, 12, 13), "Sand floor");
    OnRow(-1, m_dlg->DeleteButton());
    OnRow(-1, m_dlg->DoneButton());
    EXPECT_EQ(Shown(),
              (QStringList{"Delete Planner - Dayloom v2.21 | You must have a planner entry "
                           "selected in order to delete it!",
                           "Modify Planner - Dayloom v2.21 | You must have a planner entry "
                           "selected in order to modify it!"}));

    OnRow(1, m_dlg->DeleteButton());
    EXPECT_EQ(DialogLines(), QStringList{"12 Dec [ Buy paint ] NOT DONE"});
    EXPECT_TRUE(Completing()); // Delete leaves the state as it was
    OnRow(0, m_dlg->DeleteButton());
    EXPECT_TRUE(DialogLines().isEmpty());
    EXPECT_TRUE(MainLines().isEmpty());
    EXPECT_TRUE(FileBytes('p').isEmpty());
}
