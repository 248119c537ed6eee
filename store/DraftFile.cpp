#include "store/DraftFile.h"

#include "store/AtomicFile.h"
#include "store/DraftSealer.h"
#include "store/StoreFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMagic[8] = {'D', 'L', 'D', 'R', 'A', 'F', 'T', '1'};
constexpr size_t kHeaderSize = 20;
// A draft is one entry; anything far beyond is not a draft of ours.
constexpr uint32_t kLargestPayload = 64u << 20;

void PutU32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t GetU32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

uint32_t Checksum(std::string_view bytes)
{
    uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

void PutField(std::string& out, std::string_view name, std::string_view value)
{
    out.append(name);
    out += ':';
    out += std::to_string(value.size());
    out += ':';
    out.append(value);
    out += '\n';
}

void PutNumber(std::string& out, std::string_view name, int64_t value)
{
    PutField(out, name, std::to_string(value));
}

// Reads the fields back in the order they were written.
class FieldReader
{
public:
    explicit FieldReader(std::string_view payload) : m_rest(payload) {}

    std::optional<std::string_view> Field(std::string_view name)
    {
        if (m_rest.substr(0, name.size()) != name || m_rest.size() <= name.size() ||
            m_rest[name.size()] != ':')
            return std::nullopt;
        m_rest.remove_prefix(name.size() + 1);
        size_t length = 0;
        const auto [end, error] =
            std::from_chars(m_rest.data(), m_rest.data() + m_rest.size(), length);
        if (error != std::errc() || end == m_rest.data() || end == m_rest.data() + m_rest.size() ||
            *end != ':')
            return std::nullopt;
        m_rest.remove_prefix(static_cast<size_t>(end - m_rest.data()) + 1);
        if (length >= m_rest.size() || m_rest[length] != '\n')
            return std::nullopt;
        const std::string_view value = m_rest.substr(0, length);
        m_rest.remove_prefix(length + 1);
        return value;
    }

    template <typename T> bool Number(std::string_view name, T& out)
    {
        const std::optional<std::string_view> text = Field(name);
        if (!text || text->empty())
            return false;
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), out);
        return error == std::errc() && end == text->data() + text->size();
    }

    bool Flag(std::string_view name, bool& out)
    {
        int value = 0;
        if (!Number(name, value) || (value != 0 && value != 1))
            return false;
        out = value == 1;
        return true;
    }

    bool AtEnd() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

std::string Payload(const EntryDraft& d)
{
    std::string out;
    out.reserve(d.rtf.size() + 256);
    PutNumber(out, "draft", 1);
    PutNumber(out, "written", d.writtenAt);
    PutNumber(out, "editing", d.editing ? 1 : 0);
    PutNumber(out, "index", d.editedIndex);
    PutNumber(out, "editedTime", d.editedTime);
    PutNumber(out, "editedOffset", d.editedTextOffset);
    PutNumber(out, "time", d.time);
    PutNumber(out, "mood", d.mood);
    PutNumber(out, "fatigue", d.fatigue);
    PutNumber(out, "shape", d.shape);
    PutNumber(out, "dream", d.dream);
    PutNumber(out, "copulation", d.copulation ? 1 : 0);
    PutNumber(out, "menstruus", d.menstruus ? 1 : 0);
    PutField(out, "weight", d.weight);
    PutField(out, "temperature", d.temperature);
    PutField(out, "rtf", d.rtf);
    return out;
}

std::optional<EntryDraft> ParsePayload(std::string_view payload)
{
    FieldReader in(payload);
    EntryDraft d;
    int version = 0;
    std::optional<std::string_view> weight, temperature, rtf;
    if (!in.Number("draft", version) || version != 1 || !in.Number("written", d.writtenAt) ||
        !in.Flag("editing", d.editing) || !in.Number("index", d.editedIndex) ||
        !in.Number("editedTime", d.editedTime) || !in.Number("editedOffset", d.editedTextOffset) ||
        !in.Number("time", d.time) || !in.Number("mood", d.mood) ||
        !in.Number("fatigue", d.fatigue) || !in.Number("shape", d.shape) ||
        !in.Number("dream", d.dream) || !in.Flag("copulation", d.copulation) ||
        !in.Flag("menstruus", d.menstruus) || !(weight = in.Field("weight")) ||
        !(temperature = in.Field("temperature")) || !(rtf = in.Field("rtf")) || !in.AtEnd())
        return std::nullopt;
    d.weight = *weight;
    d.temperature = *temperature;
    d.rtf = *rtf;
    return d;
}

} // namespace

