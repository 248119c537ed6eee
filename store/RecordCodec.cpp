#include "store/RecordCodec.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

// Reading a time replaces only its low half, as a 32-bit read into a 64-bit
// value does; the high half is zero unless the caller put something there.
void SetLowTime(int64_t& time, uint32_t low)
{
    time = static_cast<int64_t>((static_cast<uint64_t>(time) & 0xFFFFFFFF00000000ull) | low);
}

void SetLowByte(int32_t& value, unsigned char low)
{
    value = static_cast<int32_t>((static_cast<uint32_t>(value) & 0xFFFFFF00u) | low);
}

uint32_t FloatBits(float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

float BitsFloat(uint32_t bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

const unsigned char* Bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

// A record as the read-then-write of a rewrite leaves it: reading an entry
// puts a zero after the password, reading a reminder or task zeroes the
// description's last byte.
void CanonicalEntry(unsigned char* p)
{
    const uint32_t length = CRecordCodec::GetU32(p);
    if (length < CRecordCodec::kPasswordField)
        p[4 + length] = 0;
}

void CanonicalReminder(unsigned char* p)
{
    p[4 + 39] = 0;
}

void CanonicalTask(unsigned char* p)
{
    p[8 + 49] = 0;
}

constexpr size_t kLargestRecord = kEntryRecordSize;

} // namespace

const CRecordCodec::Layout CRecordCodec::kEntries{kEntryRecordSize, 34, CanonicalEntry};
const CRecordCodec::Layout CRecordCodec::kReminders{kReminderRecordSize, 0, CanonicalReminder};
const CRecordCodec::Layout CRecordCodec::kTasks{kPlannerRecordSize, 0, CanonicalTask};

void CRecordCodec::PutU32(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

uint32_t CRecordCodec::GetU32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void CRecordCodec::EncodeEntry(const DiaryEntry& e, unsigned char* p)
{
    PutU32(p + 0, e.passwordLength);
    std::memcpy(p + 4, e.password, kPasswordField);
    PutU32(p + 34, static_cast<uint32_t>(e.time));
    PutU32(p + 38, static_cast<uint32_t>(e.mood));
    PutU32(p + 42, static_cast<uint32_t>(e.fatigue));
    PutU32(p + 46, static_cast<uint32_t>(e.shape));
    p[50] = static_cast<unsigned char>(e.copulation);
    p[51] = static_cast<unsigned char>(e.menstruus);
    PutU32(p + 52, FloatBits(e.temperature));
    PutU32(p + 56, static_cast<uint32_t>(e.weight));
    PutU32(p + 60, static_cast<uint32_t>(e.dream));
    PutU32(p + 64, e.textOffset);
    PutU32(p + 68, e.textLength);
}

bool CRecordCodec::DecodeEntry(const unsigned char* p, size_t available, DiaryEntry& e)
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

EntryHeader CRecordCodec::DecodeHeader(const unsigned char* p)
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

void CRecordCodec::EncodeReminder(const ReminderRecord& r, unsigned char* p)
{
    PutU32(p, static_cast<uint32_t>(r.time));
    std::memcpy(p + 4, r.description, 40);
}

bool CRecordCodec::DecodeReminder(const unsigned char* p, size_t available, ReminderRecord& r)
{
    if (available < 4)
        return false;
    SetLowTime(r.time, GetU32(p));
    if (available < kReminderRecordSize)
        return false;
    std::memcpy(r.description, p + 4, 40);
    r.description[39] = 0;
    return true;
}

void CRecordCodec::EncodeTask(const PlannerRecord& t, unsigned char* p)
{
    PutU32(p, static_cast<uint32_t>(t.plannedTime));
    PutU32(p + 4, static_cast<uint32_t>(t.doneTime));
    std::memcpy(p + 8, t.description, 50);
    PutU32(p + 58, static_cast<uint32_t>(t.status));
}

bool CRecordCodec::DecodeTask(const unsigned char* p, size_t available, PlannerRecord& t)
{
    if (available < 4)
        return false;
    SetLowTime(t.plannedTime, GetU32(p));
    if (available < 8)
        return false;
    SetLowTime(t.doneTime, GetU32(p + 4));
    if (available < 58)
        return false;
    std::memcpy(t.description, p + 8, 50);
    t.description[49] = 0;
    if (available < kPlannerRecordSize)
        return false;
    t.status = static_cast<int32_t>(GetU32(p + 58));
    return true;
}

std::string CRecordCodec::Reassemble(const std::string& bytes, const Layout& layout,
                                     const std::vector<uint32_t>& order)
{
    const size_t size = layout.size;
    std::string out(order.size() * size, '\0');
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    for (size_t i = 0; i < order.size(); ++i) {
        std::memcpy(dst + i * size, bytes.data() + size_t(order[i]) * size, size);
        layout.canonical(dst + i * size);
    }
    return out;
}

std::vector<uint32_t> CRecordCodec::SortedOrder(const std::string& bytes, const Layout& layout)
{
    const size_t count = bytes.size() / layout.size;
    std::vector<uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    std::vector<int64_t> times(count);
    for (size_t i = 0; i < count; ++i)
        times[i] = GetU32(Bytes(bytes) + i * layout.size + layout.timeOffset);
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return times[a] < times[b]; });
    return order;
}

bool CRecordCodec::AlreadySorted(const std::string& bytes, const Layout& layout)
{
    if (bytes.size() % layout.size != 0)
        return false;
    const unsigned char* p = Bytes(bytes);
    unsigned char copy[kLargestRecord];
    uint32_t previous = 0;
    for (size_t at = 0; at < bytes.size(); at += layout.size) {
        const uint32_t time = GetU32(p + at + layout.timeOffset);
        if (time < previous)
            return false;
        previous = time;
        std::memcpy(copy, p + at, layout.size);
        layout.canonical(copy);
        if (std::memcmp(copy, p + at, layout.size) != 0)
            return false;
    }
    return true;
}
