#include "store/EntryHistory.h"

#include "store/LegacyCipher.h"
#include "store/LittleEndian.h"
#include "store/RecordCodec.h"
#include "store/SecureBuffer.h"

#include <algorithm>
#include <cstring>
#include <sodium.h>
#include <tuple>

namespace {

using namespace LittleEndian;

constexpr size_t kWhatAt = 0;
constexpr size_t kReservedAt = 1;
constexpr size_t kWhenAt = 8;
constexpr size_t kOldTimeAt = 16;
constexpr size_t kNewTimeAt = 24;
constexpr size_t kOldHashAt = 32;
constexpr size_t kNewHashAt = 64;

void EncodeRecord(const CEntryHistory::Change& c, unsigned char* p)
{
    std::memset(p, 0, CEntryHistory::kRecordSize);
    p[kWhatAt] = static_cast<unsigned char>(c.what);
    PutU64(p + kWhenAt, static_cast<uint64_t>(c.when));
    PutU64(p + kOldTimeAt, static_cast<uint64_t>(c.from.time));
    std::memcpy(p + kOldHashAt, c.from.hash.data(), c.from.hash.size());
    if (c.what == CEntryHistory::Change::What::Edited) {
        PutU64(p + kNewTimeAt, static_cast<uint64_t>(c.to.time));
        std::memcpy(p + kNewHashAt, c.to.hash.data(), c.to.hash.size());
    }
}

bool AllZero(const unsigned char* p, size_t n)
{
    return std::all_of(p, p + n, [](unsigned char b) { return b == 0; });
}

auto Order(const CEntryHistory::Change& c)
{
    return std::tie(c.when, c.what, c.from.time, c.from.hash, c.to.time, c.to.hash);
}

} // namespace

CEntryHistory::Hash CEntryHistory::ContentHash(const DiaryEntry& e)
{
    EnsureSodium();
    unsigned char fixed[8 + 4 * 4 + 2 + 4 + 4];
    PutU64(fixed, static_cast<uint64_t>(e.time));
    CRecordCodec::PutU32(fixed + 8, static_cast<uint32_t>(e.mood));
    CRecordCodec::PutU32(fixed + 12, static_cast<uint32_t>(e.fatigue));
    CRecordCodec::PutU32(fixed + 16, static_cast<uint32_t>(e.shape));
    CRecordCodec::PutU32(fixed + 20, static_cast<uint32_t>(e.dream));
    fixed[24] = static_cast<unsigned char>(e.copulation);
    fixed[25] = static_cast<unsigned char>(e.menstruus);
    uint32_t bits;
    std::memcpy(&bits, &e.temperature, sizeof bits);
    CRecordCodec::PutU32(fixed + 26, bits);
    CRecordCodec::PutU32(fixed + 30, static_cast<uint32_t>(e.weight));
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, sizeof(Hash));
    crypto_generichash_update(&state, fixed, sizeof fixed);
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(e.text.data()),
                              e.text.size());
    Hash hash;
    crypto_generichash_final(&state, hash.data(), hash.size());
    return hash;
}

std::optional<DiaryEntry> CEntryHistory::ReadEntry(std::string_view index, std::string_view texts,
                                                   size_t i)
{
    DiaryEntry entry;
    CRecordCodec::DecodeEntry(reinterpret_cast<const unsigned char*>(index.data()) +
                                  i * kEntryRecordSize,
                              kEntryRecordSize, entry);
    CLegacyCipher::ScramblePassword(entry); // unscrambles
    if (uint64_t(entry.textOffset) + entry.textLength > texts.size())
        return std::nullopt;
    entry.text.assign(texts.substr(entry.textOffset, entry.textLength));
    CLegacyCipher::DecryptText(
        entry, std::string(entry.password,
                           std::min<size_t>(entry.passwordLength, CLegacyCipher::kPasswordField)));
    return entry;
}

std::optional<std::vector<CEntryHistory::Change>> CEntryHistory::Decode(std::string_view part)
{
    if (part.size() % kRecordSize != 0 || part.size() / kRecordSize > kMaxChanges)
        return std::nullopt;
    std::vector<Change> changes(part.size() / kRecordSize);
    for (size_t i = 0; i < changes.size(); ++i) {
        const auto* p = reinterpret_cast<const unsigned char*>(part.data()) + i * kRecordSize;
        Change& c = changes[i];
        if (!AllZero(p + kReservedAt, kWhenAt - kReservedAt))
            return std::nullopt;
        if (p[kWhatAt] == static_cast<unsigned char>(Change::What::Edited)) {
            c.what = Change::What::Edited;
            c.to.time = static_cast<int64_t>(GetU64(p + kNewTimeAt));
            std::memcpy(c.to.hash.data(), p + kNewHashAt, c.to.hash.size());
        } else if (p[kWhatAt] != static_cast<unsigned char>(Change::What::Deleted) ||
                   !AllZero(p + kNewTimeAt, 8) || !AllZero(p + kNewHashAt, 32)) {
            return std::nullopt;
        }
        c.when = static_cast<int64_t>(GetU64(p + kWhenAt));
        c.from.time = static_cast<int64_t>(GetU64(p + kOldTimeAt));
        std::memcpy(c.from.hash.data(), p + kOldHashAt, c.from.hash.size());
    }
    return changes;
}

void CEntryHistory::Append(std::string& part, const Change& change)
{
    const size_t at = part.size();
    part.resize(at + kRecordSize);
    EncodeRecord(change, reinterpret_cast<unsigned char*>(part.data()) + at);
}

std::string CEntryHistory::Encode(const std::vector<Change>& changes)
{
    std::string part;
    const size_t first = changes.size() > kMaxChanges ? changes.size() - kMaxChanges : 0;
    part.reserve((changes.size() - first) * kRecordSize);
    for (size_t i = first; i < changes.size(); ++i)
        Append(part, changes[i]);
    return part;
}

std::optional<std::string> CEntryHistory::Union(std::string_view a, std::string_view b)
{
    std::optional<std::vector<Change>> all = Decode(a);
    const std::optional<std::vector<Change>> more = Decode(b);
    if (!all || !more)
        return std::nullopt;
    all->insert(all->end(), more->begin(), more->end());
    std::sort(all->begin(), all->end(),
              [](const Change& x, const Change& y) { return Order(x) < Order(y); });
    all->erase(std::unique(all->begin(), all->end()), all->end());
    return Encode(*all);
}
