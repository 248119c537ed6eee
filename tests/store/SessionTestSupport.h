#pragma once
// Helpers of the session tests: an entry saved, and the diary read back,
// through a session's stores, as the editor and the windows do.

#include "StoreTestSupport.h"
#include "store/DiarySession.h"
#include "store/EncryptedSession.h"

#include <algorithm>
#include <memory>

namespace storetest {

// A session on an encrypted diary: made under the password if there is no file yet, else unlocked.
inline std::unique_ptr<CDiarySession> OpenEncrypted(const std::string& path,
                                                    const std::string& password = "secret")
{
    auto session = std::make_unique<CDiarySession>(CDiaryName(path));
    if (Exists(path)) {
        EXPECT_TRUE(session->ReadFirstEntry() && session->Unlock(Passphrase(password)));
    } else {
        EXPECT_TRUE(session->Encrypted()->Create(password, KdfParams::Cheapest()).ok());
        session->SetPassword(Passphrase(password));
    }
    return session;
}

inline void SaveEntry(const CDiarySession& session, const std::string& text, int64_t time)
{
    auto store = session.MakeStore();
    Fill(*store, time, text, session.Password());
    store->AppendEntry();
    ASSERT_TRUE(store->SortEntries());
}

// Entry texts (sorted where entries of one time may lie either way, or each
// with its time and password), then reminders and tasks.
enum class Show
{
    Texts,
    Sorted,
    Full
};

inline std::string SessionContent(const CDiarySession& session, Show show = Show::Texts)
{
    std::vector<EntryHeader> headers;
    std::vector<ReminderRecord> reminders;
    std::vector<PlannerRecord> tasks;
    auto lists = session.MakeStore();
    if (!lists->ReadAllEntryHeaders(headers) || !lists->ReadAllReminders(reminders) ||
        !lists->ReadAllPlannerTasks(tasks))
        return "<lists unreadable>";
    const bool full = show == Show::Full;
    std::vector<std::string> texts;
    for (uint32_t i = 0; i < headers.size(); ++i) {
        auto store = session.MakeStore(i);
        texts.push_back(!store->ReadEntry() ? std::string("<unreadable>")
                        : full ? std::to_string(store->entry.time) + ' ' + store->entry.password +
                                     ' ' + store->entry.text
                               : store->entry.text);
    }
    if (show == Show::Sorted)
        std::sort(texts.begin(), texts.end());
    std::string out;
    for (const std::string& text : texts)
        out += text + '\n';
    for (const ReminderRecord& r : reminders)
        out += "r " + (full ? std::to_string(r.time) + ' ' : "") + r.description + '\n';
    for (const PlannerRecord& t : tasks)
        out += "p " + (full ? std::to_string(t.plannedTime) + ' ' : "") + t.description + '\n';
    return out;
}

} // namespace storetest
