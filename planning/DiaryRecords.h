#pragma once
// Every reminder or planner task of a diary, in file order, for the lists
// that show them. A file error is shown to the user; the records read until
// then are returned. The walk ends at the first record that cannot be read
// (the store says so).

#include "store/Records.h"

#include <cstdint>
#include <string>
#include <vector>

class QWidget;

class CDiaryRecords
{
public:
    static std::vector<ReminderRecord> Reminders(const std::string& diaryPath, uint16_t extLoc,
                                                 QWidget* parent = nullptr);
    static std::vector<PlannerRecord> PlannerTasks(const std::string& diaryPath, uint16_t extLoc,
                                                   QWidget* parent = nullptr);
};
