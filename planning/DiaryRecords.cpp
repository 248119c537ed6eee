#include "planning/DiaryRecords.h"

#include "platform/FileErrorMessage.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"

namespace {

// The walk both record files share: count, read the first, advance to the
// end. `Kind` names the store's members of one kind of record.
template <typename Record, typename Kind>
std::vector<Record> ReadAll(const std::string& diaryPath, uint16_t extLoc, QWidget* parent)
{
    std::vector<Record> records;
    try {
        CDiaryStore store(0, diaryPath, extLoc);
        (store.*Kind::open)();
        (store.*Kind::close)();
        if (store.*Kind::count == 0) {
            return records;
        }
        store.*Kind::index = 0;
        if (!(store.*Kind::read)()) {
            return records;
        }
        do {
            records.push_back(store.*Kind::record);
        } while ((store.*Kind::next)());
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(parent, error);
    }
    return records;
}

struct ReminderKind
{
    static constexpr auto open = &CDiaryStore::OpenReminderFile;
    static constexpr auto close = &CDiaryStore::CloseReminderFile;
    static constexpr auto count = &CDiaryStore::m_nReminderCount;
    static constexpr auto index = &CDiaryStore::reminder_index;
    static constexpr auto read = &CDiaryStore::ReadReminder;
    static constexpr auto next = &CDiaryStore::NextReminder;
    static constexpr auto record = &CDiaryStore::reminder;
};

struct PlannerKind
{
    static constexpr auto open = &CDiaryStore::OpenPlannerFile;
    static constexpr auto close = &CDiaryStore::ClosePlannerFile;
    static constexpr auto count = &CDiaryStore::m_nPlannerCount;
    static constexpr auto index = &CDiaryStore::planner_index;
    static constexpr auto read = &CDiaryStore::ReadPlannerTask;
    static constexpr auto next = &CDiaryStore::NextPlannerTask;
    static constexpr auto record = &CDiaryStore::task;
};

} // namespace

std::vector<ReminderRecord> CDiaryRecords::Reminders(const std::string& diaryPath, uint16_t extLoc,
                                                     QWidget* parent)
{
    return ReadAll<ReminderRecord, ReminderKind>(diaryPath, extLoc, parent);
}

std::vector<PlannerRecord> CDiaryRecords::PlannerTasks(const std::string& diaryPath,
                                                       uint16_t extLoc, QWidget* parent)
{
    return ReadAll<PlannerRecord, PlannerKind>(diaryPath, extLoc, parent);
}
