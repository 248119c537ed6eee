#pragma once
// Helpers of the session tests: an entry saved, and the diary read back,
// through a session's stores, as the editor and the windows do.

#include "StoreTestSupport.h"
#include "store/DiarySession.h"

#include <algorithm>

namespace storetest {

inline void SaveEntry(const CDiarySession& session, const std::string& text, int64_t time)
{
    auto store = session.MakeStore();
    Fill(*store, time, text, session.Password());
    store->AppendEntry();
    ASSERT_TRUE(store->SortEntries());
}

// Entry texts (sorted where entries of one time may lie either way), then
// reminders and tasks.
inline std::string SessionContent(const CDiarySession& session, bool sorted = false)
{
    std::vector<EntryHeader> headers;
    std::vector<ReminderRecord> reminders;
    std::vector<PlannerRecord> tasks;
    auto lists = session.MakeStore();
    if (!lists->ReadAllEntryHeaders(headers) || !lists->ReadAllReminders(reminders) ||
        !lists->ReadAllPlannerTasks(tasks))
        return "<lists unreadable>";
    std::vector<std::string> texts;
    for (uint32_t i = 0; i < headers.size(); ++i) {
        auto store = session.MakeStore(i);
        texts.push_back(store->ReadEntry() ? store->entry.text : "<unreadable>");
    }
    if (sorted)
        std::sort(texts.begin(), texts.end());
    std::string out;
    for (const std::string& text : texts)
        out += text + '\n';
    for (const ReminderRecord& r : reminders)
        out += std::string("r ") + r.description + '\n';
    for (const PlannerRecord& t : tasks)
        out += std::string("p ") + t.description + '\n';
    return out;
}

} // namespace storetest
