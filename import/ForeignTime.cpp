#include "import/ForeignTime.h"

#include "store/TimeText.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>
#include <ctime>

namespace {

constexpr int kNoon = 12;

// "jan" -> 1 ... "december" -> 12 (a name or its first three letters); 0 for
// none.
int MonthOfName(QStringView name)
{
    static const char* const kMonths[] = {"january",   "february", "march",    "april",
                                          "may",       "june",     "july",     "august",
                                          "september", "october",  "november", "december"};
    const QString lower = name.toString().toLower();
    if (lower.size() < 3) {
        return 0;
    }
    for (int i = 0; i < 12; ++i) {
        const QLatin1StringView month(kMonths[i]);
        if (lower == month || (lower.size() == 3 && month.startsWith(lower)) ||
            (lower.size() == 4 && lower.endsWith(QLatin1Char('.')) &&
             month.startsWith(lower.left(3)))) {
            return i + 1;
        }
    }
    return 0;
}

// "20:05", "8:05 pm", "20:05:30"; an empty text is noon. nullopt for
// anything else.
std::optional<QTime> TimeOfText(QStringView text)
{
    if (text.trimmed().isEmpty()) {
        return QTime(kNoon, 0);
    }
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:at\s+)?(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([ap]\.?m\.?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    int hour = match.capturedView(1).toInt();
    const int minute = match.capturedView(2).toInt();
    const int second = match.capturedView(3).isEmpty() ? 0 : match.capturedView(3).toInt();
    if (!match.capturedView(4).isEmpty()) {
        if (hour < 1 || hour > 12) {
            return std::nullopt;
        }
        const bool pm = match.capturedView(4).front().toLower() == QLatin1Char('p');
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid()) {
        return std::nullopt;
    }
    return time;
}

} // namespace

int64_t LocalSeconds(const QDate& date, const QTime& time)
{
    return LocalMoment(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                       time.second());
}

std::optional<int64_t> ParseIsoMoment(const QString& text, const QString& zoneId)
{
    const QString trimmed = text.trimmed();
    QDateTime moment = QDateTime::fromString(trimmed, Qt::ISODateWithMs);
    if (!moment.isValid()) {
        moment = QDateTime::fromString(trimmed, Qt::ISODate);
    }
    if (!moment.isValid()) {
        return std::nullopt;
    }
    if (moment.timeSpec() == Qt::LocalTime) {
        // No offset in the text: the entry's own zone when it is known.
        const QTimeZone zone(zoneId.toUtf8());
        if (!zoneId.isEmpty() && zone.isValid()) {
            moment = QDateTime(moment.date(), moment.time(), zone);
        } else {
            return LocalSeconds(moment.date(), moment.time());
        }
    }
    return moment.toSecsSinceEpoch();
}

std::optional<int64_t> ParseLocalDateTime(const QString& date, const QString& time)
{
    const QDate day = QDate::fromString(date.trimmed(), Qt::ISODate);
    const std::optional<QTime> clock = TimeOfText(time);
    if (!day.isValid() || !clock) {
        return std::nullopt;
    }
    return LocalSeconds(day, *clock);
}

std::optional<int64_t> ParseDateHeading(QStringView text)
{
    static const QRegularExpression iso(
        QStringLiteral(R"(^\s*(\d{4})-(\d{2})-(\d{2})(?:[T ]\s*(.*))?$)"));
    // An optional weekday, then "14 November 2023" or "November 14, 2023",
    // then an optional time.
    static const QRegularExpression dayMonth(QStringLiteral(
        R"(^\s*(?:[A-Za-z]+\.?,?\s+)?(\d{1,2})(?:st|nd|rd|th)?\.?\s+([A-Za-z]+\.?),?\s+(\d{4}),?(?:\s+(.*))?$)"));
    static const QRegularExpression monthDay(QStringLiteral(
        R"(^\s*(?:[A-Za-z]+\.?,?\s+)?([A-Za-z]+\.?)\s+(\d{1,2})(?:st|nd|rd|th)?,?\s+(\d{4}),?(?:\s+(.*))?$)"));

    int year = 0;
    int month = 0;
    int day = 0;
    QStringView rest;
    if (const QRegularExpressionMatch m = iso.match(text); m.hasMatch()) {
        year = m.capturedView(1).toInt();
        month = m.capturedView(2).toInt();
        day = m.capturedView(3).toInt();
        rest = m.capturedView(4);
    } else if (const QRegularExpressionMatch m = dayMonth.match(text);
               m.hasMatch() && MonthOfName(m.capturedView(2)) != 0) {
        day = m.capturedView(1).toInt();
        month = MonthOfName(m.capturedView(2));
        year = m.capturedView(3).toInt();
        rest = m.capturedView(4);
    } else if (const QRegularExpressionMatch m = monthDay.match(text);
               m.hasMatch() && MonthOfName(m.capturedView(1)) != 0) {
        month = MonthOfName(m.capturedView(1));
        day = m.capturedView(2).toInt();
        year = m.capturedView(3).toInt();
        rest = m.capturedView(4);
    } else {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    const std::optional<QTime> time = TimeOfText(rest);
    if (!date.isValid() || !time) {
        return std::nullopt;
    }
    return LocalSeconds(date, *time);
}

std::optional<QDate> DateOfFileName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?!\d))"));
    const QRegularExpressionMatch m = pattern.match(fileName);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const QDate date(m.capturedView(1).toInt(), m.capturedView(2).toInt(),
                     m.capturedView(3).toInt());
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}
