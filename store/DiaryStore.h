#pragma once
// One open diary for the length of one command: the four file paths, the
// counts and current indexes, and one working record of each kind. Every
// operation opens the files it needs, works, and closes them again, so the
// files are the only state that outlives a command.

#include "store/DiaryName.h"
#include "store/FileResult.h"
#include "store/Records.h"
#include "store/StoreFile.h"

#include <cstdint>
#include <string>
#include <vector>

class CDiaryStore
{
public:
    CDiaryStore(uint32_t currentIndex, const CDiaryName& name);
    virtual ~CDiaryStore();
    CDiaryStore(const CDiaryStore&) = delete;
    CDiaryStore& operator=(const CDiaryStore&) = delete;

    // Entries.
    void AppendEntry();
    bool ReadEntry();
    bool ReadFirstEntry();
    bool ReadEntryHeader();
    bool NextEntry();
    bool DeleteEntry(uint32_t index);
    bool SortEntries();
    // Replaces entry `index` with the working entry (filled as for
    // AppendEntry): its text is appended to the data file and the index is
    // rewritten once, in time order, with the new record in place of the old.
    // The old text stays as unreferenced bytes. A failure or crash at any
    // step leaves the old entry or the new one, never both and never
    // neither; a failure is reported and returns false. On success
    // current_index is the entry's new position.
    bool ReplaceEntry(uint32_t index);
    // Every entry's index record in file order, read in one go: what opening
    // a diary needs for its list and graph. False when the index file cannot
    // be opened or read; a trailing partial record is ignored.
    bool ReadAllEntryHeaders(std::vector<EntryHeader>& headers);

    // Password: every record gets the new one and every text is encrypted
    // with it, both files replaced together.
    bool ChangePassword(const std::string& newPassword);

    // Reminders.
    void OpenReminderFile();
    void CloseReminderFile();
    void AppendReminder();
    bool ReadReminder();
    bool NextReminder();
    bool DeleteReminder(uint32_t index);
    bool SortReminders();
    // Every reminder in file order, read in one go (what the summary and the
    // Reminders dialog list). False when the file cannot be opened or read;
    // a trailing partial record is ignored. Sets m_nReminderCount.
    bool ReadAllReminders(std::vector<ReminderRecord>& reminders);

    // Planner.
    void OpenPlannerFile();
    void ClosePlannerFile();
    void AppendPlannerTask();
    bool ReadPlannerTask();
    bool NextPlannerTask();
    bool DeletePlannerTask(uint32_t index);
    bool SortPlannerTasks();
    bool MarkPlannerTaskDone(uint32_t index, int64_t completionTime);
    // Every task in file order, read in one go, as ReadAllReminders.
    bool ReadAllPlannerTasks(std::vector<PlannerRecord>& tasks);

    // File primitives shared by the operations above.
    bool OpenEntryFiles();
    void CloseEntryFiles();
    bool OpenIndexFile();
    void CloseIndexFile();

    // Working records.
    DiaryEntry entry;
    ReminderRecord reminder;
    PlannerRecord task;

    // Bookkeeping the callers read and set.
    uint32_t current_index = 0;
    uint32_t reminder_index = 0;
    uint32_t planner_index = 0;
    uint32_t m_nEntryCount = 0;
    uint32_t m_nReminderCount = 0;
    uint32_t m_nPlannerCount = 0;
    uint64_t m_nIndexLength = 0;
    uint64_t m_nDataLength = 0;

    std::string m_strIndexPath;
    std::string m_strDataPath;
    std::string m_strReminderPath;
    std::string m_strPlannerPath;

    const CDiaryName& Name() const { return m_name; }
    // The temporary files of the rewrites, beside the live files and named
    // after them ("travel.ilm" -> "travel.ilm.tmp"), and the marker that
    // commits a password change ("travel.ilm.pwswitch").
    static std::string TempPathFor(const std::string& livePath);
    std::string SwitchMarkerPath() const { return m_name.SwitchMarkerPath(); }

private:
    // One record file as the operations on it see it: its handle and open
    // count, its path, the caller's count and current index for it, and how
    // its records lie. The index file is one; so are the reminder and
    // planner files, whose operations are nothing but these.
    struct RecordFile;
    RecordFile IndexRecords();
    RecordFile ReminderRecords();
    RecordFile PlannerRecords();

    // The opens, their failures coming back to the caller; the public
    // OpenIndexFile() and OpenEntryFiles() report them.
    FileResult Acquire(CStoreFile& file, int& opens, const std::string& path);
    FileResult AcquireRecords(const RecordFile& records);
    FileResult OpenIndex();
    FileResult OpenEntries();
    static bool Reported(const FileResult& result);
    void Release(CStoreFile& file, int& opens);
    bool ReadIndexRecord(uint32_t index);

    void OpenRecordFile(const RecordFile& records);
    void CloseRecordFile(const RecordFile& records);
    void AppendRecord(const RecordFile& records, const unsigned char* record);
    size_t ReadRecord(const RecordFile& records, unsigned char* record);
    bool ReadAllRecords(const RecordFile& records, std::string& bytes);
    bool NextRecord(const RecordFile& records, bool (CDiaryStore::*read)(), const char* failure);
    bool DeleteRecord(const RecordFile& records, uint32_t index);
    bool SortRecords(const RecordFile& records);

    // The rewrites, on a file the operation holds open.
    bool RewriteWithout(const RecordFile& records, uint32_t count, uint32_t index);
    bool RewriteInTimeOrder(const RecordFile& records);
    bool ReplaceFile(const RecordFile& records, const std::string& bytes);
    bool RemoveLastRecordFile(const std::string& path);
    bool ChangePasswordFiles(const std::string& newPassword);

    CDiaryName m_name;
    CStoreFile m_indexFile;
    CStoreFile m_dataFile;
    CStoreFile m_reminderFile;
    CStoreFile m_plannerFile;
    // How many open calls each file has outstanding: a caller may hold a
    // file open across several operations, which then reuse its handle.
    int m_nIndexOpens = 0;
    int m_nDataOpens = 0;
    int m_nReminderOpens = 0;
    int m_nPlannerOpens = 0;
    // The whole index file, read once while a caller holds it open (a walk
    // over every header then costs one read instead of one per entry).
    std::string m_indexCache;
    bool m_bIndexCached = false;

    uint32_t m_nSavedEntry = 0;
};
