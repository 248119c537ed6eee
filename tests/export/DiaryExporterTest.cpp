// Exports a small diary with formatting, non-ASCII text and every
// observation value: CSV read back with an RFC 4180 reader field by field,
// plain text byte by byte, Markdown and HTML for their texts and marks; the
// ends of a date range; and cancelled or failing writes that must leave no
// file behind.

#include "export/DiaryExporter.h"

#include "rtf/PictureImport.h"
#include "store/DiarySession.h"
#include "tests/export/ExportTestSupport.h"
#include "tests/support/InterfaceLanguage.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <cerrno>
#include <vector>

namespace {

using Status = ExportOutcome::Status;

// The rows of a CSV file as Python's csv module reads them, in strict mode;
// every record must end in CRLF.
std::vector<std::vector<std::string>> ParseCsv(const QString& path)
{
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(QByteArray::fromStdString(bytes).count("\r\n"),
              QByteArray::fromStdString(bytes).count('\n'));
    QProcess python;
    python.start("python3", {"-c",
                             "import csv, json, sys\n"
                             "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                             "    print(json.dumps(list(csv.reader(f, strict=True))))",
                             path});
    python.waitForFinished();
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    std::vector<std::vector<std::string>> rows;
    for (const QJsonValue row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        rows.emplace_back();
        for (const QJsonValue field : row.toArray())
            rows.back().push_back(field.toString().toStdString());
    }
    return rows;
}

const std::string kFormatted =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}\\f0\\fs24 Plain {\\b bold} {\\i italic} {\\ul under} "
    "\\cf1 red\\cf0  {\\fs40 big} caf\\'e9 \\u8364? \\u1055?\\u1088?\\u1080?\\u1074?\\u1077?"
    "\\u1090?\\par\n}";

class DiaryExporterTest : public ExportFolderTest
{
protected:
    void SetUp() override
    {
        ExportFolderTest::SetUp();
        m_diary = PathOf("travel.ilm");
        WriteDiary(
            m_diary,
            {{LocalTime(2024, 2, 29, 12), Rtf("Leap day"), 0, 0, 0, 0, 0, 0, 0.0f, 0},
             {LocalTime(2024, 3, 1, 8), kFormatted, -3, -2, -3, -2, 1, 0, 36.6f, 70},
             {LocalTime(2024, 3, 2, 23, 59, 59), Rtf("Second day"), 3, 0, 0, 2, 0, 1, 37.0f, 0},
             {LocalTime(2024, 3, 3, 0), Rtf("Third day"), 1, -1, -1, 1, 0, 0, 0.0f, 0}},
            "secret");
        m_session = std::make_unique<CDiarySession>(NameOf(m_diary));
        m_labels = LoadRatingLabels(); // the defaults: the test settings are empty
        // Labels a spreadsheet and a page must take as they are.
        m_labels.mood[6] = QStringLiteral("Top, \"really\"");
        m_labels.mood[0] = QStringLiteral("Très bas €");
        m_labels.dream[4] = QStringLiteral("<Fun> & *more*");
    }

    ExportOutcome Export(const QString& name, const ExportRange& range = {},
                         const CDiaryExporter::Progress& progress = {})
    {
        const QString path = PathOf(name);
        return CDiaryExporter::Export(*m_session, m_labels, path,
                                      *CDiaryExporter::FormatForPath(path), range, progress);
    }

    QString m_diary;
    std::unique_ptr<CDiarySession> m_session;
    RatingLabels m_labels;
};

