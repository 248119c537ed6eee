#pragma once
// Helpers of the statistics tests: a pinned time zone and headers made from
// local times in it.

#include "store/Records.h"
#include "tests/support/TestDiary.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// Pins TZ for as long as it lives; the locale stays "C" (the tests compare
// English texts).
class ZoneScope
{
public:
    explicit ZoneScope(const char* zone)
    {
        if (const char* saved = std::getenv("TZ")) {
            m_saved = saved;
        }
        Pin(zone);
    }
    ~ZoneScope()
    {
        if (m_saved) {
            Pin(m_saved->c_str());
        } else {
            unsetenv("TZ");
            tzset();
        }
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

    static void Pin(const char* zone)
    {
        setenv("TZ", zone, 1);
        tzset();
    }

private:
    std::optional<std::string> m_saved;
};

inline EntryHeader Header(int64_t time, int mood = 0, int fatigue = 0, int shape = 0, int dream = 0)
{
    EntryHeader header;
    header.time = time;
    header.mood = mood;
    header.fatigue = fatigue;
    header.shape = shape;
    header.dream = dream;
    return header;
}
