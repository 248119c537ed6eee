// Runs the store's reading and rewriting operations over arbitrary index,
// data, reminder and planner files. The input starts with four 16-bit
// little-endian lengths, then the four files' bytes in that order, then one
// byte that picks the record to delete or mark.

#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/Messages.h"
#include "store/TimeText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const std::string& Folder()
{
    static const std::string folder = [] {
        // Memory-backed when available: every rewrite flushes to the disk.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        const auto path = base / ("dayloom-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        SetStoreMessageHandler([](const std::string&) {});
        return path.string();
    }();
    return folder;
}

void Put(const std::string& path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return;
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
}

void Exercise(const std::string& diary, uint16_t extLoc, uint8_t pick)
{
    {
        CDiaryStore store(0, CDiaryName(diary, extLoc));
        std::vector<EntryHeader> headers;
        store.ReadAllEntryHeaders(headers);
        if (store.ReadFirstEntry() || store.ReadEntryHeader()) {
            while (store.NextEntry()) {
            }
        }
        for (uint32_t i = 0; i < store.m_nEntryCount && i < 64; ++i) {
            CDiaryStore reader(i, CDiaryName(diary, extLoc));
            reader.ReadEntry();
            FormatTime("%#x %#c", reader.entry.time);
        }
    }
    {
        CDiaryStore store(0, CDiaryName(diary, extLoc));
        store.OpenReminderFile();
        store.CloseReminderFile();
        if (store.m_nReminderCount > 0 && store.ReadReminder()) {
            while (store.NextReminder()) {
            }
        }
        store.OpenPlannerFile();
        store.ClosePlannerFile();
        store.planner_index = 0;
        if (store.m_nPlannerCount > 0 && store.ReadPlannerTask()) {
            while (store.NextPlannerTask()) {
            }
        }
    }
    CDiaryStore store(0, CDiaryName(diary, extLoc));
    store.OpenIndexFile();
    store.CloseIndexFile();
    store.SortEntries();
    store.ChangePassword("fuzz");
    store.DeleteEntry(pick);
    store.OpenReminderFile();
    store.CloseReminderFile();
    store.SortReminders();
    store.DeleteReminder(pick);
    store.OpenPlannerFile();
    store.ClosePlannerFile();
    store.SortPlannerTasks();
    store.MarkPlannerTaskDone(pick / 2, 1234);
    store.DeletePlannerTask(pick);
    // A new entry on top of whatever is left, then read everything back.
    store.entry.time = 99;
    store.entry.text = "{\\rtf1 x}";
    store.entry.password[0] = 'p';
    store.AppendEntry();
    store.SortEntries();
    for (uint32_t i = 0; i < store.m_nEntryCount && i < 64; ++i) {
        CDiaryStore reader(i, CDiaryName(diary, extLoc));
        reader.ReadEntry();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;
    const std::string diary = Folder() + "/fuzz.ilm";
    const uint16_t extLoc = static_cast<uint16_t>(diary.size() - 3);
    const char letters[] = {'i', 'd', 'r', 'p'};
    size_t at = 8;
    for (int i = 0; i < 4; ++i) {
        size_t length = size_t(data[2 * i]) | size_t(data[2 * i + 1]) << 8;
        length = std::min(length, size - at);
        std::string path = diary;
        path[extLoc] = letters[i];
        Put(path, data + at, length);
        at += length;
    }
    const uint8_t pick = at < size ? data[at] : 0;
    try {
        Exercise(diary, extLoc, pick);
    } catch (const CFileError&) {
        // Raised write failures end the command, as in the program.
    }
    return 0;
}