TEST_F(DiaryExporterTest, CsvHoldsEveryObservationFieldByFieldAndARangeIncludesItsEnds)
{
    const ExportOutcome all = Export("moods.csv");
    ASSERT_EQ(all.status, Status::Written) << all.message.toStdString();
    EXPECT_EQ(all.entries, 4);
    const auto rows = ParseCsv(PathOf("moods.csv"));
    const std::vector<std::vector<std::string>> expected = {
        {"Date and time", "Mood", "Mood label", "Fatigue", "Fatigue label", "Shape", "Shape label",
         "Dream", "Dream label", "Weight", "Temperature", "Copulation", "Menstruus"},
        {"2024-02-29T12:00:00", "0", "Neutral", "0", "Normal", "0", "Healthy", "0", "Neutral", "0",
         "0.0", "0", "0"},
        {"2024-03-01T08:00:00", "-3", "Très bas €", "-2", "Exhausted", "-3", "Very Sick", "-2",
         "Nightmare", "70", "36.6", "1", "0"},
        {"2024-03-02T23:59:59", "3", "Top, \"really\"", "0", "Normal", "0", "Healthy", "2",
         "<Fun> & *more*", "0", "37.0", "0", "1"},
        {"2024-03-03T00:00:00", "1", "Good", "-1", "Tired", "-1", "Not Well", "1", "Amusing", "0",
         "0.0", "0", "0"},
    };
    EXPECT_EQ(rows, expected);

    // From the first second of the first day to the last second of the last.
    const ExportOutcome range = Export("range.csv", {QDate(2024, 3, 1), QDate(2024, 3, 2)});
    EXPECT_EQ(range.entries, 2);
    const auto ranged = ParseCsv(PathOf("range.csv"));
    ASSERT_EQ(ranged.size(), 3u);
    EXPECT_EQ(ranged[1], expected[2]);
    EXPECT_EQ(ranged[2], expected[3]);
}

TEST_F(DiaryExporterTest, PlainTextIsTheEntryLineTheObservationsAndTheText)
{
    // The file keeps its English dates whatever language the windows speak.
    const widgettest::InterfaceLanguage german("de");
    ASSERT_EQ(Export("day.txt", {QDate(2024, 3, 2), QDate(2024, 3, 2)}).status, Status::Written);
    EXPECT_EQ(
        ReadBytes(PathOf("day.txt")),
        "travel\n"
        "\n\n02 - Mar\t - 2024, Sat,\t at 23:59:59\n"
        "Entry mood: Top, \"really\", fatigue: Normal, shape: Healthy\n"
        "dream: <Fun> & *more*, copulation: NO, menstruus: YES, weight: 0, temperature: 37.0\n"
        "\n"
        "Second day\n");
}

TEST_F(DiaryExporterTest, MarkdownAndHtmlKeepTextFormattingAndDateOrder)
{
    const ExportRange march{QDate(2024, 3, 1), QDate()};
    ASSERT_EQ(Export("march.md", march).status, Status::Written);
    const QString md = QString::fromStdString(ReadBytes(PathOf("march.md")));
    EXPECT_TRUE(md.startsWith("# travel\n\n## 01 - Mar\t - 2024, Fri,\t at 08:00:00\n\n"));
    // A label is text, not markup.
    for (const char* part :
         {"Entry mood: Très bas €, fatigue: Exhausted, shape: Very Sick\\\n"
          "dream: Nightmare, copulation: YES, menstruus: NO, weight: 70, "
          "temperature: 36.6\n",
          "**bold**", "*italic*", "café € Привет", "dream: \\<Fun\\> \\& \\*more\\*"}) {
        EXPECT_TRUE(md.contains(QString::fromUtf8(part))) << part << "\n" << md.toStdString();
    }
    EXPECT_LT(md.indexOf("Second day"), md.indexOf("Third day"));
    EXPECT_FALSE(md.contains("Leap day"));

    ASSERT_EQ(Export("march.html", march).status, Status::Written);
    const QString html = QString::fromStdString(ReadBytes(PathOf("march.html")));
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">"));
    EXPECT_TRUE(html.endsWith("</body>\n</html>\n"));
    EXPECT_EQ(html.count("<body"), 1);
    EXPECT_EQ(html.count("<section>"), 3);
    for (const char* mark :
         {"<h2>01 - Mar\t - 2024, Fri,\t at 08:00:00</h2>", "Entry mood: Top, &quot;really&quot;",
          "dream: &lt;Fun&gt; &amp; *more*, copulation: NO", "font-weight:700;\">bold",
          "font-style:italic;\">italic", "text-decoration: underline;\">under",
          "color:#ff0000;\">red", "font-size:20pt;\">big", "café € Привет"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(mark))) << mark << "\n" << html.toStdString();
    }
    // Self-contained: nothing fetched from elsewhere.
    for (const char* outside : {"src=", "<link", "@import", "http"}) {
        EXPECT_FALSE(html.contains(outside)) << outside;
    }
}

