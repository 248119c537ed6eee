#pragma once
// Writes a diary, or the entries of a range of days, to a file others can
// read: Markdown, one self-contained HTML page, plain text (one section per
// entry in date order: its date and time as the entry list shows them, the
// ratings, marks and measurements as the print-out shows them, then the text
// of the document the RTF reader builds: as Qt writes it for HTML and plain
// text, as export/MarkdownText writes it for Markdown), or the
// observations alone as CSV for a spreadsheet. The file is written whole or
// not at all.

#include "ratings/RatingLabels.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class CDiarySession;

enum class ExportFormat
{
    Markdown,
    Html,
    PlainText,
    Csv
};

// Days from `from` to `to`, both included, in local time; an invalid date
// leaves that end open, so the default range holds every entry.
struct ExportRange
{
    QDate from;
    QDate to;
};

struct ExportOutcome
{
    enum class Status
    {
        Written,
        Cancelled,
        Failed
    };
    Status status = Status::Failed;
    int entries = 0;
    QString message; // for the user when not Written
};

class CDiaryExporter
{
    Q_DECLARE_TR_FUNCTIONS(CDiaryExporter)

public:
    // Told how many of the entries are done; returns false to cancel.
    using Progress = std::function<bool(int done, int total)>;

    // The format a file name's extension asks for (.md, .html, .txt, .csv
    // and their usual variants, in any case).
    static std::optional<ExportFormat> FormatForPath(const QString& path);

    static ExportOutcome Export(const CDiarySession& session, const RatingLabels& labels,
                                const QString& path, ExportFormat format,
                                const ExportRange& range = {}, const Progress& progress = {});
};
