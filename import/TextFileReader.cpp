#include "import/TextFileReader.h"

#include "import/ForeignTime.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace {

// The date of a heading line ("## 2023-11-14 20:00"), nullopt for any other
// line.
std::optional<int64_t> DatedHeading(QStringView line)
{
    if (!line.startsWith(QLatin1Char('#'))) {
        return std::nullopt;
    }
    static const QRegularExpression heading(QStringLiteral(R"(^#{1,6}[ \t]+(.*?)[ \t#]*$)"));
    const QRegularExpressionMatch match = heading.match(line);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return ParseDateHeading(match.capturedView(1));
}

bool IsBlank(QStringView line)
{
    return line.trimmed().isEmpty();
}

} // namespace

bool CTextFileReader::IsMarkdownName(const QString& fileName)
{
    return fileName.endsWith(QStringLiteral(".md"), Qt::CaseInsensitive) ||
           fileName.endsWith(QStringLiteral(".markdown"), Qt::CaseInsensitive);
}

bool CTextFileReader::IsTextName(const QString& fileName)
{
    return IsMarkdownName(fileName) ||
           fileName.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive);
}

void CTextFileReader::Read(const QByteArray& bytes, const QString& fileName, bool markdown,
                           int64_t modified, ForeignBatch& batch)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar(0))) {
        batch.problems.push_back({fileName, QString(), tr("it is not UTF-8 text")});
        return;
    }
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));

    // Where each entry starts: the line after its heading (or the first
    // line), the heading's line number for messages and its time.
    struct Start
    {
        qsizetype line;
        qsizetype headingLine; // -1: no heading
        std::optional<int64_t> time;
    };
    std::vector<Start> starts;
    std::optional<int64_t> fileTime;
    if (const std::optional<QDate> date = DateOfFileName(fileName)) {
        fileTime = LocalSeconds(*date, QTime(12, 0));
    }
    starts.push_back({0, -1, fileTime.value_or(modified)});
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const std::optional<int64_t> time = DatedHeading(lines[i])) {
            starts.push_back({i + 1, i, time});
        }
    }

    // Text above the first dated heading (a title, a note) goes with the
    // first dated entry, heading and all.
    if (starts.size() > 1) {
        const bool blank = std::all_of(lines.begin(), lines.begin() + starts[1].line - 1, IsBlank);
        starts.erase(starts.begin());
        if (!blank) {
            starts.front().line = 0;
        }
    }

    for (size_t s = 0; s < starts.size(); ++s) {
        const qsizetype end = s + 1 < starts.size() ? starts[s + 1].line - 1 : lines.size();
        qsizetype first = starts[s].line;
        qsizetype last = end;
        while (first < last && IsBlank(lines[first])) {
            ++first;
        }
        while (last > first && IsBlank(lines[last - 1])) {
            --last;
        }
        if (first == last) {
            continue; // nothing under the heading (or no text before the first)
        }
        const qsizetype lineNumber =
            (starts[s].headingLine >= 0 ? starts[s].headingLine : first) + 1;
        const QString place = tr("line %1").arg(lineNumber);
        const qsizetype from = lines[first].data() - text.constData();
        const qsizetype to = lines[last - 1].data() + lines[last - 1].size() - text.constData();
        if (to - from > kMaxEntryCharacters) {
            batch.problems.push_back(
                {fileName, place,
                 tr("its text is longer than %1 characters").arg(kMaxEntryCharacters)});
            continue;
        }
        ForeignEntry entry;
        entry.time = *starts[s].time;
        entry.body = text.mid(from, to - from);
        entry.markdown = markdown;
        entry.where = fileName + QStringLiteral(", ") + place;
        batch.entries.push_back(std::move(entry));
    }
}
