#include "planning/DiaryRecords.h"

#include "platform/FileErrorMessage.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/EncryptedSession.h"
#include "store/FileError.h"
#include "store/ScriptTexts.h"

namespace {

// Both record files are read the same way: in one go, a file error shown
// to the user and an empty list given back.
template <typename Record>
std::vector<Record> ReadAll(const CDiarySession& diary, QWidget* parent,
                            bool (CDiaryStore::*readAll)(std::vector<Record>&))
{
    std::vector<Record> records;
    try {
        const std::unique_ptr<CDiaryStore> store = diary.MakeStore();
        if (!((*store).*readAll)(records)) {
            records.clear();
        }
        // An encrypted diary's texts in any script, where it keeps them.
        if (const CEncryptedSession* encrypted = diary.Encrypted();
            encrypted && encrypted->ScriptTexts() && !encrypted->ScriptTexts()->empty()) {
            const std::vector<CScriptTexts::Text> texts =
                CScriptTexts::Decode(*encrypted->ScriptTexts())
                    .value_or(std::vector<CScriptTexts::Text>{});
            for (Record& record : records)
                record.text = CScriptTexts::Find(texts, record);
        }
    } catch (const CFileError& error) {
        records.clear();
        CFileErrorMessage::Show(parent, error);
    }
    return records;
}

} // namespace

std::vector<ReminderRecord> CDiaryRecords::Reminders(const CDiarySession& diary, QWidget* parent)
{
    return ReadAll<ReminderRecord>(diary, parent, &CDiaryStore::ReadAllReminders);
}

std::vector<PlannerRecord> CDiaryRecords::PlannerTasks(const CDiarySession& diary, QWidget* parent)
{
    return ReadAll<PlannerRecord>(diary, parent, &CDiaryStore::ReadAllPlannerTasks);
}

QStringList CDiaryRecords::LostInFourFiles(const CDiarySession& diary, QWidget* parent)
{
    QStringList lost;
    for (const ReminderRecord& reminder : Reminders(diary, parent))
        if (!reminder.text.empty())
            lost << QString::fromStdString(reminder.text);
    for (const PlannerRecord& task : PlannerTasks(diary, parent))
        if (!task.text.empty())
            lost << QString::fromStdString(task.text);
    return lost;
}
