#pragma once
// The working records of a diary: one entry, one reminder, one planner task.
// On disk they are packed little-endian records of 72, 44 and 62 bytes; in
// memory every time is a 64-bit count of seconds since 1970 (UTC).

#include <cstdint>
#include <string>

struct DiaryEntry
{
    int64_t time = 0;
    int32_t mood = 0;
    int32_t fatigue = 0;
    int32_t shape = 0;
    int32_t dream = 0;
    int32_t copulation = 0; // one byte on disk
    int32_t menstruus = 0;  // one byte on disk
    float temperature = 0.0f;
    int32_t weight = 0;
    uint32_t textOffset = 0;
    uint32_t textLength = 0;
    uint32_t passwordLength = 0;
    std::string text;       // the entry's RTF (plain, or encrypted between the steps of a write)
    char password[32] = {}; // zero-terminated; the first 30 bytes are stored
};

// The fields of an entry's index record without its text: what a walk over
// the whole diary (list lines, graph) needs.
struct EntryHeader
{
    int64_t time = 0;
    int32_t mood = 0;
    int32_t fatigue = 0;
    int32_t shape = 0;
    int32_t dream = 0;
    int32_t copulation = 0;
    int32_t menstruus = 0;
    float temperature = 0.0f;
    int32_t weight = 0;
    uint32_t textOffset = 0;
    uint32_t textLength = 0;
};

struct ReminderRecord
{
    int64_t time = 0;
    char description[40] = {}; // zero-terminated, at most 39 characters read back
    std::string text;          // in any script (UTF-8) when an encrypted diary keeps it; else empty
};

struct PlannerRecord
{
    int64_t plannedTime = 0;
    int64_t doneTime = 0;
    char description[50] = {}; // zero-terminated, at most 49 characters read back
    int32_t status = 0;        // 0 not done, 1 done; anything else is shown as an error
    std::string text;          // in any script (UTF-8) when an encrypted diary keeps it; else empty
};

constexpr uint32_t kEntryRecordSize = 72;
constexpr uint32_t kReminderRecordSize = 44;
constexpr uint32_t kPlannerRecordSize = 62;
