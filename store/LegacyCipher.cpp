#include "store/LegacyCipher.h"

#include "store/RecordCodec.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint64_t kMaxOffset = 0xFFFFFFFFull;

size_t ClampedPasswordLength(uint32_t length)
{
    return std::min<size_t>(length, CRecordCodec::kPasswordField);
}

} // namespace

unsigned char CLegacyCipher::KeyOf(const char* bytes, size_t length)
{
    unsigned sum = 0;
    for (size_t i = 0; i < length; ++i)
        sum += static_cast<unsigned char>(bytes[i]);
    return static_cast<unsigned char>(sum & 0xFF);
}

void CLegacyCipher::EncryptText(DiaryEntry& entry, const std::string& plainPassword)
{
    const unsigned char key = KeyOf(plainPassword.data(), plainPassword.size());
    const size_t n = std::min<size_t>(entry.textLength, entry.text.size());
    MaskBytes(entry.text.data(), n, key);
}

void CLegacyCipher::DecryptText(DiaryEntry& entry, const std::string& recordPassword)
{
    const unsigned char key =
        KeyOf(recordPassword.data(), std::min<size_t>(entry.passwordLength, recordPassword.size()));
    std::string copy = entry.text.substr(0, std::min<size_t>(entry.textLength, entry.text.size()));
    MaskBytes(copy.data(), copy.size(), key);
    const auto zero = copy.find('\0');
    if (zero != std::string::npos)
        copy.resize(zero);
    entry.text = std::move(copy);
}

CLegacyCipher::RekeyResult CLegacyCipher::Rekey(const std::string& index, const std::string& data,
                                                const std::string& newPassword,
                                                std::string& newIndex, std::string& newData)
{
    // The new password as the record will hold it: a zero-terminated string
    // of at most the field's 30 bytes. The key is made from those same bytes,
    // so every text stays readable with the stored password.
    const std::string password = newPassword.substr(
        0, std::min(strnlen(newPassword.c_str(), newPassword.size()), kPasswordField));
    const unsigned char newKey = KeyOf(password.data(), password.size());

    const size_t count = index.size() / kEntryRecordSize;
    newIndex.assign(count * kEntryRecordSize, '\0');
    newData.clear();
    newData.reserve(data.size());
    for (size_t i = 0; i < count; ++i) {
        const auto* source =
            reinterpret_cast<const unsigned char*>(index.data()) + i * kEntryRecordSize;
        DiaryEntry record;
        CRecordCodec::DecodeEntry(source, kEntryRecordSize, record);
        ScramblePassword(record);
        if (uint64_t(record.textOffset) + record.textLength > data.size())
            return RekeyResult::TextMissing;
        std::string text = data.substr(record.textOffset, record.textLength);
        const auto zero = text.find('\0');
        if (zero != std::string::npos)
            text.resize(zero);
        MaskBytes(text.data(), text.size(),
                  KeyOf(record.password, ClampedPasswordLength(record.passwordLength)));

        // The old password's characters beyond the new one's become spaces;
        // no password at all (an encrypted diary's records, which the key
        // alone protects) leaves the field all zeros.
        const size_t oldLength = strnlen(record.password, kPasswordField);
        if (password.empty())
            std::memset(record.password, 0, sizeof record.password);
        else
            std::memset(record.password, ' ', oldLength);
        std::memcpy(record.password, password.c_str(), password.size() + 1);
        record.passwordLength = static_cast<uint32_t>(password.size());
        ScramblePassword(record);

        if (newData.size() + text.size() > kMaxOffset)
            return RekeyResult::TooLarge;
        record.textOffset = static_cast<uint32_t>(newData.size());
        record.textLength = static_cast<uint32_t>(text.size());
        MaskBytes(text.data(), text.size(), newKey);
        newData += text;
        CRecordCodec::EncodeEntry(record, reinterpret_cast<unsigned char*>(newIndex.data()) +
                                              i * kEntryRecordSize);
    }
    return RekeyResult::Done;
}
