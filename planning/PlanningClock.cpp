#include "planning/PlanningClock.h"

#include <ctime>
#include <utility>

namespace {
std::function<int64_t()>& Source()
{
    static std::function<int64_t()> source;
    return source;
}
} // namespace

int64_t CPlanningClock::Now()
{
    if (Source())
        return Source()();
    return static_cast<int64_t>(std::time(nullptr));
}

void CPlanningClock::SetSource(std::function<int64_t()> source)
{
    Source() = std::move(source);
}

void CPlanningClock::SetFixed(int64_t now)
{
    Source() = [now] { return now; };
}

void CPlanningClock::Reset()
{
    Source() = nullptr;
}
