// Prints entries to PDF files on A4 paper and reads them back with Poppler;
// printer failures come from a print job whose steps can be made to fail.

#include "print/EntryPrinter.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"
#include "platform/Settings.h"
#include "print/PrintJob.h"
#include "store/DiaryConversion.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "tests/support/TestDiary.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::string LongRtf(int paragraphs)
{
    std::string body;
    for (int i = 1; i <= paragraphs; ++i) {
        body += "Paragraph " + std::to_string(i) + " of a long day.\\par ";
    }
    return Rtf(body);
}

QString Poppler(const QString& tool, QStringList arguments, int page = 0)
{
    if (page > 0) {
        arguments =
            QStringList{"-f", QString::number(page), "-l", QString::number(page)} + arguments;
    }
    QProcess process;
    process.start(tool, arguments << (tool == "pdftotext" ? QStringList{"-"} : QStringList{}));
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Content-stream order keeps each header line whole.
QString Text(const QString& pdf, int page = 0)
{
    return Poppler("pdftotext", {"-raw", pdf}, page);
}

// Readable and writable by the owner alone.
constexpr QFile::Permissions kPrivate =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

QString Info(const QString& pdf, const QString& field)
{
    const QRegularExpression line("^" + field + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return line.match(Poppler("pdfinfo", {pdf})).captured(1).trimmed();
}

// Each word's box on a page, in points from the page's top-left corner.
struct Word
{
    double x, y, bottom;
    QString text;
};
std::vector<Word> Words(const QString& pdf, int page)
{
    static const QRegularExpression box("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                                        "xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    std::vector<Word> words;
    for (auto it = box.globalMatch(Poppler("pdftotext", {"-bbox", pdf}, page)); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4)});
    }
    return words;
}

// A job whose failAt-th call of the step named `step` fails.
class CFaultyJob : public CPrintJob
{
public:
    CFaultyJob(QPrinter& printer, std::string_view step, int failAt)
        : CPrintJob(printer), m_step(step), m_failAt(failAt)
    {
    }

    bool Start(const QString& name) override { return m_step != "Start" && CPrintJob::Start(name); }
    Metrics ReadMetrics() const override
    {
        Metrics metrics = CPrintJob::ReadMetrics();
        metrics.dpiY = m_step == "ReadMetrics" ? 0 : metrics.dpiY;
        return metrics;
    }
    bool StartPage() override { return Pass("StartPage", starts) && CPrintJob::StartPage(); }
    bool EndPage() override { return Pass("EndPage", endPages) && CPrintJob::EndPage(); }
    bool End() override { return CPrintJob::End() && Pass("End", ends); }

    int starts = 0, endPages = 0, ends = 0;

private:
    bool Pass(std::string_view step, int& count)
    {
        return !(++count == m_failAt && m_step == step);
    }
    std::string_view m_step;
    int m_failAt;
};

class EntryPrinterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdfimages").isEmpty()) {
            GTEST_SKIP() << "needs poppler-utils";
        }
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        // Dates stay English and numbers keep their point under German.
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }

    // fatigue -1, shape -2, dream 1
    void Add(int64_t time, const std::string& rtf, int mood = 0, int copulation = 0,
             int menstruus = 0, float temperature = 0.0f, int weight = 0)
    {
        WriteDiary(m_dir.filePath("travel.ilm"),
                   {{time, rtf, mood, -1, -2, 1, copulation, menstruus, temperature, weight}},
                   "Secret1");
    }
    QString Pdf(const QString& name) const { return m_dir.filePath(name); }
    std::vector<QString> Messages() const
    {
        std::vector<QString> texts;
        for (const CMessageBox::Shown& shown : CMessageBox::History()) {
            EXPECT_EQ(shown.caption, shown.buttons == CMessageBox::Buttons::Ok
                                         ? CAppInfo::Title()
                                         : QString("Print all entries - Dayloom v2.21"));
            texts.push_back(shown.text);
        }
        return texts;
    }

    QTemporaryDir m_dir;
    CDiaryName m_name = NameOf(m_dir.filePath("travel.ilm"));
    CDiarySession m_diary{m_name};
};

