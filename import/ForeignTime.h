#pragma once
// Dates and times as other diary programs write them, turned into the
// diary's seconds since 1970. A time without a zone is the diary's local
// time; a date without a time is taken at 12:00.

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <cstdint>
#include <optional>

// The local date and time as seconds (the C library's rules for a time
// that a clock change skips or repeats).
int64_t LocalSeconds(const QDate& date, const QTime& time);

// "2023-11-14T19:05:00Z", "2023-11-14T20:05:00+01:00": the moment it names.
// Without an offset the time is read in zoneId (an IANA name such as
// "Europe/Berlin") when that is known, else as local time. nullopt when it
// is no such time.
std::optional<int64_t> ParseIsoMoment(const QString& text, const QString& zoneId = QString());

// "2023-11-14" and an optional "20:05" or "20:05:30" (jrnl's fields), local.
std::optional<int64_t> ParseLocalDateTime(const QString& date, const QString& time);

// A heading that is nothing but a date, with or without a weekday and a
// time: "2023-11-14", "2023-11-14 20:00", "Tuesday, 14 November 2023 20:00",
// "November 14, 2023", "14 Nov 2023 8:05 pm". English month and weekday
// names, any letter case.
std::optional<int64_t> ParseDateHeading(QStringView text);

// The date a file name starts with: "2023-11-14.md", "2023-11-14 Rome.txt".
std::optional<QDate> DateOfFileName(const QString& fileName);
