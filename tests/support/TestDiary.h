#pragma once
// Diaries and old data files for the tests that need one on disk: entries
// written through the store as the editor writes them, and version-1 entry
// files built byte by byte.

#include "platform/FileDialogs.h"
#include "store/DiaryStore.h"
#include "store/Version1File.h"

#include <QFile>
#include <QString>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

// Seconds since the epoch of a local time (the tests pin TZ).
inline int64_t LocalTime(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    std::tm broken{};
    broken.tm_year = year - 1900;
    broken.tm_mon = month - 1;
    broken.tm_mday = day;
    broken.tm_hour = hour;
    broken.tm_min = minute;
    broken.tm_sec = second;
    broken.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&broken));
}

// An entry text as the editor would store it, with `words` as its only text.
inline std::string Rtf(const std::string& words)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 " + words + "\\par\n}";
}

struct EntryValues
{
    int64_t time = 0;
    std::string text;
    int mood = 0;
    int fatigue = 0;
    int shape = 0;
    int dream = 0;
    int copulation = 0;
    int menstruus = 0;
    float temperature = 0.0f;
    int weight = 0;
};

inline std::string Encoded(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The diary's name as the Open/Create dialog gives it.
inline CDiaryName NameOf(const QString& path)
{
    return CFileDialogs::ChoiceFromPath(path).name;
}

inline uint16_t ExtLocOf(const QString& path)
{
    return NameOf(path).ExtLoc();
}

// Appends the entries under `password` and sorts the diary.
inline void WriteDiary(const QString& path, const std::vector<EntryValues>& entries,
                       const std::string& password)
{
    CDiaryStore store(0, NameOf(path));
    for (const EntryValues& values : entries) {
        store.entry = DiaryEntry{};
        store.entry.time = values.time;
        store.entry.text = values.text;
        store.entry.mood = values.mood;
        store.entry.fatigue = values.fatigue;
        store.entry.shape = values.shape;
        store.entry.dream = values.dream;
        store.entry.copulation = values.copulation;
        store.entry.menstruus = values.menstruus;
        store.entry.temperature = values.temperature;
        store.entry.weight = values.weight;
        std::strncpy(store.entry.password, password.c_str(), sizeof(store.entry.password) - 1);
        store.AppendEntry();
    }
    store.SortEntries();
}

inline std::string Le32(int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    return {char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24)};
}

// A version-1 entry file: the 68-byte header, then the text (scrambled when
// isEncrypted is 1).
inline std::string Version1File(int32_t isEncrypted, int32_t mood, std::string text)
{
    if (isEncrypted == 1) {
        ScrambleVersion1Text(text);
    }
    return "\r\n\x1a" + Le32(isEncrypted) + std::string("Ann").append(27, '\0') +
           std::string("oldsecret").append(6, '\0') + Le32(7) + Le32(mood) + "\1\2\3\4\5\6\7\10" +
           text;
}
