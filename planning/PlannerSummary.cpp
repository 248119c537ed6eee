#include "planning/PlannerSummary.h"

#include "planning/DiaryRecords.h"
#include "planning/LocalDay.h"
#include "planning/ScriptText.h"
#include "platform/ShownTime.h"

#include <cstring>

namespace {

QString Format(const QString& format, int64_t time)
{
    return CShownTime::Format(format, time);
}

// "12 Dec [ Buy paint"; the status suffix follows.
QString Head(const PlannerRecord& task)
{
    return Format(QCoreApplication::translate("CPlannerSummary", "%d %b [ "), task.plannedTime) +
           CScriptText::Of(task);
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
        return Head(task) + tr(" ] NOT DONE");
    case 1:
        return Head(task) + Format(tr(" ] DONE on %d %b"), task.doneTime);
    default:
        return Head(task) + tr("ERROR");
    }
}

QString CPlannerSummary::MainWindowLine(const PlannerRecord& task)
{
    switch (task.status) {
    case 0:
        return Head(task) + tr(" ] NOT DONE");
    case 1:
        if (CLocalDay::Same(task.doneTime, task.plannedTime))
            return Head(task) + tr(" ] DONE ON TIME");
        return Head(task) + Format(tr(" ] DONE on %d %b"), task.doneTime);
    default:
        return Head(task) + tr(" ERROR");
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