TEST_F(EntryPrinterTest, HeaderThenTextFlowingOverPagesInsideOneInchMargins)
{
    Add(LocalTime(2002, 12, 6, 14, 3, 55), LongRtf(200), 2, 1, 0, 36.6f, 72);
    CSettings::WriteProfileString("MoodPTwo", "Sunny"); // a relabelled mood
    CPrintDialog::PushAnswer(Pdf("long.pdf"));

    CEntryPrinter::PrintCurrentEntry(nullptr, m_diary, 0);

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Info(Pdf("long.pdf"), "Title"), "Dayloom");
    EXPECT_TRUE(Text(Pdf("long.pdf"), 1)
                    .startsWith("Entry dated: 06 - December - 2002, Friday, at 14:03:55\n"
                                "Entry mood: Sunny, fatigue: Tired, shape: Sick\n"
                                "dream: Amusing, copulation: YES, menstruus: NO, weight: 72, "
                                "temperature: 36.6\n"
                                "--- conventions used:\n"
                                "MOODS: -3=Depressed, -2=Sad, -1=Not Good, 0=Neutral, +1=Good, "
                                "+2=Sunny, +3=Excellent\n"
                                "FATIGUES: -2=Exhausted, -1=Tired, 0=Normal; SHAPES: -3=Very "
                                "Sick, -2=Sick, -1=Not Well, 0=Healthy\n"
                                "DREAMS: -2=Nightmare, -1=Strange, 0=Neutral, +1=Amusing, +2=Fun\n"
                                "--------------------------\n"
                                "Paragraph 1 of a long day.\n"));

    // Printed at 1200 dpi, the dream line and "--- conventions used:" were
    // drawn over each other, and the text began inches below the legend.
    std::vector<Word> lineStarts; // the first word of each printed line
    for (const Word& word : Words(Pdf("long.pdf"), 1)) {
        if (lineStarts.empty() || word.y > lineStarts.back().bottom - 1.0) {
            lineStarts.push_back(word);
        } else {
            EXPECT_NEAR(word.y, lineStarts.back().y, 1.0)
                << word.text.toStdString() << " overlaps " << lineStarts.back().text.toStdString();
        }
    }
    ASSERT_GT(lineStarts.size(), 9u);
    EXPECT_EQ(lineStarts[3].text, "---");
    EXPECT_EQ(lineStarts[8].text, "Paragraph");
    EXPECT_LT(lineStarts[8].y - lineStarts[7].bottom, 72.0);
    // 300 units per inch: the first header line's top-left is at (361, 366)
    // units, which is (86.64, 87.84) points; glyphs start a little lower.
    EXPECT_NEAR(lineStarts[0].x, 86.64, 1.0);
    EXPECT_NEAR(lineStarts[0].y, 87.84 + 2, 2.0);

    // A4 (8.27 x 11.69 inches) counts as 8 x 11: text from 1 to 7 inches
    // across and down to 10 inches, from 1 inch on every page but the first.
    const int pages = Info(Pdf("long.pdf"), "Pages").toInt();
    EXPECT_GE(pages, 4);
    QString all;
    for (int page = 1; page <= pages; ++page) {
        all += Text(Pdf("long.pdf"), page);
        const std::vector<Word> words = Words(Pdf("long.pdf"), page);
        const auto body = std::find_if(words.begin(), words.end(),
                                       [](const Word& w) { return w.text == "Paragraph"; });
        ASSERT_NE(body, words.end());
        EXPECT_NEAR(body->x, 72.0, 1.0);
        if (page > 1) {
            EXPECT_NEAR(body->y, 72.0 + 3, 3.0) << "page " << page;
        }
        for (const Word& word : words) {
            EXPECT_LE(word.bottom, 720.5) << "page " << page;
        }
    }
    // Every paragraph once, in order.
    for (int i = 1, from = 0; i <= 200; ++i) {
        const QString paragraph = QString("Paragraph %1 of a long day.").arg(i);
        const int at = all.indexOf(paragraph, from);
        ASSERT_GE(at, from) << i;
        EXPECT_EQ(all.indexOf(paragraph, at + 1), -1) << i << " printed twice";
        from = at;
    }
}

