#include "tools/demo-diary/DemoDiary.h"

#include "store/DiaryStore.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <utility>

namespace {

void SetText(char* field, size_t size, const char* text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text, std::min(std::strlen(text), size - 1));
}

} // namespace

CDemoDiary::CDemoDiary(CDiaryName name, int64_t now) : m_name(std::move(name)), m_timeNow(now) {}

int64_t CDemoDiary::LocalDay(int64_t now, int days, int hour, int minute)
{
    const time_t t = static_cast<time_t>(now);
    std::tm local{};
    localtime_r(&t, &local);
    local.tm_mday += days;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = 0;
    local.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&local));
}

void CDemoDiary::WriteEntries(const std::string& password, const std::string& rtfHead,
                              std::span<const DemoDay> days) const
{
    for (const DemoDay& day : days) {
        CDiaryStore store(0, m_name);
        DiaryEntry& entry = store.entry;
        SetText(entry.password, sizeof entry.password, password.c_str());
        entry.time = LocalDay(m_timeNow, -day.daysAgo, 21, 17);
        entry.mood = day.mood;
        entry.fatigue = day.fatigue;
        entry.shape = day.shape;
        entry.dream = day.dream;
        entry.copulation = day.copulation ? 1 : 0;
        entry.menstruus = day.menstruus ? 1 : 0;
        entry.temperature = day.temperature;
        entry.weight = day.weight;
        entry.text = rtfHead + day.text + "\\par}";
        entry.textLength = static_cast<uint32_t>(entry.text.size());
        store.AppendEntry();
        store.SortEntries();
    }
}

void CDemoDiary::WriteReminders(std::span<const DemoReminder> reminders) const
{
    for (const DemoReminder& r : reminders) {
        CDiaryStore store(0, m_name);
        store.reminder.time = LocalDay(m_timeNow, r.days, 9);
        SetText(store.reminder.description, sizeof store.reminder.description, r.text);
        store.AppendReminder();
        store.SortReminders();
    }
}

void CDemoDiary::WritePlanner(std::span<const DemoTask> tasks) const
{
    for (const DemoTask& t : tasks) {
        CDiaryStore store(0, m_name);
        store.task.plannedTime = LocalDay(m_timeNow, t.plannedDays, 10);
        store.task.doneTime = t.done ? LocalDay(m_timeNow, t.doneDays, 18) : store.task.plannedTime;
        SetText(store.task.description, sizeof store.task.description, t.text);
        store.task.status = t.done ? 1 : 0;
        store.AppendPlannerTask();
        store.SortPlannerTasks();
    }
}
