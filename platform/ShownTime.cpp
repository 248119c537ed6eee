#include "platform/ShownTime.h"

#include "platform/Translations.h"
#include "store/TimeText.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <ctime>

namespace {

QString Directive(const QString& directive, int64_t time)
{
    return QString::fromStdString(FormatTime(directive.toStdString(), time));
}

} // namespace

QString CShownTime::Format(const QString& format, int64_t time)
{
    return Format(format, time, CTranslations::Locale());
}

QString CShownTime::Format(const QString& format, int64_t time, const QLocale& locale)
{
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
        return QString::fromStdString(FormatTime(format.toStdString(), time));
    }
    const auto seconds = static_cast<std::time_t>(time);
    std::tm parts{};
    if (static_cast<int64_t>(seconds) != time || localtime_r(&seconds, &parts) == nullptr) {
        return QString();
    }
    const QDate date(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
    const QTime clock(parts.tm_hour, parts.tm_min, parts.tm_sec);
    const int weekday = parts.tm_wday == 0 ? 7 : parts.tm_wday; // Qt counts from Monday
    QString out;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != QLatin1Char('%') || i + 1 >= format.size()) {
            out += format[i];
            continue;
        }
        const bool hash = format[i + 1] == QLatin1Char('#');
        if (hash && i + 2 >= format.size()) {
            break; // a dangling "%#" prints nothing
        }
        const QChar c = format[i + (hash ? 2 : 1)];
        i += hash ? 2 : 1;
        switch (c.toLatin1()) {
        case 'a':
            out += locale.dayName(weekday, QLocale::ShortFormat);
            break;
        case 'A':
            out += locale.dayName(weekday, QLocale::LongFormat);
            break;
        case 'b':
            out += locale.monthName(date.month(), QLocale::ShortFormat);
            break;
        case 'B':
            out += locale.monthName(date.month(), QLocale::LongFormat);
            break;
        case 'x':
            out += locale.toString(date, hash ? QLocale::LongFormat : QLocale::ShortFormat);
            break;
        case 'c':
            out += hash ? locale.toString(date, QLocale::LongFormat) + QLatin1Char(' ') +
                              clock.toString(QStringLiteral("HH:mm:ss"))
                        : locale.toString(QDateTime(date, clock), QLocale::ShortFormat);
            break;
        default: // digits and "%%" read the same in every language
            out +=
                Directive(QStringLiteral("%") + (hash ? QStringLiteral("#") : QString()) + c, time);
            break;
        }
    }
    return out;
}
