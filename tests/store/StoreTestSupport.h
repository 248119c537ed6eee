#pragma once
// Shared fixture of the store tests: a fresh folder per test, byte-level file
// helpers, and a recorder for the messages the store shows.

#include "store/DiaryStore.h"
#include "store/FileFaults.h"
#include "store/Messages.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace storetest {

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool Exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

// Little-endian pieces for hand-made records.
inline std::string U32(uint32_t v)
{
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

inline std::string Pad(std::string s, size_t size, char fill = '\0')
{
    s.resize(size, fill);
    return s;
}

// The 30-byte password field the way the program stores it: each byte XOR
// 0xB4 unless it is 0xB4, then a zero when shorter than 30.
inline std::string ScrambledField(const std::string& plain)
{
    std::string field;
    for (unsigned char c : plain)
        field += static_cast<char>(c == 0xB4 ? c : c ^ 0xB4);
    return Pad(field, 30);
}

struct EntryBytes
{
    std::string password = "secret";
    uint32_t time = 0;
    int32_t mood = 0, fatigue = 0, shape = 0, dream = 0, weight = 0;
    uint8_t copulation = 0, menstruus = 0;
    float temperature = 0.0f;
    uint32_t textOffset = 0, textLength = 0;

    std::string Record() const
    {
        uint32_t bits;
        static_assert(sizeof bits == sizeof temperature);
        std::memcpy(&bits, &temperature, sizeof bits);
        return U32(static_cast<uint32_t>(password.size())) + ScrambledField(password) + U32(time) +
               U32(static_cast<uint32_t>(mood)) + U32(static_cast<uint32_t>(fatigue)) +
               U32(static_cast<uint32_t>(shape)) + std::string(1, static_cast<char>(copulation)) +
               std::string(1, static_cast<char>(menstruus)) + U32(bits) +
               U32(static_cast<uint32_t>(weight)) + U32(static_cast<uint32_t>(dream)) +
               U32(textOffset) + U32(textLength);
    }
};

inline unsigned char KeyOf(const std::string& password)
{
    unsigned sum = 0;
    for (unsigned char c : password)
        sum += c;
    return static_cast<unsigned char>(sum);
}

inline std::string Encrypted(const std::string& plain, unsigned char key)
{
    std::string out = plain;
    for (auto& c : out)
        if (static_cast<unsigned char>(c) != key)
            c = static_cast<char>(static_cast<unsigned char>(c) ^ key);
    return out;
}

class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                ("dayloom-store-" + std::to_string(::getpid()) + "-" + info->test_suite_name() +
                 "-" + info->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        m_previous =
            SetStoreMessageHandler([this](const std::string& m) { messages.push_back(m); });
    }

    void TearDown() override
    {
        CFileFaults::Install({});
        SetStoreMessageHandler(m_previous);
        std::error_code ignored;
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::string Dir() const { return m_dir.string(); }
    std::string Diary(const std::string& name = "travel.ilm") const
    {
        return (m_dir / name).string();
    }
    static uint16_t ExtLoc(const std::string& path)
    {
        return static_cast<uint16_t>(path.rfind('.') + 1);
    }
    std::string Sibling(char letter, const std::string& name = "travel.ilm") const
    {
        std::string path = Diary(name);
        path[ExtLoc(path)] = letter;
        return path;
    }

    // Saves one entry the way the New Entry editor does.
    void Save(const std::string& text, int64_t time, const std::string& password = "secret",
              int32_t mood = 0)
    {
        CDiaryStore store(0, Diary(), ExtLoc(Diary()));
        store.entry.time = time;
        store.entry.mood = mood;
        store.entry.text = text;
        std::snprintf(store.entry.password, sizeof store.entry.password, "%s", password.c_str());
        store.AppendEntry();
        ASSERT_TRUE(store.SortEntries());
    }

    // Every entry's (time, text), read the way the main window reads them.
    std::vector<std::pair<int64_t, std::string>> Entries(const std::string& name = "travel.ilm")
    {
        std::vector<std::pair<int64_t, std::string>> out;
        CDiaryStore probe(0, Diary(name), ExtLoc(Diary(name)));
        probe.OpenIndexFile();
        probe.CloseIndexFile();
        for (uint32_t i = 0; i < probe.m_nEntryCount; ++i) {
            CDiaryStore store(i, Diary(name), ExtLoc(Diary(name)));
            if (!store.ReadEntry()) {
                out.emplace_back(-1, "<unreadable>");
                continue;
            }
            out.emplace_back(store.entry.time, store.entry.text);
        }
        return out;
    }

    std::vector<std::string> messages;

private:
    std::filesystem::path m_dir;
    StoreMessageHandler m_previous;
};

} // namespace storetest
