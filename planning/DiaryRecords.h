#pragma once
// Every reminder or planner task of a diary, in file order, for the lists
// that show them, read in one go, each with its text in any script where an
// encrypted diary keeps one. A file error is shown to the user and nothing
// is returned.

#include "store/Records.h"

#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

class CDiarySession;
class QWidget;

class CDiaryRecords
{
public:
    static std::vector<ReminderRecord> Reminders(const CDiarySession& diary,
                                                 QWidget* parent = nullptr);
    static std::vector<PlannerRecord> PlannerTasks(const CDiarySession& diary,
                                                   QWidget* parent = nullptr);
    // The reminder and task texts that a four-file copy of the diary would
    // keep only in their Windows-1252 form (`?` for what it lacks), in file
    // order, reminders first.
    static QStringList LostInFourFiles(const CDiarySession& diary, QWidget* parent = nullptr);
};
