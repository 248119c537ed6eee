#include "planning/PlannerSummary.h"

#include "planning/LocalDay.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/TimeText.h"

#include <cstring>

namespace {

QString Format(const char* format, int64_t time)
{
    return QString::fromStdString(FormatTime(format, time));
}

// "12 Dec [ Buy paint"; the status suffix follows.
QString Head(const PlannerRecord& task)
{
    return Format("%d %b [ ", task.plannedTime) +
           CAnsiCodec::ToQString(std::string_view(
               task.description, strnlen(task.description, sizeof task.description)));
}

QStringList LoadLines(const CDiarySession& diary, QString (*line)(const PlannerRecord&))
{
    std::vector<PlannerRecord> tasks;
    try {
        CPlannerSummary::ReadAll(diary, tasks);
    } catch (const CFileError& error) {
        CMessageBox::Show(nullptr, QString::fromStdString(error.what()), CAppInfo::AppName());
    }
    QStringList lines;
    for (const PlannerRecord& task : tasks)
        lines << line(task);
    return lines;
}

} // namespace

QString CPlannerSummary::DialogLine(const PlannerRecord& task)
{
    switch (task.status) {
    case 0:
        return Head(task) + QStringLiteral(" ] NOT DONE");
    case 1:
        return Head(task) + Format(" ] DONE on %d %b", task.doneTime);
    default:
        return Head(task) + QStringLiteral("ERROR");
    }
}

QString CPlannerSummary::MainWindowLine(const PlannerRecord& task)
{
    switch (task.status) {
    case 0:
        return Head(task) + QStringLiteral(" ] NOT DONE");
    case 1:
        if (CLocalDay::Same(task.doneTime, task.plannedTime))
            return Head(task) + QStringLiteral(" ] DONE ON TIME");
        return Head(task) + Format(" ] DONE on %d %b", task.doneTime);
    default:
        return Head(task) + QStringLiteral(" ERROR");
    }
}

void CPlannerSummary::ReadAll(const CDiarySession& diary, std::vector<PlannerRecord>& tasks)
{
    const auto pStore = diary.MakeStore();
    CDiaryStore& store = *pStore;
    store.OpenPlannerFile();
    store.ClosePlannerFile();
    if (store.m_nPlannerCount == 0)
        return;
    store.planner_index = 0;
    if (!store.ReadPlannerTask())
        return;
    do {
        tasks.push_back(store.task);
    } while (store.NextPlannerTask());
}

QStringList CPlannerSummary::MainWindowLines(const CDiarySession& diary)
{
    return LoadLines(diary, &CPlannerSummary::MainWindowLine);
}

QStringList CPlannerSummary::DialogLines(const CDiarySession& diary)
{
    return LoadLines(diary, &CPlannerSummary::DialogLine);
}
