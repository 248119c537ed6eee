#include "store/Version1File.h"

#include <cstring>
#include <ctime>

namespace {

struct FieldSpan
{
    Version1Field field;
    uint32_t offset;
    uint32_t size;
};

// The header as version 1 wrote it; bytes 60 to 67 were never read.
constexpr FieldSpan kHeader[] = {
    {Version1Field::Delim, 0, 3},     {Version1Field::IsEncrypted, 3, 4},
    {Version1Field::UserName, 7, 30}, {Version1Field::UserPswd, 37, 15},
    {Version1Field::UserFont, 52, 4}, {Version1Field::Mood, 56, 4},
};

bool TwoDigits(std::string_view name, size_t at, int& value)
{
    const unsigned char tens = static_cast<unsigned char>(name[at]);
    const unsigned char ones = static_cast<unsigned char>(name[at + 1]);
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9') {
        return false;
    }
    value = (tens - '0') * 10 + (ones - '0');
    return true;
}

int32_t LittleEndian32(std::string_view bytes, uint32_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return static_cast<int32_t>(value);
}

} // namespace

int64_t Version1Stamp::LocalTime() const
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&local));
}

std::optional<Version1Stamp> ParseVersion1Name(std::string_view fileName)
{
    if (fileName.size() < 11) {
        return std::nullopt;
    }
    Version1Stamp stamp;
    // Year and month are letter codes; any character gives some date, which
    // the calendar then normalises.
    stamp.year = static_cast<unsigned char>(fileName[0]) + 1933;
    stamp.month = static_cast<unsigned char>(fileName[1]) - 64;
    if (!TwoDigits(fileName, 2, stamp.day) || !TwoDigits(fileName, 4, stamp.hour) ||
        !TwoDigits(fileName, 6, stamp.minute) || !TwoDigits(fileName, 9, stamp.second)) {
        return std::nullopt;
    }
    return stamp;
}

std::string Version1FieldMessage(Version1Field field)
{
    const char* name = "tempentry";
    switch (field) {
    case Version1Field::Delim:
        name = "delim";
        break;
    case Version1Field::IsEncrypted:
        name = "is_encrypted";
        break;
    case Version1Field::UserName:
        name = "user_name";
        break;
    case Version1Field::UserPswd:
        name = "user_pswd";
        break;
    case Version1Field::UserFont:
        name = "user_font";
        break;
    case Version1Field::Mood:
        name = "mood";
        break;
    case Version1Field::TempEntry:
        break;
    }
    return std::string("Error reading file (") + name + ")!";
}

Version1ReadResult ReadVersion1Entry(std::string_view bytes)
{
    Version1ReadResult result;
    for (const FieldSpan& span : kHeader) {
        if (bytes.size() < span.offset + span.size) {
            result.failedField = span.field;
            return result;
        }
    }
    if (bytes.size() < kVersion1TextOffset) {
        result.failedField = Version1Field::TempEntry;
        return result;
    }

    Version1Entry entry;
    entry.isEncrypted = LittleEndian32(bytes, 3);
    entry.mood = LittleEndian32(bytes, 56);
    entry.text.assign(bytes.substr(kVersion1TextOffset));
    if (entry.isEncrypted == 1) {
        ScrambleVersion1Text(entry.text);
    }
    const size_t zero = entry.text.find('\0');
    if (zero != std::string::npos) {
        entry.text.resize(zero);
    }
    result.entry = std::move(entry);
    return result;
}

void ScrambleVersion1Text(std::string& text)
{
    for (char& c : text) {
        c = static_cast<char>(static_cast<unsigned char>(c) ^ kVersion1TextKey);
    }
}

std::string Version1Rtf(std::string_view plainText)
{
    static constexpr std::string_view kHead =
        "{\\rtf1\\ansi\\deff0\n\\viewkind4\\uc1\\pard{\\fonttbl{\\f0\\fswiss\\fcharset204 "
        "Arial;}{\\f1\\fswiss\\fcharset0 Arial;}}\\f0\\fs24 ";
    static constexpr std::string_view kTail = "\n\\par }";
    std::string rtf;
    rtf.reserve(kHead.size() + plainText.size() + kTail.size());
    rtf.append(kHead);
    rtf.append(plainText);
    rtf.append(kTail);
    return rtf;
}
