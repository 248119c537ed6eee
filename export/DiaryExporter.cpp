#include "export/DiaryExporter.h"

#include "export/ExportPictures.h"
#include "export/MarkdownText.h"
#include "rtf/Rtf.h"
#include "store/AtomicFile.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/NumberText.h"
#include "store/TimeText.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

// The entry list's line for an entry; the tabs align its columns there and
// are kept (HTML and Markdown show them as spaces).
constexpr const char* kEntryLineFormat = "%d - %b\t - %Y, %a,\t at %H:%M:%S";

const QString kUnreadable = QStringLiteral("(The text of this entry could not be read.)");

EntryHeader HeaderOf(const DiaryEntry& entry)
{
    EntryHeader header;
    header.time = entry.time;
    header.mood = entry.mood;
    header.fatigue = entry.fatigue;
    header.shape = entry.shape;
    header.dream = entry.dream;
    header.copulation = entry.copulation;
    header.menstruus = entry.menstruus;
    header.temperature = entry.temperature;
    header.weight = entry.weight;
    return header;
}

QString Temperature(float temperature)
{
    return QString::fromStdString(FormatFixed(static_cast<double>(temperature), 1));
}

QString YesNo(int32_t mark)
{
    return mark != 0 ? QStringLiteral("YES") : QStringLiteral("NO");
}

// The ratings, marks and measurements in the words of the printed header.
QStringList ObservationLines(const EntryHeader& entry, const RatingLabels& labels)
{
    return {QStringLiteral("Entry mood: %1, fatigue: %2, shape: %3")
                .arg(LabelFor(labels, RatingScale::Mood, entry.mood),
                     LabelFor(labels, RatingScale::Fatigue, entry.fatigue),
                     LabelFor(labels, RatingScale::Shape, entry.shape)),
            QStringLiteral("dream: %1, copulation: %2, menstruus: %3, weight: %4, temperature: %5")
                .arg(LabelFor(labels, RatingScale::Dream, entry.dream), YesNo(entry.copulation),
                     YesNo(entry.menstruus), QString::number(entry.weight),
                     Temperature(entry.temperature))};
}

QString EntryLine(int64_t time)
{
    return QString::fromStdString(FormatTime(kEntryLineFormat, time));
}

// The inside of the <body> of a page Qt wrote, in a <div> that carries the
// body's own style (the document's default font).
QString HtmlBody(const QString& page)
{
    const qsizetype bodyTag = page.indexOf(QLatin1String("<body"));
    const qsizetype bodyStart = bodyTag < 0 ? -1 : page.indexOf(QLatin1Char('>'), bodyTag);
    const qsizetype bodyEnd = page.lastIndexOf(QLatin1String("</body>"));
    if (bodyStart < 0 || bodyEnd < bodyStart) {
        return page;
    }
    const QString attributes = page.mid(bodyTag + 5, bodyStart - bodyTag - 5);
    QString inner = page.mid(bodyStart + 1, bodyEnd - bodyStart - 1);
    if (inner.startsWith(QLatin1Char('\n'))) {
        inner.remove(0, 1);
    }
    return QStringLiteral("<div class=\"text\"%1>\n%2\n</div>").arg(attributes, inner);
}

QString CsvField(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'))) {
        return field;
    }
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// One document of one format, written a piece at a time.
class CDocumentWriter
{
public:
    CDocumentWriter(ExportFormat format, const RatingLabels& labels, CAtomicFile& out)
        : m_format(format), m_labels(labels), m_out(out)
    {
    }

    bool NeedsText() const { return m_format != ExportFormat::Csv; }

