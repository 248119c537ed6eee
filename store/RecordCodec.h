#pragma once
// The packed little-endian records of the diary files, and how a file of them
// is reordered: 72-byte entry records, 44-byte reminders, 62-byte tasks.
// Pure byte work: no files, no messages, no password scrambling (the record
// holds the password as stored; the store unscrambles it).

#include "store/Records.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
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
    static float BitsFloat(uint32_t bits);
    // Reading a time replaces only its low half, as a 32-bit read into a
    // 64-bit value does; the high half is zero unless the caller put
    // something there. A mark read replaces only its low byte.
    static void SetLowTime(int64_t& time, uint32_t low);
    static void SetLowByte(int32_t& value, unsigned char low);

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

// Inline: these run once per record of every walk over a diary.

inline void CRecordCodec::PutU32(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

inline uint32_t CRecordCodec::GetU32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline bool CRecordCodec::DecodeEntry(const unsigned char* p, size_t available, DiaryEntry& e)
{
    if (available < 4)
        return false;
    e.passwordLength = GetU32(p);
    if (available < kPasswordFieldEnd)
        return false;
    std::memcpy(e.password, p + 4, kPasswordField);
    struct Field
    {
        size_t offset;
        int kind; // 0 u32 into int32, 1 time, 2 byte, 3 float, 4 uint32
        void* target;
    };
    const Field fields[] = {
        {34, 1, &e.time},       {38, 0, &e.mood},       {42, 0, &e.fatigue},     {46, 0, &e.shape},
        {50, 2, &e.copulation}, {51, 2, &e.menstruus},  {52, 3, &e.temperature}, {56, 0, &e.weight},
        {60, 0, &e.dream},      {64, 4, &e.textOffset}, {68, 4, &e.textLength},
    };
    for (const Field& f : fields) {
        const size_t size = f.kind == 2 ? 1 : 4;
        if (available < f.offset + size)
            return false;
        switch (f.kind) {
        case 0:
            *static_cast<int32_t*>(f.target) = static_cast<int32_t>(GetU32(p + f.offset));
            break;
        case 1:
            SetLowTime(*static_cast<int64_t*>(f.target), GetU32(p + f.offset));
            break;
        case 2:
            SetLowByte(*static_cast<int32_t*>(f.target), p[f.offset]);
            break;
        case 3:
            *static_cast<float*>(f.target) = BitsFloat(GetU32(p + f.offset));
            break;
        default:
            *static_cast<uint32_t*>(f.target) = GetU32(p + f.offset);
            break;
        }
    }
    return true;
}

inline EntryHeader CRecordCodec::DecodeHeader(const unsigned char* p)
{
    EntryHeader h;
    h.time = GetU32(p + 34);
    h.mood = static_cast<int32_t>(GetU32(p + 38));
    h.fatigue = static_cast<int32_t>(GetU32(p + 42));
    h.shape = static_cast<int32_t>(GetU32(p + 46));
    h.copulation = p[50];
    h.menstruus = p[51];
    h.temperature = BitsFloat(GetU32(p + 52));
    h.weight = static_cast<int32_t>(GetU32(p + 56));
    h.dream = static_cast<int32_t>(GetU32(p + 60));
    h.textOffset = GetU32(p + 64);
    h.textLength = GetU32(p + 68);
    return h;
}

inline float CRecordCodec::BitsFloat(uint32_t bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

inline void CRecordCodec::SetLowTime(int64_t& time, uint32_t low)
{
    time = static_cast<int64_t>((static_cast<uint64_t>(time) & 0xFFFFFFFF00000000ull) | low);
}

inline void CRecordCodec::SetLowByte(int32_t& value, unsigned char low)
{
    value = static_cast<int32_t>((static_cast<uint32_t>(value) & 0xFFFFFF00u) | low);
}
