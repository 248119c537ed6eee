#include "planning/PlannerSummary.h"

#include "planning/DiaryRecords.h"
#include "planning/LocalDay.h"
#include "planning/ScriptText.h"
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
    return Format("%d %b [ ", task.plannedTime) + CScriptText::Of(task);
}

QStringList LoadLines(const CDiarySession& diary, QString (*line)(const PlannerRecord&))
{
    QStringList lines;
    for (const PlannerRecord& task : CDiaryRecords::PlannerTasks(diary))
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

QStringList CPlannerSummary::MainWindowLines(const CDiarySession& diary)
{
    return LoadLines(diary, &CPlannerSummary::MainWindowLine);
}

QStringList CPlannerSummary::DialogLines(const CDiarySession& diary)
{
    return LoadLines(diary, &CPlannerSummary::DialogLine);
}
