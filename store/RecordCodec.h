#pragma once
// The packed little-endian records of the diary files, and how a file of them
// is reordered: 72-byte entry records, 44-byte reminders, 62-byte tasks.
// Pure byte work: no files, no messages, no password scrambling (the record
// holds the password as stored; the store unscrambles it).

#include "store/Records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CRecordCodec
{
public:
    static constexpr size_t kPasswordField = 30;
    static constexpr size_t kPasswordFieldEnd = 4 + kPasswordField;

    // How the records of one file lie: their size, where their 32-bit time
    // sits (the sort key), and what a rewrite does to each one's bytes.
    struct Layout
    {
        size_t size;
        size_t timeOffset;
        void (*canonical)(unsigned char* record);
    };
    static const Layout kEntries;
    static const Layout kReminders;
    static const Layout kTasks;

    static void PutU32(unsigned char* p, uint32_t v);
    static uint32_t GetU32(const unsigned char* p);

    // The decoders take the fields that lie within `available` bytes, in
    // record order, and stop at the first incomplete one (the fields read so
    // far stay). True when the whole record was there. Times replace only
    // their low half and marks their low byte, as a 32-bit or 8-bit read
    // into a wider value does.
    static void EncodeEntry(const DiaryEntry& e, unsigned char* p);
    static bool DecodeEntry(const unsigned char* p, size_t available, DiaryEntry& e);
    static EntryHeader DecodeHeader(const unsigned char* p);
    static void EncodeReminder(const ReminderRecord& r, unsigned char* p);
    static bool DecodeReminder(const unsigned char* p, size_t available, ReminderRecord& r);
    static void EncodeTask(const PlannerRecord& t, unsigned char* p);
    static bool DecodeTask(const unsigned char* p, size_t available, PlannerRecord& t);

    // The records of `bytes` (a whole record file) in the order of `order`,
    // each as a rewrite leaves it; a trailing partial record is dropped.
    static std::string Reassemble(const std::string& bytes, const Layout& layout,
                                  const std::vector<uint32_t>& order);
    // Stable ascending order of the records by their time: records with equal
    // times keep their order, so a newly appended record goes after the ones
    // already there.
    static std::vector<uint32_t> SortedOrder(const std::string& bytes, const Layout& layout);
    // True when the file already holds whole records in time order, each as a
    // rewrite would leave it: sorting it would write the very same bytes.
    static bool AlreadySorted(const std::string& bytes, const Layout& layout);
};