TEST_F(DiaryExporterTest, PicturesGoInlineIntoHtmlIntoFilesBesideMarkdownAndAsWordsIntoText)
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(qRgb(20, 140, 60));
    const QByteArray png = PictureImport::FromImage(image).picture.data;
    const std::string rtf = "{\\rtf1\\ansi Seen: {\\pict\\pngblip\\picw6\\pich4 " +
                            png.toHex().toStdString() + "} and {\\pict\\wmetafile8 0102}.\\par}";
    const QString photos = PathOf("photos.ilm");
    WriteDiary(photos, {{LocalTime(2024, 3, 1, 8), rtf}}, "secret");
    const CDiarySession session(NameOf(photos));
    const auto exportTo = [&](const QString& name, const CDiaryExporter::Progress& progress = {}) {
        const QString path = PathOf(name);
        return CDiaryExporter::Export(session, m_labels, path, *CDiaryExporter::FormatForPath(path),
                                      {}, progress)
            .status;
    };

    ASSERT_EQ(exportTo("photos.html"), Status::Written);
    const QString html = QString::fromStdString(ReadBytes(PathOf("photos.html")));
    EXPECT_TRUE(html.contains("<img src=\"data:image/png;base64," + png.toBase64() + "\""))
        << html.toStdString();
    EXPECT_EQ(html.count("[picture]"), 1);
    EXPECT_FALSE(html.contains("dayloom-picture:"));

    ASSERT_EQ(exportTo("photos.md"), Status::Written);
    const QString md = QString::fromStdString(ReadBytes(PathOf("photos.md")));
    EXPECT_TRUE(md.contains("Seen: ![picture](photos-pictures/2024-03-01-080000-1.png) and "
                            "\\[picture\\]."))
        << md.toStdString();
    const QString file = PathOf("photos-pictures/2024-03-01-080000-1.png");
    EXPECT_EQ(ReadBytes(file), png.toStdString());
    EXPECT_EQ(QFile::permissions(file) & 0x0077, QFileDevice::Permissions());

    ASSERT_EQ(exportTo("photos.txt"), Status::Written);
    EXPECT_NE(ReadBytes(PathOf("photos.txt")).find("Seen: [picture] and [picture]."),
              std::string::npos);

    // A cancelled export leaves no pictures behind either.
    EXPECT_EQ(exportTo("gone.md", [](int done, int) { return done < 1; }), Status::Cancelled);
    EXPECT_FALSE(QFile::exists(PathOf("gone-pictures")));
    EXPECT_FALSE(QFile::exists(PathOf("gone.md")));
}

TEST_F(DiaryExporterTest, CancelledOrFailedExportLeavesNoFileAndSaysSo)
{
    WriteBytes(PathOf("old.md"), "the export before");
    std::vector<int> seen;
    const ExportOutcome cancelled = Export("old.md", {}, [&seen](int done, int total) {
        EXPECT_EQ(total, 4);
        seen.push_back(done);
        return done < 2;
    });
    EXPECT_EQ(cancelled.status, Status::Cancelled);
    EXPECT_EQ(cancelled.message, "The export was cancelled; no file was written.");
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ReadBytes(PathOf("old.md")), "the export before");

    // A failing write (the writer's every step is in the store's table):
    // the old file stays and the message names the file and the cause.
    {
        const FaultHook hook([](FileOp op, const std::string& path) {
            return op == FileOp::Write && path.find("old.md") != std::string::npos ? ENOSPC : 0;
        });
        const ExportOutcome failed = Export("old.md");
        EXPECT_EQ(failed.status, Status::Failed);
        EXPECT_EQ(failed.message.toStdString(), "Disk full while accessing " +
                                                    Encoded(PathOf("old.md")) +
                                                    ". Nothing was exported.");
        EXPECT_EQ(ReadBytes(PathOf("old.md")), "the export before");
    }

    // The extension chooses the format; a folder that is not there fails.
    EXPECT_EQ(CDiaryExporter::FormatForPath("/a/b.MD"), ExportFormat::Markdown);
    EXPECT_EQ(CDiaryExporter::FormatForPath("b.htm"), ExportFormat::Html);
    EXPECT_EQ(CDiaryExporter::FormatForPath("b.pdf"), std::nullopt);
    const QString nowhere = PathOf("gone/diary.txt");
    const ExportOutcome missing =
        CDiaryExporter::Export(*m_session, m_labels, nowhere, ExportFormat::PlainText);
    EXPECT_EQ(missing.status, Status::Failed);
    EXPECT_EQ(missing.message.toStdString(),
              Encoded(nowhere) + " was not found. Nothing was exported.");
}

} // namespace