    void Begin(const QString& title)
    {
        switch (m_format) {
        case ExportFormat::Markdown:
            Put(QStringLiteral("# ") + MarkdownLine(title) + QStringLiteral("\n"));
            break;
        case ExportFormat::Html:
            Put(QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                               "<title>%1</title>\n<style>\n"
                               "body { font-family: sans-serif; max-width: 50em; margin: 2em auto; "
                               "padding: 0 1em; }\n"
                               "h2 { font-size: 1.1em; border-bottom: 1px solid #999; "
                               "margin-top: 2em; }\n"
                               "p.observations { color: #444; font-size: 0.9em; }\n"
                               "div.text p, div.text li { white-space: pre-wrap; }\n"
                               "</style>\n</head>\n<body>\n<h1>%1</h1>\n")
                    .arg(title.toHtmlEscaped()));
            break;
        case ExportFormat::PlainText:
            Put(title + QStringLiteral("\n"));
            break;
        case ExportFormat::Csv:
            Put(QStringLiteral("Date and time,Mood,Mood label,Fatigue,Fatigue label,Shape,"
                               "Shape label,Dream,Dream label,Weight,Temperature,Copulation,"
                               "Menstruus\r\n"));
            break;
        }
    }

    // text is null when the entry's text could not be read.
    void Entry(const EntryHeader& entry, const QTextDocument* text)
    {
        if (m_format == ExportFormat::Csv) {
            Row(entry);
            return;
        }
        const QString heading = EntryLine(entry.time);
        const QStringList lines = ObservationLines(entry, m_labels);
        QString section;
        switch (m_format) {
        case ExportFormat::Markdown:
            section = QStringLiteral("\n## ") + heading + QStringLiteral("\n\n") +
                      MarkdownLine(lines[0]) + QStringLiteral("\\\n") + MarkdownLine(lines[1]) +
                      QStringLiteral("\n\n") +
                      (text != nullptr ? MarkdownOf(*text) : MarkdownLine(kUnreadable));
            break;
        case ExportFormat::Html:
            section = QStringLiteral("<section>\n<h2>") + heading.toHtmlEscaped() +
                      QStringLiteral("</h2>\n<p class=\"observations\">") +
                      lines[0].toHtmlEscaped() + QStringLiteral("<br>\n") +
                      lines[1].toHtmlEscaped() + QStringLiteral("</p>\n") +
                      (text != nullptr ? HtmlBody(text->toHtml())
                                       : QStringLiteral("<p>") + kUnreadable.toHtmlEscaped() +
                                             QStringLiteral("</p>")) +
                      QStringLiteral("\n</section>");
            break;
        default:
            section = QStringLiteral("\n\n") + heading + QLatin1Char('\n') + lines.join('\n') +
                      QStringLiteral("\n\n") +
                      (text != nullptr ? CExportPictures::PlainText(*text) : kUnreadable);
            break;
        }
        if (!section.endsWith(QLatin1Char('\n'))) {
            section += QLatin1Char('\n');
        }
        Put(section);
    }

    void End()
    {
        if (m_format == ExportFormat::Html) {
            Put(QStringLiteral("</body>\n</html>\n"));
        }
    }

private:
    void Row(const EntryHeader& entry)
    {
        const auto rating = [this](RatingScale scale, int value) {
            return QString::number(value) + QLatin1Char(',') +
                   CsvField(LabelFor(m_labels, scale, value));
        };
        const QString row = QString::fromStdString(FormatTime("%Y-%m-%dT%H:%M:%S", entry.time)) +
                            QLatin1Char(',') + rating(RatingScale::Mood, entry.mood) +
                            QLatin1Char(',') + rating(RatingScale::Fatigue, entry.fatigue) +
                            QLatin1Char(',') + rating(RatingScale::Shape, entry.shape) +
                            QLatin1Char(',') + rating(RatingScale::Dream, entry.dream) +
                            QLatin1Char(',') + QString::number(entry.weight) + QLatin1Char(',') +
                            Temperature(entry.temperature) + QLatin1Char(',') +
                            QLatin1Char(entry.copulation != 0 ? '1' : '0') + QLatin1Char(',') +
                            QLatin1Char(entry.menstruus != 0 ? '1' : '0') + QStringLiteral("\r\n");
        Put(row);
    }

    void Put(const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        m_out.Write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }

    ExportFormat m_format;
    const RatingLabels& m_labels;
    CAtomicFile& m_out; // a failure sticks to it and is seen at Commit()
};

// The first and last second of the range in local time.
std::pair<int64_t, int64_t> Bounds(const ExportRange& range)
{
    int64_t first = std::numeric_limits<int64_t>::min();
    int64_t last = std::numeric_limits<int64_t>::max();
    if (range.from.isValid()) {
        first = range.from.startOfDay().toSecsSinceEpoch();
    }
    if (range.to.isValid()) {
        last = range.to.addDays(1).startOfDay().toSecsSinceEpoch() - 1;
    }
    return {first, last};
}

