#pragma once
// The date picker of the Reminders and Planner dialogs: the long English date
// ("Friday, December 06, 2002") with a drop-down calendar. It holds a full
// moment: picking a day keeps the time of day it already had. Only moments a
// diary file can store (1970 to early 2106) can be picked.

#include <QDateTimeEdit>
#include <cstdint>

class CDatePicker : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit CDatePicker(QWidget* parent);

    // Seconds since 1970-01-01 00:00:00 UTC.
    int64_t Time() const;
    // Clamped to the range the picker offers.
    void SetTime(int64_t time);

    static constexpr int64_t kFirstTime = 0;
    static constexpr int64_t kLastTime = 0xFFFFFFFFLL;
};
