#include "store/RecordCodec.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

uint32_t FloatBits(float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
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
