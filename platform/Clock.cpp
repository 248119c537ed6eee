#include "platform/Clock.h"

#include <ctime>
#include <utility>

namespace {
std::function<int64_t()>& Source()
{
    static std::function<int64_t()> source;
    return source;
}
} // namespace

int64_t CClock::Now()
{
    if (Source())
        return Source()();
    return static_cast<int64_t>(std::time(nullptr));
}

void CClock::SetSource(std::function<int64_t()> source)
{
    Source() = std::move(source);
}

void CClock::SetFixed(int64_t now)
{
    Source() = [now] { return now; };
}

void CClock::Reset()
{
    Source() = nullptr;
}