CDraftFile::CDraftFile(const CDiaryName& diary) : m_diary(diary), m_strPath(diary.DraftPath()) {}

bool CDraftFile::Exists() const
{
    return FileExists(m_strPath);
}

std::optional<std::string> CDraftFile::Encode(const EntryDraft& draft, const CDraftSealer& sealer)
{
    const std::optional<std::string> sealed = sealer.Seal(Payload(draft));
    if (!sealed || sealed->size() > kLargestPayload)
        return std::nullopt;
    std::string bytes(kMagic, sizeof kMagic);
    PutU32(bytes, sealer.Form());
    PutU32(bytes, static_cast<uint32_t>(sealed->size()));
    PutU32(bytes, Checksum(*sealed));
    bytes += *sealed;
    return bytes;
}

namespace {

// The draft in a file's bytes, or why there is none.
CDraftFile::ReadResult DecodeInto(const std::string& bytes, const CDraftSealer& sealer,
                                  std::optional<EntryDraft>& draft)
{
    if (bytes.size() < kHeaderSize || bytes.compare(0, sizeof kMagic, kMagic, sizeof kMagic) != 0)
        return CDraftFile::ReadResult::Damaged;
    const uint32_t length = GetU32(bytes, 12);
    if (length > kLargestPayload || bytes.size() - kHeaderSize != length)
        return CDraftFile::ReadResult::Damaged;
    const std::string_view sealed(bytes.data() + kHeaderSize, length);
    if (Checksum(sealed) != GetU32(bytes, 16))
        return CDraftFile::ReadResult::Damaged;
    // Whole: what does not open now was sealed by another protection.
    const unsigned form = GetU32(bytes, 8);
    if (!sealer.Reads(form))
        return CDraftFile::ReadResult::SealedElsewhere;
    const std::optional<std::string> plain = sealer.UnsealForm(std::string(sealed), form);
    if (plain)
        draft = ParsePayload(*plain);
    return draft ? CDraftFile::ReadResult::Ok : CDraftFile::ReadResult::SealedElsewhere;
}

} // namespace

std::optional<EntryDraft> CDraftFile::Decode(const std::string& bytes, const CDraftSealer& sealer)
{
    std::optional<EntryDraft> draft;
    DecodeInto(bytes, sealer, draft);
    return draft;
}

FileResult CDraftFile::Write(const EntryDraft& draft, const CDraftSealer& sealer) const
{
    const std::optional<std::string> bytes = Encode(draft, sealer);
    if (!bytes)
        return {FileErrorCause::AccessDenied, m_strPath};
    return CAtomicFile::Replace(m_strPath, *bytes);
}

CDraftFile::ReadResult CDraftFile::Read(EntryDraft& draft, const CDraftSealer& sealer) const
{
    const int fd = ::open(m_strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Damaged;
    std::string bytes;
    char buffer[65536];
    bool failed = false;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
        if (bytes.size() > kHeaderSize + kLargestPayload) {
            failed = true;
            break;
        }
    }
    ::close(fd);
    if (failed)
        return ReadResult::Damaged;
    std::optional<EntryDraft> decoded;
    const ReadResult result = DecodeInto(bytes, sealer, decoded);
    if (decoded)
        draft = std::move(*decoded);
    return result;
}

int CDraftFile::Remove() const
{
    const int error = RemoveFile(m_strPath);
    if (error != 0 && error != ENOENT)
        return error;
    return error == 0 ? SyncFolderOf(m_strPath) : 0;
}

std::optional<std::string> CDraftFile::KeepAside() const
{
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string aside = m_diary.DamagedDraftPath(attempt);
        if (FileExists(aside))
            continue;
        if (RenameFile(m_strPath, aside) != 0)
            return std::nullopt;
        SyncFolderOf(aside);
        return aside;
    }
    return std::nullopt;
}
