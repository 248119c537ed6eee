#include "widgets/DatePicker.h"

#include "platform/Translations.h"

#include <QCalendarWidget>
#include <QLocale>
#include <algorithm>

CDatePicker::CDatePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    // Month and weekday names in the interface's language, like every
    // other date the program shows, whatever the desktop's locale.
    const QLocale shown = CTranslations::Locale();
    setLocale(shown);
    setTimeSpec(Qt::LocalTime);
    setCalendarPopup(true);
    calendarWidget()->setLocale(shown);
    setDisplayFormat(tr("dddd, MMMM dd, yyyy"));
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