TEST_F(EntryPrinterTest, PrintAllIsOneJobAndOneFilePerEntryAndGoesOnAfterAFailure)
{
    Add(LocalTime(2002, 12, 7, 9), Rtf("Third day."));
    Add(LocalTime(2002, 12, 5, 9), Rtf("First day."));
    Add(LocalTime(2002, 12, 6, 9), LongRtf(120));
    Add(LocalTime(2002, 12, 8, 9), Rtf("Fourth day."), 0, 0, 1, 37.0f);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("all-003.pdf")); // not writable as a file
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    CPrintDialog::PushAnswer(Pdf("all.pdf"));

    CEntryPrinter::PrintAllEntries(nullptr, m_diary, 4);

    EXPECT_EQ(Messages(), (std::vector<QString>{"Are you sure you wish to print all entries?",
                                                "Could not start printing!"}));
    EXPECT_EQ(CPrintDialog::Shown(), 1);
    EXPECT_FALSE(QFile::exists(Pdf("all.pdf")));
    // Numbered so that they sort in entry order, and private to their owner.
    EXPECT_EQ(QDir(m_dir.path()).entryList({"*.pdf"}, QDir::Files, QDir::Name),
              (QStringList{"all-001.pdf", "all-002.pdf", "all-004.pdf"}));
    EXPECT_TRUE(Text(Pdf("all-001.pdf")).contains("05 - December - 2002, Thursday"));
    EXPECT_TRUE(Text(Pdf("all-001.pdf")).contains("First day."));
    EXPECT_TRUE(Text(Pdf("all-002.pdf")).contains("Paragraph 120 of a long day."));
    EXPECT_GE(Info(Pdf("all-002.pdf"), "Pages").toInt(), 2);
    EXPECT_TRUE(Text(Pdf("all-004.pdf")).contains("menstruus: YES, weight: 0, temperature: 37.0"));
    EXPECT_TRUE(Text(Pdf("all-004.pdf")).contains("Fourth day."));
    EXPECT_EQ(Info(Pdf("all-004.pdf"), "Pages"), "1");
    EXPECT_EQ(Info(Pdf("all-004.pdf"), "Title"), "Dayloom");
    EXPECT_EQ(QFile::permissions(Pdf("all-004.pdf")), kPrivate);
}

