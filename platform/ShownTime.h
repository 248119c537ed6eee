#pragma once
// Moments as the windows and the printout show them: in local time, with the
// month and weekday names of the interface's language (CTranslations). What
// is stored or exported keeps FormatTime's fixed English form.

#include <QString>
#include <cstdint>

class QLocale;

class CShownTime
{
public:
    // FormatTime's strftime() directives ("%d - %b - %Y, %a", "%#x", "%#d"),
    // with the names taken from the interface's language; in English the
    // same text as FormatTime. An empty string for a time that cannot be
    // converted.
    static QString Format(const QString& format, int64_t time);
    // The same in the given locale's language (the tests' entry point).
    static QString Format(const QString& format, int64_t time, const QLocale& locale);
};
