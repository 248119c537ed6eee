// The travel diary exported: CSV and text byte by byte, Markdown and HTML by marks, failures.

#include "export/DiaryExporter.h"

#include "rtf/PictureImport.h"
#include "tests/export/ExportTestSupport.h"
#include "tests/support/InterfaceLanguage.h"

#include <QFile>
#include <QImage>
#include <cerrno>
#include <vector>

namespace {

using Status = ExportOutcome::Status;

class DiaryExporterTest : public TravelDiaryTest
{
protected:
    void SetUp() override
    {
        TravelDiaryTest::SetUp();
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

    RatingLabels m_labels;
};

TEST_F(DiaryExporterTest, CsvQuotesWhereNeededAndPlainTextHoldsTheEntryLineObservationsAndText)
{
    const ExportOutcome all = Export("moods.csv");
    ASSERT_EQ(all.status, Status::Written) << all.message.toStdString();
    EXPECT_EQ(all.entries, 4);
    EXPECT_EQ(
        ReadBytes(PathOf("moods.csv")),
        "Date and time,Mood,Mood label,Fatigue,Fatigue label,Shape,Shape label,Dream,Dream label,"
        "Weight,Temperature,Copulation,Menstruus\r\n"
        "2024-02-29T12:00:00,0,Neutral,0,Normal,0,Healthy,0,Neutral,0,0.0,0,0\r\n"
        "2024-03-01T08:00:00,-3,Très bas €,-2,Exhausted,-3,Very Sick,-2,Nightmare,70,36.6,1,0\r\n"
        "2024-03-02T23:59:59,3,\"Top, \"\"really\"\"\",0,Normal,0,Healthy,2,<Fun> & *more*,0,"
        "37.0,0,1\r\n"
        "2024-03-03T00:00:00,1,Good,-1,Tired,-1,Not Well,1,Amusing,0,0.0,0,0\r\n");

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

TEST_F(DiaryExporterTest, CancelledOrFailedExportLeavesNoFileAndPicturesGoInlineBesideOrAsWords)
{
    Put(PathOf("old.md"), "the export before");
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

    // The extension chooses the format; a folder that is not there fails.
    EXPECT_EQ(CDiaryExporter::FormatForPath("/a/b.MD"), ExportFormat::Markdown);
    EXPECT_EQ(CDiaryExporter::FormatForPath("b.htm"), ExportFormat::Html);
    const ExportOutcome missing = Export("gone/diary.txt");
    EXPECT_EQ(missing.status, Status::Failed);
    EXPECT_EQ(missing.message.toStdString(),
              Encoded(PathOf("gone/diary.txt")) + " was not found. Nothing was exported.");

    // A failing write (every step is in the store's table): the old file stays.
    CFileFaults::Install([](FileOp op, const std::string& path) {
        return op == FileOp::Write && path.find("old.md") != std::string::npos ? ENOSPC : 0;
    });
    const ExportOutcome failed = Export("old.md");
    EXPECT_EQ(failed.status, Status::Failed);
    EXPECT_EQ(failed.message.toStdString(),
              "Disk full while accessing " + Encoded(PathOf("old.md")) + ". Nothing was exported.");
    EXPECT_EQ(ReadBytes(PathOf("old.md")), "the export before");

    // Pictures: inline in HTML, in files beside Markdown, words in plain text.
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(qRgb(20, 140, 60));
    const QByteArray png = PictureImport::FromImage(image).picture.data;
    const std::string rtf = "{\\rtf1\\ansi Seen: {\\pict\\pngblip\\picw6\\pich4 " +
                            png.toHex().toStdString() + "} and {\\pict\\wmetafile8 0102}.\\par}";
    WriteDiary(PathOf("photos.ilm"), {{LocalTime(2024, 3, 1, 8), rtf}}, "secret");
    m_session = std::make_unique<CDiarySession>(NameOf(PathOf("photos.ilm")));

    ASSERT_EQ(Export("photos.html").status, Status::Written);
    const QString html = QString::fromStdString(ReadBytes(PathOf("photos.html")));
    EXPECT_TRUE(html.contains("<img src=\"data:image/png;base64," + png.toBase64() + "\""))
        << html.toStdString();
    EXPECT_EQ(html.count("[picture]"), 1);
    EXPECT_FALSE(html.contains("dayloom-picture:"));

    ASSERT_EQ(Export("photos.md").status, Status::Written);
    const QString md = QString::fromStdString(ReadBytes(PathOf("photos.md")));
    EXPECT_TRUE(md.contains("Seen: ![picture](photos-pictures/2024-03-01-080000-1.png) and "
                            "\\[picture\\]."))
        << md.toStdString();
    const QString file = PathOf("photos-pictures/2024-03-01-080000-1.png");
    EXPECT_EQ(ReadBytes(file), png.toStdString());
    EXPECT_EQ(QFile::permissions(file) & 0x0077, QFileDevice::Permissions());

    ASSERT_EQ(Export("photos.txt").status, Status::Written);
    EXPECT_NE(ReadBytes(PathOf("photos.txt")).find("Seen: [picture] and [picture]."),
              std::string::npos);

    // A cancelled export leaves no pictures behind either.
    EXPECT_EQ(Export("gone.md", {}, [](int done, int) { return done < 1; }).status,
              Status::Cancelled);
    EXPECT_FALSE(QFile::exists(PathOf("gone-pictures")));
    EXPECT_FALSE(QFile::exists(PathOf("gone.md")));
}

} // namespace
