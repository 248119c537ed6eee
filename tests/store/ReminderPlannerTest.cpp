// Reminders and planner tasks through the sequences the dialogs run, byte
// for byte.

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

std::string Reminder(uint32_t time, const std::string& text)
{
    return U32(time) + Pad(text, 40);
}

std::string Task(uint32_t planned, uint32_t done, const std::string& text, uint32_t status = 0)
{
    return U32(planned) + U32(done) + Pad(text, 50) + U32(status);
}

using ReminderPlanner = StoreTest;

TEST_F(ReminderPlanner, RemindersSortStablyAndDeleteInOrder)
{
    std::vector<ReminderRecord> none(1);
    EXPECT_TRUE(Store().ReadAllReminders(none) && none.empty());
    EXPECT_TRUE(Exists(Sibling('r'))); // a missing file is created empty
    for (const auto& [time, text] : {std::pair{300, "c"}, {100, "a"}, {300, "c2"}, {200, "b"}}) {
        CDiaryStore store = Store();
        AddReminder(store, time, text);
        ASSERT_TRUE(store.SortReminders());
    }
    const std::string a = Reminder(100, "a"), b = Reminder(200, "b");
    EXPECT_EQ(ReadFileBytes(Sibling('r')), a + b + Reminder(300, "c") + Reminder(300, "c2"));

    CDiaryStore store = Store();
    ASSERT_TRUE(store.DeleteReminder(2));
    EXPECT_EQ(store.reminder_index, 0u);
    EXPECT_EQ(ReadFileBytes(Sibling('r')), a + b + Reminder(300, "c2"));
    EXPECT_FALSE(store.DeleteReminder(3));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(store.DeleteReminder(0));
    EXPECT_EQ(store.m_nReminderCount, 0u);
    EXPECT_FALSE(Exists(Sibling('r')));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReminderPlanner, TasksSortByPlannedTimeAndMarkDoneChangesOneRecord)
{
    for (const auto& [time, text] : {std::pair{50, "later"}, {10, "first"}, {50, "later too"}}) {
        CDiaryStore store = Store();
        AddTask(store, time, text);
        ASSERT_TRUE(store.SortPlannerTasks());
    }
    const std::string first = Task(10, 10, "first"), last = Task(50, 50, "later too");
    EXPECT_EQ(ReadFileBytes(Sibling('p')), first + Task(50, 50, "later") + last);
    CDiaryStore store = Store();
    ASSERT_TRUE(store.MarkPlannerTaskDone(1, 0x1'2345'6789LL)); // only the low half is stored
    EXPECT_EQ(ReadFileBytes(Sibling('p')), first + Task(50, 0x2345'6789, "later", 1) + last);
    // Marking again replaces the time; an index past the end changes nothing.
    ASSERT_TRUE(store.MarkPlannerTaskDone(1, 70));
    ASSERT_TRUE(store.MarkPlannerTaskDone(3, 99));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), first + Task(50, 70, "later", 1) + last);

    ASSERT_TRUE(store.DeletePlannerTask(0));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), Task(50, 70, "later", 1) + last);
    ASSERT_TRUE(store.DeletePlannerTask(1));
    ASSERT_TRUE(store.MarkPlannerTaskDone(0, 80)); // a planner of one task keeps its file
    EXPECT_EQ(ReadFileBytes(Sibling('p')), Task(50, 80, "later", 1));
    ASSERT_TRUE(store.DeletePlannerTask(0));
    EXPECT_FALSE(Exists(Sibling('p')));
    EXPECT_TRUE(messages.empty());
}

} // namespace
