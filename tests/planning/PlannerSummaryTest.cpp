// How a task reads in the Planner dialog and in the main window.
#include "planning/PlannerSummary.h"

#include "PlanningFixture.h"

namespace {

PlannerRecord Task(int64_t planned, int64_t done, int32_t status)
{
    PlannerRecord task;
    task.plannedTime = planned;
    task.doneTime = done;
    task.status = status;
    std::strcpy(task.description, "Buy paint");
    return task;
}

} // namespace

class PlannerSummaryTest : public PlanningTest
{
};

TEST_F(PlannerSummaryTest, WordsEachStatusForBothLists)
{
    const int64_t planned = Local(2002, 12, 12, 9);
    struct
    {
        PlannerRecord task;
        const char* dialog;
        const char* mainWindow;
    } const cases[] = {
        {Task(planned, planned, 0), "12 Dec [ Buy paint ] NOT DONE",
         "12 Dec [ Buy paint ] NOT DONE"},
        {Task(planned, Local(2002, 12, 12, 23, 59), 1), "12 Dec [ Buy paint ] DONE on 12 Dec",
         "12 Dec [ Buy paint ] DONE ON TIME"},
        {Task(planned, Local(2002, 12, 14, 9), 1), "12 Dec [ Buy paint ] DONE on 14 Dec",
         "12 Dec [ Buy paint ] DONE on 14 Dec"},
        {Task(planned, Local(2002, 12, 11, 9), 1), "12 Dec [ Buy paint ] DONE on 11 Dec",
         "12 Dec [ Buy paint ] DONE on 11 Dec"},
        {Task(planned, planned, 2), "12 Dec [ Buy paintERROR", "12 Dec [ Buy paint ERROR"},
        {Task(planned, planned, -1), "12 Dec [ Buy paintERROR", "12 Dec [ Buy paint ERROR"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CPlannerSummary::DialogLine(c.task), QString::fromLatin1(c.dialog));
        EXPECT_EQ(CPlannerSummary::MainWindowLine(c.task), QString::fromLatin1(c.mainWindow));
    }
}

TEST_F(PlannerSummaryTest, OnTimeMeansTheSameLocalDay)
{
    PinZone("America/New_York");
    // Same local day, different UTC days; then an hour apart across midnight.
    EXPECT_EQ(CPlannerSummary::MainWindowLine(
                  Task(Local(2002, 12, 12, 0, 30), Local(2002, 12, 12, 23, 30), 1)),
              "12 Dec [ Buy paint ] DONE ON TIME");
    EXPECT_EQ(CPlannerSummary::MainWindowLine(
                  Task(Local(2002, 12, 12, 23, 30), Local(2002, 12, 13, 0, 30), 1)),
              "12 Dec [ Buy paint ] DONE on 13 Dec");
}
