#pragma once
// Shared fixture of the store tests: a fresh folder per test, byte-level file
// helpers, the diary's contents as the windows read them, and a recorder for
// the messages the store shows.

#include "store/DiaryStore.h"
#include "store/FileFaults.h"
#include "store/Messages.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace storetest {

using Texts = std::vector<std::pair<int64_t, std::string>>;

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
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

inline std::string Pad(std::string s, size_t size)
{
    s.resize(size, '\0');
    return s;
}

// A reminder's and a planner task's record.
inline std::string ReminderBytes(uint32_t time, const std::string& text)
{
    return U32(time) + Pad(text, 40);
}

inline std::string TaskBytes(uint32_t planned, uint32_t done, const std::string& text,
                             uint32_t status = 0)
{
    return U32(planned) + U32(done) + Pad(text, 50) + U32(status);
}

inline unsigned char KeyOf(const std::string& password)
{
    unsigned sum = 0;
    for (unsigned char c : password)
        sum += c;
    return static_cast<unsigned char>(sum);
}

// Each byte XOR key, unless it equals the key: the rule of the texts and,
// with 0xB4, of the stored password.
inline std::string Encrypted(std::string text, unsigned char key)
{
    for (auto& c : text)
        if (static_cast<unsigned char>(c) != key)
            c = static_cast<char>(static_cast<unsigned char>(c) ^ key);
    return text;
}

inline std::string ScrambledField(const std::string& plain)
{
    return Pad(Encrypted(plain, 0xB4), 30);
}

// An entry's 72-byte index record, built by hand.
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
        std::memcpy(&bits, &temperature, sizeof bits);
        auto u = [](int32_t v) { return U32(static_cast<uint32_t>(v)); };
        return U32(static_cast<uint32_t>(password.size())) + ScrambledField(password) + U32(time) +
               u(mood) + u(fatigue) + u(shape) + char(copulation) + char(menstruus) + U32(bits) +
               u(weight) + u(dream) + U32(textOffset) + U32(textLength);
    }
    // The fields of a decoded entry or header, to compare as a record.
    template <typename Entry> static EntryBytes Of(const Entry& e, const std::string& password)
    {
        EntryBytes b{password, uint32_t(e.time), e.mood, e.fatigue, e.shape, e.dream, e.weight};
        b.copulation = uint8_t(e.copulation), b.menstruus = uint8_t(e.menstruus);
        b.temperature = e.temperature, b.textOffset = e.textOffset, b.textLength = e.textLength;
        return b;
    }
    // The fields into a store's working entry, as the editor fills it.
    void Fill(DiaryEntry& e) const
    {
        e.time = time;
        e.mood = mood, e.fatigue = fatigue, e.shape = shape, e.dream = dream;
        e.weight = weight, e.temperature = temperature;
        e.copulation = copulation, e.menstruus = menstruus;
        std::snprintf(e.password, sizeof e.password, "%s", password.c_str());
    }
};

// Runs fn in a child process (which may die anywhere, as in a crash) and
// waits for it; returns its exit status.
inline int InChild(const std::function<int()>& fn)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(fn());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

// An entry's time, text and password into a store's working entry.
inline void Fill(CDiaryStore& store, int64_t time, const std::string& text,
                 const std::string& password = "secret")
{
    store.entry.time = time;
    store.entry.text = text;
    std::snprintf(store.entry.password, sizeof store.entry.password, "%s", password.c_str());
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
    // Runs `body` in a child process that cannot write the folder nor any
    // file in it (as root: a child that gives up its privileges; 90 when it
    // cannot); its result, and the folder writable again afterwards.
    int InReadOnlyFolder(const std::function<int()>& body) const
    {
        using std::filesystem::perms;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            std::filesystem::permissions(entry.path(), perms::all);
        std::filesystem::permissions(m_dir, perms::owner_read | perms::owner_exec |
                                                perms::others_read | perms::others_exec);
        const int result = InChild([&] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                return 90;
            return body();
        });
        std::filesystem::permissions(m_dir, perms::owner_all);
        return result;
    }
    std::string Diary(const std::string& name = "travel.ilm") const
    {
        return (m_dir / name).string();
    }
    std::string Sibling(char letter, const std::string& name = "travel.ilm") const
    {
        std::string path = Diary(name);
        path[path.rfind('.') + 1] = letter;
        return path;
    }
    std::string Temp(char letter) const { return CDiaryStore::TempPathFor(Sibling(letter)); }
    std::string Marker() const { return Diary() + ".pwswitch"; }
    void ClearDir() const
    {
        for (const auto& file : std::filesystem::directory_iterator(m_dir))
            std::filesystem::remove(file.path());
    }

    // Every file in the folder with its bytes.
    std::map<std::string, std::string> FolderFiles() const
    {
        std::map<std::string, std::string> files;
        for (const auto& file : std::filesystem::directory_iterator(m_dir))
            files[file.path().filename().string()] = ReadFileBytes(file.path().string());
        return files;
    }

    // A store on the diary, as each command makes one.
    CDiaryStore Store(uint32_t index = 0, const std::string& name = "travel.ilm") const
    {
        return CDiaryStore(index, CDiaryName(Diary(name)));
    }

    // Saves one entry the way the New Entry editor does.
    void Save(const std::string& text, int64_t time, const std::string& password = "secret",
              int32_t mood = 0)
    {
        CDiaryStore store = Store();
        Fill(store, time, text, password);
        store.entry.mood = mood;
        store.AppendEntry();
        ASSERT_TRUE(store.SortEntries());
    }

    void AddReminder(CDiaryStore& store, int64_t time, const std::string& text)
    {
        store.reminder.time = time;
        std::snprintf(store.reminder.description, 40, "%s", text.c_str());
        store.AppendReminder();
    }

    void AddTask(CDiaryStore& store, int64_t time, const std::string& text)
    {
        store.task.plannedTime = store.task.doneTime = time;
        store.task.status = 0;
        std::snprintf(store.task.description, 50, "%s", text.c_str());
        store.AppendPlannerTask();
    }

    // Every entry's (time, text), read the way the main window reads them.
    Texts Entries(const std::string& name = "travel.ilm")
    {
        Texts out;
        CDiaryStore probe = Store(0, name);
        probe.OpenIndexFile();
        probe.CloseIndexFile();
        for (uint32_t i = 0; i < probe.m_nEntryCount; ++i) {
            CDiaryStore store = Store(i, name);
            if (store.ReadEntry())
                out.emplace_back(store.entry.time, store.entry.text);
            else
                out.emplace_back(-1, "<unreadable>");
        }
        return out;
    }

    std::vector<std::string> messages;

private:
    std::filesystem::path m_dir;
    StoreMessageHandler m_previous;
};

} // namespace storetest
