#include "widgets/DatePicker.h"

#include <QCalendarWidget>
#include <QLocale>
#include <algorithm>

CDatePicker::CDatePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    // Month and weekday names stay English under any user locale, like every
    // other date the program shows.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    setLocale(english);
    setTimeSpec(Qt::LocalTime);
    setCalendarPopup(true);
    calendarWidget()->setLocale(english);
    setDisplayFormat(QStringLiteral("dddd, MMMM dd, yyyy"));
    // Times are stored as unsigned 32-bit counts; anything outside would
    // come back as a different date.
    setDateTimeRange(QDateTime::fromSecsSinceEpoch(kFirstTime),
                     QDateTime::fromSecsSinceEpoch(kLastTime));
}

int64_t CDatePicker::Time() const
{
    return std::clamp<int64_t>(dateTime().toSecsSinceEpoch(), kFirstTime, kLastTime);
}

void CDatePicker::SetTime(int64_t time)
{
    setDateTime(QDateTime::fromSecsSinceEpoch(std::clamp(time, kFirstTime, kLastTime)));
}