TEST_F(EntryPrinterTest, AnEncryptedDiaryWarnsBeforeAPdfAndThePdfIsPrivate)
{
    Add(LocalTime(2002, 12, 5, 9), Rtf("First day."));
    const std::string path = QFile::encodeName(m_dir.filePath("travel.dayloom")).toStdString();
    ASSERT_TRUE(
        CDiaryConversion::Encrypt(m_name, path, "a long passphrase", KdfParams::Cheapest()).ok());
    CDiarySession diary{CDiaryName(path)};
    ASSERT_TRUE(diary.Unlock("a long passphrase"));

    CMessageBox::ClearHistory();
    CPrintDialog::PushAnswer(Pdf("entry.pdf"));
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    CEntryPrinter::PrintCurrentEntry(nullptr, diary, 0);
    EXPECT_FALSE(QFile::exists(Pdf("entry.pdf")));
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text,
              "The PDF file is not encrypted: anyone who can read it can read these entries. "
              "Print to it anyway?");

    // A file of that name already there is made private before the entry
    // goes into it.
    QFile old(Pdf("entry.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    old.setPermissions(kPrivate | QFile::ReadGroup | QFile::ReadOther);
    CPrintDialog::PushAnswer(Pdf("entry.pdf"));
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    CEntryPrinter::PrintCurrentEntry(nullptr, diary, 0);
    EXPECT_TRUE(Text(Pdf("entry.pdf")).contains("First day."));
    EXPECT_EQ(QFile::permissions(Pdf("entry.pdf")), kPrivate);
}

TEST_F(EntryPrinterTest, NoCancelAnEmptyListOrNoSelectionPrintNothing)
{
    CEntryPrinter::PrintCurrentEntry(nullptr, m_diary, -1); // no files
    {
        CDiaryStore(0, m_name).OpenEntryFiles();
    } // empty files
    CEntryPrinter::PrintCurrentEntry(nullptr, m_diary, 0);
    CEntryPrinter::PrintAllEntries(nullptr, m_diary, 0);
    EXPECT_TRUE(Messages().empty());

    Add(LocalTime(2002, 12, 5, 9), Rtf("First day."));
    CEntryPrinter::PrintCurrentEntry(nullptr, m_diary, -1);
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    CEntryPrinter::PrintAllEntries(nullptr, m_diary, 1);
    EXPECT_EQ(CPrintDialog::Shown(), 0);
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    CPrintDialog::PushAnswer(std::nullopt);
    CEntryPrinter::PrintAllEntries(nullptr, m_diary, 1);
    CPrintDialog::PushAnswer(std::nullopt);
    CEntryPrinter::PrintCurrentEntry(nullptr, m_diary, 0);

    EXPECT_EQ(CPrintDialog::Shown(), 2);
    EXPECT_EQ(Messages(),
              (std::vector<QString>{"You must have an entry selected in order to print it!",
                                    "Are you sure you wish to print all entries?",
                                    "Are you sure you wish to print all entries?"}));
    EXPECT_TRUE(QDir(m_dir.path()).entryList({"*.pdf"}).isEmpty());
}

TEST_F(EntryPrinterTest, EveryPrinterFailureIsReportedAndTheJobEnded)
{
    Add(LocalTime(2002, 12, 5, 9), LongRtf(200));
    const struct
    {
        const char* step;
        int failAt;
        const char* message;
        const char* pages; // of the PDF; "" when not checked
        int endPages, ends;
    } cases[] = {
        {"Start", 1, "Could not start printing!", "", 0, 0},
        {"ReadMetrics", 1, "Could not acquire proper printer settings!", "", 0, 0},
        {"StartPage", 2, "Error starting new page!", "1", 1, 1},
        {"EndPage", 2, "Error in dcPrinter.EndPage()", "2", 2, 1},
        {"End", 1, "Error during printing!", "", 5, 1},
        {"", 0, nullptr, "5", 5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        CMessageBox::ClearHistory();
        const QString pdf = Pdf(QString("fault-%1.pdf").arg(c.step));
        QPrinter printer(QPrinter::HighResolution);
        CPrintDialog::PushAnswer(pdf);
        ASSERT_TRUE(CPrintDialog::Exec(nullptr, printer));
        CFaultyJob job(printer, c.step, c.failAt);

        EXPECT_EQ(CEntryPrinter::PrintEntry(nullptr, job, m_diary, 0), c.message == nullptr);

        EXPECT_EQ(Messages(), c.message ? std::vector<QString>{c.message} : std::vector<QString>{});
        EXPECT_EQ(job.endPages, c.endPages);
        EXPECT_EQ(job.ends, c.ends);
        if (*c.pages != '\0') {
            EXPECT_EQ(Info(pdf, "Pages"), c.pages);
        }
    }

    // A record whose text lies beyond the data file's end is not printed.
    CMessageBox::ClearHistory();
    QFile data(m_dir.filePath("travel.dlm"));
    ASSERT_TRUE(data.resize(2));
    CPrintDialog::PushAnswer(Pdf("damaged.pdf"));
    CEntryPrinter::PrintCurrentEntry(nullptr, m_diary, 0);
    EXPECT_EQ(Messages(), std::vector<QString>{"The entry could not be read from the diary, so "
                                               "it was not printed."});
    EXPECT_FALSE(QFile::exists(Pdf("damaged.pdf")));
}

TEST_F(EntryPrinterTest, PicturesArePrintedAtMostAsWideAsTheTextAndOthersAsAPlaceholder)
{
    QImage image(3000, 200, QImage::Format_RGB32); // wider than any page
    image.fill(qRgb(30, 120, 200));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    Add(LocalTime(2024, 5, 1, 9),
        "{\\rtf1\\ansi Wide:\\par {\\pict\\pngblip\\picw3000\\pich200 " +
            png.toHex().toStdString() +
            "}\\par and {\\pict\\wmetafile8\\picw100\\pich50 0102} kept.\\par}");
    CPrintDialog::PushAnswer(Pdf("picture.pdf"));

    CEntryPrinter::PrintCurrentEntry(nullptr, m_diary, 0);

    EXPECT_TRUE(Messages().empty());
    // pdfimages lists each image's width, height and pixels per inch: 3000
    // pixels across the text's width of at most 6.5 inches.
    QStringList images;
    for (const QString& line : Poppler("pdfimages", {"-list", Pdf("picture.pdf")}).split('\n')) {
        const QStringList fields = line.simplified().split(' ');
        if (fields.size() > 12 && fields[2] == "image") {
            images << fields[3] + "x" + fields[4];
            EXPECT_GE(fields[12].toInt(), 3000 / 7);
        }
    }
    EXPECT_EQ(images, QStringList{"3000x200"});
    const QString text = Text(Pdf("picture.pdf"));
    EXPECT_TRUE(text.simplified().contains("and [picture] kept.")) << text.toStdString();
}

} // namespace