ExportOutcome Outcome(ExportOutcome::Status status, const QString& message, int entries = 0)
{
    ExportOutcome outcome;
    outcome.status = status;
    outcome.message = message;
    outcome.entries = entries;
    return outcome;
}

} // namespace

std::optional<ExportFormat> CDiaryExporter::FormatForPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("md") || suffix == QLatin1String("markdown")) {
        return ExportFormat::Markdown;
    }
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) {
        return ExportFormat::Html;
    }
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("text")) {
        return ExportFormat::PlainText;
    }
    if (suffix == QLatin1String("csv")) {
        return ExportFormat::Csv;
    }
    return std::nullopt;
}

ExportOutcome CDiaryExporter::Export(const CDiarySession& session, const RatingLabels& labels,
                                     const QString& path, ExportFormat format,
                                     const ExportRange& range, const Progress& progress)
{
    using Status = ExportOutcome::Status;
    const QString nothing = tr(" Nothing was exported.");
    CAtomicFile out(QFile::encodeName(path).toStdString(), CAtomicFile::TempName::Unique);
    try {
        // The diary's files stay open (and locked) for the whole export, so
        // every entry comes from the same state of the diary.
        const std::unique_ptr<CDiaryStore> store = session.MakeStore();
        if (!store->OpenEntryFiles()) {
            return Outcome(Status::Failed, tr("The diary could not be read.") + nothing);
        }
        struct Closer
        {
            CDiaryStore& store;
            ~Closer() { store.CloseEntryFiles(); }
        } closer{*store};

        std::vector<EntryHeader> headers;
        if (!store->ReadAllEntryHeaders(headers)) {
            return Outcome(Status::Failed, tr("The diary could not be read.") + nothing);
        }
        const auto [first, last] = Bounds(range);
        std::vector<uint32_t> chosen;
        for (uint32_t i = 0; i < headers.size(); ++i) {
            if (headers[i].time >= first && headers[i].time <= last) {
                chosen.push_back(i);
            }
        }
        // The diary keeps its entries in time order; a file damaged out of
        // order still exports in date order.
        std::stable_sort(chosen.begin(), chosen.end(), [&headers](uint32_t a, uint32_t b) {
            return headers[a].time < headers[b].time;
        });

        const int total = static_cast<int>(chosen.size());
        const auto cancelled = [&](int done) { return progress && !progress(done, total); };
        const QString cancelMessage = tr("The export was cancelled; no file was written.");

        if (const FileResult opened = out.Open(); !opened.ok()) {
            return Outcome(Status::Failed, QString::fromLocal8Bit(opened.Message()) + nothing);
        }
        CExportPictures pictures(path);
        CDocumentWriter writer(format, labels, out);
        writer.Begin(QString::fromLocal8Bit(session.Name().Title()));
        for (int done = 0; done < total; ++done) {
            if (cancelled(done)) {
                out.Discard();
                return Outcome(Status::Cancelled, cancelMessage);
            }
            const uint32_t index = chosen[static_cast<size_t>(done)];
            if (!writer.NeedsText()) {
                writer.Entry(headers[index], nullptr);
                continue;
            }
            store->current_index = index;
            if (!store->ReadEntry()) {
                writer.Entry(headers[index], nullptr);
                continue;
            }
            QTextDocument document;
            RtfToDocument(store->entry.text, document);
            if (format == ExportFormat::Html) {
                CExportPictures::InlinePictures(document);
            } else if (format == ExportFormat::Markdown) {
                pictures.SavePictures(document, store->entry.time);
            }
            writer.Entry(HeaderOf(store->entry), &document);
        }
        writer.End();
        if (cancelled(total)) {
            out.Discard();
            return Outcome(Status::Cancelled, cancelMessage);
        }
        if (const FileResult written = out.Commit(); !written.ok()) {
            return Outcome(Status::Failed, QString::fromLocal8Bit(written.Message()) + nothing);
        }
        pictures.Keep();
        return Outcome(Status::Written, QString(), total);
    } catch (const CFileError& error) {
        out.Discard();
        return Outcome(Status::Failed, QString::fromLocal8Bit(error.what()) + nothing);
    }
}
