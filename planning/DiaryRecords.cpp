#include "planning/DiaryRecords.h"

#include "platform/FileErrorMessage.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"

namespace {

// Both record files are read the same way: in one go, a file error shown
// to the user and an empty list given back.
template <typename Record>
std::vector<Record> ReadAll(const std::string& diaryPath, uint16_t extLoc, QWidget* parent,
                            bool (CDiaryStore::*readAll)(std::vector<Record>&))
{
    std::vector<Record> records;
    try {
        CDiaryStore store(0, diaryPath, extLoc);
        if (!(store.*readAll)(records)) {
            records.clear();
        }
    } catch (const CFileError& error) {
        records.clear();
        CFileErrorMessage::Show(parent, error);
    }
    return records;
}

} // namespace

std::vector<ReminderRecord> CDiaryRecords::Reminders(const std::string& diaryPath, uint16_t extLoc,
                                                     QWidget* parent)
{
    return ReadAll<ReminderRecord>(diaryPath, extLoc, parent, &CDiaryStore::ReadAllReminders);
}

std::vector<PlannerRecord> CDiaryRecords::PlannerTasks(const std::string& diaryPath,
                                                       uint16_t extLoc, QWidget* parent)
{
    return ReadAll<PlannerRecord>(diaryPath, extLoc, parent, &CDiaryStore::ReadAllPlannerTasks);
}
