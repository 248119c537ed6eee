// Reminders and planner tasks through the sequences the dialogs run.

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

class ReminderPlanner : public StoreTest
{
protected:
    void AddReminder(int64_t time, const char* text)
    {
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        store.reminder.time = time;
        std::snprintf(store.reminder.description, sizeof store.reminder.description, "%s", text);
        store.AppendReminder();
        ASSERT_TRUE(store.SortReminders());
    }

    void AddTask(int64_t time, const char* text)
    {
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        store.task.plannedTime = time;
        store.task.doneTime = time;
        store.task.status = 0;
        std::snprintf(store.task.description, sizeof store.task.description, "%s", text);
        store.AppendPlannerTask();
        ASSERT_TRUE(store.SortPlannerTasks());
    }

    std::vector<std::string> Reminders()
    {
        std::vector<std::string> out;
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        store.OpenReminderFile();
        store.CloseReminderFile();
        store.reminder_index = 0;
        if (store.m_nReminderCount == 0 || !store.ReadReminder())
            return out;
        do {
            out.push_back(std::to_string(store.reminder.time) + " " + store.reminder.description);
        } while (store.NextReminder());
        EXPECT_EQ(store.reminder_index, store.m_nReminderCount);
        // Reading them all in one go gives the same list.
        std::vector<ReminderRecord> all;
        EXPECT_TRUE(CDiaryStore(0, Diary(), ExtLoc(Diary())).ReadAllReminders(all));
        std::vector<std::string> inOneGo;
        for (const ReminderRecord& r : all)
            inOneGo.push_back(std::to_string(r.time) + " " + r.description);
        EXPECT_EQ(inOneGo, out);
        return out;
    }

    std::vector<std::string> Tasks()
    {
        std::vector<std::string> out;
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        store.OpenPlannerFile();
        store.ClosePlannerFile();
        store.planner_index = 0;
        if (store.m_nPlannerCount == 0 || !store.ReadPlannerTask())
            return out;
        const auto line = [](const PlannerRecord& t) {
            return std::to_string(t.plannedTime) + "/" + std::to_string(t.doneTime) + "/" +
                   std::to_string(t.status) + " " + t.description;
        };
        do {
            out.push_back(line(store.task));
        } while (store.NextPlannerTask());
        std::vector<PlannerRecord> all;
        EXPECT_TRUE(CDiaryStore(0, Diary(), ExtLoc(Diary())).ReadAllPlannerTasks(all));
        std::vector<std::string> inOneGo;
        for (const PlannerRecord& t : all)
            inOneGo.push_back(line(t));
        EXPECT_EQ(inOneGo, out);
        return out;
    }
};

TEST_F(ReminderPlanner, MissingReminderFileIsCreatedEmpty)
{
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    store.OpenReminderFile();
    store.CloseReminderFile();
    EXPECT_EQ(store.m_nReminderCount, 0u);
    EXPECT_TRUE(Exists(Sibling('r')));
    EXPECT_FALSE(store.NextReminder());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReminderPlanner, RemindersSortStablyAndDeleteInOrder)
{
    AddReminder(300, "c");
    AddReminder(100, "a");
    AddReminder(300, "c2");
    AddReminder(200, "b");
    EXPECT_EQ(Reminders(), (std::vector<std::string>{"100 a", "200 b", "300 c", "300 c2"}));

    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(store.DeleteReminder(2));
    EXPECT_EQ(store.reminder_index, 0u);
    EXPECT_EQ(Reminders(), (std::vector<std::string>{"100 a", "200 b", "300 c2"}));
    EXPECT_FALSE(store.DeleteReminder(3));
    ASSERT_TRUE(store.DeleteReminder(0));
    ASSERT_TRUE(store.DeleteReminder(0));
    ASSERT_TRUE(store.DeleteReminder(0));
    EXPECT_EQ(store.m_nReminderCount, 0u);
    EXPECT_FALSE(Exists(Sibling('r')));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReminderPlanner, TasksSortByPlannedTimeAndMarkDoneChangesOneRecord)
{
    AddTask(50, "later");
    AddTask(10, "first");
    AddTask(50, "later too");
    EXPECT_EQ(Tasks(),
              (std::vector<std::string>{"10/10/0 first", "50/50/0 later", "50/50/0 later too"}));
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    ASSERT_TRUE(store.MarkPlannerTaskDone(1, 0x1'2345'6789LL)); // only the low half is stored
    EXPECT_EQ(Tasks(), (std::vector<std::string>{"10/10/0 first", "50/591751049/1 later",
                                                 "50/50/0 later too"}));
    // Marking again replaces the time; an index past the end changes nothing.
    ASSERT_TRUE(store.MarkPlannerTaskDone(1, 70));
    const std::string before = ReadFileBytes(Sibling('p'));
    ASSERT_TRUE(store.MarkPlannerTaskDone(3, 99));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), before);
    EXPECT_EQ(Tasks()[1], "50/70/1 later");

    ASSERT_TRUE(store.DeletePlannerTask(0));
    EXPECT_EQ(Tasks(), (std::vector<std::string>{"50/70/1 later", "50/50/0 later too"}));
    ASSERT_TRUE(store.DeletePlannerTask(1));
    ASSERT_TRUE(store.MarkPlannerTaskDone(0, 80)); // a planner of one task keeps its file
    EXPECT_EQ(Tasks(), (std::vector<std::string>{"50/80/1 later"}));
    ASSERT_TRUE(store.DeletePlannerTask(0));
    EXPECT_FALSE(Exists(Sibling('p')));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReminderPlanner, RewritesZeroTheDescriptionsLastByte)
{
    // Full-width descriptions lose their last byte when a rewrite reads them.
    WriteFileBytes(Sibling('r'), U32(9) + std::string(40, 'b') + U32(1) + std::string(40, 'a'));
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    store.m_nReminderCount = 2;
    ASSERT_TRUE(store.SortReminders());
    EXPECT_EQ(ReadFileBytes(Sibling('r')), U32(1) + std::string(39, 'a') + std::string(1, '\0') +
                                               U32(9) + std::string(39, 'b') +
                                               std::string(1, '\0'));
    WriteFileBytes(Sibling('p'), U32(9) + U32(9) + std::string(50, 'x') + U32(0));
    ASSERT_TRUE(store.MarkPlannerTaskDone(0, 11));
    EXPECT_EQ(ReadFileBytes(Sibling('p')),
              U32(9) + U32(11) + std::string(49, 'x') + std::string(1, '\0') + U32(1));
}

} // namespace
