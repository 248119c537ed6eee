// A caller may hold a record file open across several rewrites; each must
// replace the live file, not the temporary one the previous rewrite renamed.

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

class HeldFileRewrite : public StoreTest
{
};

TEST_F(HeldFileRewrite, SecondRewriteOfAHeldFileReplacesTheLiveFile)
{
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    for (int64_t time : {30, 10, 20}) {
        store.reminder.time = time;
        std::snprintf(store.reminder.description, 40, "r%d", static_cast<int>(time));
        store.AppendReminder();
        store.task.plannedTime = store.task.doneTime = time;
        std::snprintf(store.task.description, 50, "t%d", static_cast<int>(time));
        store.AppendPlannerTask();
    }
    Save("{\\rtf1 b}", 200);
    Save("{\\rtf1 a}", 100);
    Save("{\\rtf1 c}", 300);

    store.OpenReminderFile();
    store.m_nReminderCount = 3;
    ASSERT_TRUE(store.SortReminders());
    ASSERT_TRUE(store.DeleteReminder(0));
    ASSERT_TRUE(store.DeleteReminder(0));
    store.CloseReminderFile();
    EXPECT_EQ(ReadFileBytes(Sibling('r')), U32(30) + Pad("r30", 40));

    store.OpenPlannerFile();
    ASSERT_TRUE(store.MarkPlannerTaskDone(0, 7));
    ASSERT_TRUE(store.DeletePlannerTask(1));
    store.ClosePlannerFile();
    EXPECT_EQ(ReadFileBytes(Sibling('p')), U32(30) + U32(7) + Pad("t30", 50) + U32(1) + U32(20) +
                                               U32(20) + Pad("t20", 50) + U32(0));

    ASSERT_TRUE(store.OpenIndexFile());
    ASSERT_TRUE(store.DeleteEntry(0));
    ASSERT_TRUE(store.DeleteEntry(0));
    store.CloseIndexFile();
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{{300, "{\\rtf1 c}"}}));

    for (char letter : {'i', 'r', 'p'})
        EXPECT_FALSE(Exists(CDiaryStore::TempPathFor(Sibling(letter))));
    EXPECT_TRUE(messages.empty());
}

// Deleting the only record removes its file; a caller still holding the file
// must then add to the file that is there, not to the removed one.
TEST_F(HeldFileRewrite, RecordsAddedAfterTheLastWasDeletedWhileHeldAreKept)
{
    CDiaryStore store(0, Diary(), ExtLoc(Diary()));
    store.OpenReminderFile();
    store.OpenPlannerFile();
    for (int64_t time : {10, 20}) {
        store.reminder.time = time;
        std::snprintf(store.reminder.description, 40, "r%d", static_cast<int>(time));
        store.AppendReminder();
        store.task.plannedTime = store.task.doneTime = time;
        std::snprintf(store.task.description, 50, "t%d", static_cast<int>(time));
        store.AppendPlannerTask();
        if (time == 10) {
            ASSERT_TRUE(store.DeleteReminder(0));
            ASSERT_TRUE(store.DeletePlannerTask(0));
        }
    }
    store.CloseReminderFile();
    store.ClosePlannerFile();
    EXPECT_EQ(ReadFileBytes(Sibling('r')), U32(20) + Pad("r20", 40));
    EXPECT_EQ(ReadFileBytes(Sibling('p')), U32(20) + U32(20) + Pad("t20", 50) + U32(0));

    ASSERT_TRUE(store.OpenEntryFiles());
    for (int64_t time : {1, 2}) {
        store.entry.time = time;
        store.entry.text = "entry " + std::to_string(time);
        std::strcpy(store.entry.password, "secret");
        store.AppendEntry();
        if (time == 1) {
            ASSERT_TRUE(store.DeleteEntry(0));
        }
    }
    store.CloseEntryFiles();
    EXPECT_EQ(Entries(), (std::vector<std::pair<int64_t, std::string>>{{2, "entry 2"}}));
    EXPECT_TRUE(messages.empty());
}

} // namespace
