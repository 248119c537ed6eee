// Reminders and planner tasks through the sequences the dialogs run.

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

std::string Line(const ReminderRecord& r)
{
    return std::to_string(r.time) + " " + r.description;
}

std::string Line(const PlannerRecord& t)
{
    return std::to_string(t.plannedTime) + "/" + std::to_string(t.doneTime) + "/" +
           std::to_string(t.status) + " " + t.description;
}

class ReminderPlanner : public StoreTest
{
protected:
    void Add(int64_t time, const char* text, bool task)
    {
        CDiaryStore store = Store();
        if (task) {
            AddTask(store, time, text);
            ASSERT_TRUE(store.SortPlannerTasks());
        } else {
            AddReminder(store, time, text);
            ASSERT_TRUE(store.SortReminders());
        }
    }

    // The list as the dialogs walk it; reading all in one go gives the same.
    template <typename Record, typename Read, typename Next, typename All>
    std::vector<std::string> List(uint32_t CDiaryStore::*count, uint32_t CDiaryStore::*index,
                                  Record CDiaryStore::*working, Read read, Next next, All all)
    {
        std::vector<std::string> out;
        CDiaryStore store = Store();
        std::vector<Record> records;
        EXPECT_TRUE((store.*all)(records)); // also sets the count
        if (store.*count > 0 && (store.*read)()) {
            do {
                out.push_back(Line(store.*working));
            } while ((store.*next)());
        }
        EXPECT_EQ(store.*index, store.*count);
        std::vector<std::string> inOneGo;
        for (const Record& r : records)
            inOneGo.push_back(Line(r));
        EXPECT_EQ(inOneGo, out);
        return out;
    }
    std::vector<std::string> Reminders()
    {
        return List(&CDiaryStore::m_nReminderCount, &CDiaryStore::reminder_index,
                    &CDiaryStore::reminder, &CDiaryStore::ReadReminder, &CDiaryStore::NextReminder,
                    &CDiaryStore::ReadAllReminders);
    }
    std::vector<std::string> Tasks()
    {
        return List(&CDiaryStore::m_nPlannerCount, &CDiaryStore::planner_index, &CDiaryStore::task,
                    &CDiaryStore::ReadPlannerTask, &CDiaryStore::NextPlannerTask,
                    &CDiaryStore::ReadAllPlannerTasks);
    }
};

TEST_F(ReminderPlanner, RemindersSortStablyAndDeleteInOrder)
{
    EXPECT_EQ(Reminders(), std::vector<std::string>{}); // a missing file is created empty
    EXPECT_TRUE(Exists(Sibling('r')));
    Add(300, "c", false);
    Add(100, "a", false);
    Add(300, "c2", false);
    Add(200, "b", false);
    EXPECT_EQ(Reminders(), (std::vector<std::string>{"100 a", "200 b", "300 c", "300 c2"}));

    CDiaryStore store = Store();
    ASSERT_TRUE(store.DeleteReminder(2));
    EXPECT_EQ(store.reminder_index, 0u);
    EXPECT_EQ(Reminders(), (std::vector<std::string>{"100 a", "200 b", "300 c2"}));
    EXPECT_FALSE(store.DeleteReminder(3));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(store.DeleteReminder(0));
    EXPECT_EQ(store.m_nReminderCount, 0u);
    EXPECT_FALSE(Exists(Sibling('r')));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReminderPlanner, TasksSortByPlannedTimeAndMarkDoneChangesOneRecord)
{
    Add(50, "later", true);
    Add(10, "first", true);
    Add(50, "later too", true);
    EXPECT_EQ(Tasks(),
              (std::vector<std::string>{"10/10/0 first", "50/50/0 later", "50/50/0 later too"}));
    CDiaryStore store = Store();
    ASSERT_TRUE(store.MarkPlannerTaskDone(1, 0x1'2345'6789LL)); // only the low half is stored
    EXPECT_EQ(Tasks(), (std::vector<std::string>{"10/10/0 first", "50/591751049/1 later",
                                                 "50/50/0 later too"}));
    // Marking again replaces the time; an index past the end changes nothing.
    ASSERT_TRUE(store.MarkPlannerTaskDone(1, 70));
    const std::string before = ReadFileBytes(Sibling('p'));
    ASSERT_TRUE(store.MarkPlannerTaskDone(3, 99));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), before);

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
    CDiaryStore store = Store();
    store.m_nReminderCount = 2;
    ASSERT_TRUE(store.SortReminders());
    EXPECT_EQ(ReadFileBytes(Sibling('r')),
              U32(1) + Pad(std::string(39, 'a'), 40) + U32(9) + Pad(std::string(39, 'b'), 40));
    WriteFileBytes(Sibling('p'), U32(9) + U32(9) + std::string(50, 'x') + U32(0));
    ASSERT_TRUE(store.MarkPlannerTaskDone(0, 11));
    EXPECT_EQ(ReadFileBytes(Sibling('p')),
              U32(9) + U32(11) + Pad(std::string(49, 'x'), 50) + U32(1));
}

// A diary in a folder that cannot be written, without reminder or planner
// file (a new diary gets them only when first used): it has none of
// either, which is no error.
TEST_F(ReminderPlanner, MissingFilesInAReadOnlyFolderHoldNothingAndAreNoError)
{
    Save("first", 1000);
    ASSERT_FALSE(Exists(Sibling('r')));
    ASSERT_FALSE(Exists(Sibling('p')));
    const int failures = InReadOnlyFolder([&] {
        std::vector<std::string> seen;
        SetStoreMessageHandler([&](const std::string& m) { seen.push_back(m); });
        int bad = 0;
        CDiaryStore store = Store();
        std::vector<ReminderRecord> reminders(1);
        std::vector<PlannerRecord> tasks(1);
        bad += store.ReadAllReminders(reminders) && reminders.empty() ? 0 : 1;
        bad += store.ReadAllPlannerTasks(tasks) && tasks.empty() ? 0 : 2;
        store.OpenReminderFile();
        bad += store.m_nReminderCount == 0 && !store.ReadReminder() ? 0 : 4;
        store.CloseReminderFile();
        bad += store.ReadFirstEntry() ? 0 : 8;
        bad += seen.empty() ? 0 : 16;
        return bad;
    });
    EXPECT_EQ(failures, 0);
    EXPECT_FALSE(Exists(Sibling('r')));
    EXPECT_FALSE(Exists(Sibling('p')));
}

} // namespace
