// Prints entries to PDF files on A4 paper (the scripted print dialog's
// printer) and reads them back with Poppler's pdftotext and pdfinfo: page
// counts, the header texts and their positions, the body text, one file per
// entry for Print all, and every failure message through a print job whose
// steps can be made to fail.

#include "print/EntryPrinter.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"
#include "platform/Settings.h"
#include "print/PrintJob.h"
#include "store/DiaryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>

namespace {

int64_t LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm broken{};
    broken.tm_year = year - 1900;
    broken.tm_mon = month - 1;
    broken.tm_mday = day;
    broken.tm_hour = hour;
    broken.tm_min = minute;
    broken.tm_sec = second;
    broken.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&broken));
}

std::string Rtf(const std::string& body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 " + body + "\\par\n}";
}

// As many paragraphs as it takes to fill several pages.
std::string LongRtf(int paragraphs)
{
    std::string body;
    for (int i = 1; i <= paragraphs; ++i) {
        body += "Paragraph " + std::to_string(i) + " of a long day.\\par ";
    }
    return Rtf(body);
}

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& file, int page = 0)
{
    // Content-stream order: the header lines stay whole.
    QStringList arguments{QStringLiteral("-raw")};
    if (page > 0) {
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    }
    arguments << file << QStringLiteral("-");
    return RunTool(QStringLiteral("pdftotext"), arguments);
}

QString PdfInfo(const QString& file, const QString& field)
{
    const QString info = RunTool(QStringLiteral("pdfinfo"), {file});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

int PageCount(const QString& file)
{
    return PdfInfo(file, QStringLiteral("Pages")).toInt();
}

// The box of the first word on a page, in points from the page's top-left.
struct WordBox
{
    double xMin = -1;
    double yMin = -1;
    QString word;
};

WordBox FirstWord(const QString& file, int page, const QString& word)
{
    const QString html =
        RunTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                 QStringLiteral("-l"), QString::number(page), file, QStringLiteral("-")});
    const QRegularExpression box(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                       "xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    auto it = box.globalMatch(html);
    while (it.hasNext()) {
        const auto match = it.next();
        if (word.isEmpty() || match.captured(3) == word) {
            return {match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3)};
        }
    }
    return {};
}

// A print job whose step number `failAt` of the kind `step` fails.
class CFaultyJob : public CPrintJob
{
public:
    enum class Step
    {
        None,
        Start,
        Metrics,
        StartPage,
        EndPage,
        End
    };

    CFaultyJob(QPrinter& printer, Step step, int failAt = 1)
        : CPrintJob(printer), m_step(step), m_failAt(failAt)
    {
    }

    bool Start(const QString& name) override
    {
        return m_step != Step::Start && CPrintJob::Start(name);
    }
    Metrics ReadMetrics() const override
    {
        Metrics metrics = CPrintJob::ReadMetrics();
        if (m_step == Step::Metrics) {
            metrics.dpiY = 0;
        }
        return metrics;
    }
    bool StartPage() override
    {
        return Counted(Step::StartPage, m_startPages) && CPrintJob::StartPage();
    }
    bool EndPage() override { return Counted(Step::EndPage, m_endPages) && CPrintJob::EndPage(); }
    bool End() override
    {
        ++m_ends;
        return CPrintJob::End() && m_step != Step::End;
    }

    int m_startPages = 0;
    int m_endPages = 0;
    int m_ends = 0;

private:
    bool Counted(Step step, int& count)
    {
        ++count;
        return !(m_step == step && count == m_failAt);
    }

    Step m_step;
    int m_failAt;
};

class EntryPrinterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        // Dates stay English and numbers keep their point under German.
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        ASSERT_TRUE(m_dir.isValid());
        QSettings(CSettings::FileName(), QSettings::IniFormat).clear();
        CMessageBox::ClearHistory();
        CPrintDialog::Reset();
        m_diary = m_dir.filePath(QStringLiteral("travel.ilm"));
    }

    void TearDown() override
    {
        std::setlocale(LC_ALL, "C");
        CPrintDialog::Reset();
    }

    std::string DiaryPath() const { return QFile::encodeName(m_diary).toStdString(); }
    uint16_t Ext() const { return static_cast<uint16_t>(DiaryPath().size() - 3); }

    void AddEntry(int64_t time, const std::string& rtf, int mood = 0, int copulation = 0,
                  int menstruus = 0, float temperature = 0.0f, int weight = 0)
    {
        CDiaryStore store(0, DiaryPath(), Ext());
        store.entry = DiaryEntry{};
        store.entry.time = time;
        store.entry.text = rtf;
        store.entry.mood = mood;
        store.entry.fatigue = -1;
        store.entry.shape = -2;
        store.entry.dream = 1;
        store.entry.copulation = copulation;
        store.entry.menstruus = menstruus;
        store.entry.temperature = temperature;
        store.entry.weight = weight;
        std::strcpy(store.entry.password, "Secret1");
        store.AppendEntry();
        store.SortEntries();
    }

    QString Pdf(const QString& name) const { return m_dir.filePath(name); }

    std::vector<QString> Messages() const
    {
        std::vector<QString> texts;
        for (const CMessageBox::Shown& shown : CMessageBox::History()) {
            texts.push_back(shown.text);
        }
        return texts;
    }

    // Prints entry 0 through a job that fails as told.
    bool PrintWithFault(CFaultyJob::Step step, int failAt, const QString& pdf)
    {
        QPrinter printer(QPrinter::HighResolution);
        CPrintDialog::PushAnswer(pdf);
        EXPECT_TRUE(CPrintDialog::Exec(nullptr, printer));
        CFaultyJob job(printer, step, failAt);
        const bool ok = CEntryPrinter::PrintEntry(nullptr, job, DiaryPath(), Ext(), 0);
        m_startPages = job.m_startPages;
        m_endPages = job.m_endPages;
        m_ends = job.m_ends;
        return ok;
    }

    QTemporaryDir m_dir;
    QString m_diary;
    int m_startPages = 0;
    int m_endPages = 0;
    int m_ends = 0;
};

TEST_F(EntryPrinterTest, ShortEntryPrintsOnePageWithTheHeaderAndTheText)
{
    // A relabelled mood shows in its line and in the legend.
    CSettings::WriteProfileString(QStringLiteral("MoodPTwo"), QStringLiteral("Sunny"));
    AddEntry(LocalTime(2002, 12, 6, 14, 3, 55), Rtf("Dear diary, a short and quiet day."), 2, 1, 0,
             36.6f, 72);
    const QString pdf = Pdf(QStringLiteral("short.pdf"));
    CPrintDialog::PushAnswer(pdf);

    CEntryPrinter::PrintCurrentEntry(nullptr, DiaryPath(), Ext(), 0);

    EXPECT_TRUE(Messages().empty()) << Messages().front().toStdString();
    EXPECT_EQ(CPrintDialog::Shown(), 1);
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_EQ(PdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Dayloom"));
    const QString text = PdfText(pdf);
    for (const char* line : {
             "Entry dated: 06 - December - 2002, Friday, at 14:03:55",
             "Entry mood: Sunny, fatigue: Tired, shape: Sick",
             "dream: Amusing, copulation: YES, menstruus: NO, weight: 72, temperature: 36.6",
             "--- conventions used:",
             "MOODS: -3=Depressed, -2=Sad, -1=Not Good, 0=Neutral, +1=Good, +2=Sunny, "
             "+3=Excellent",
             "FATIGUES: -2=Exhausted, -1=Tired, 0=Normal; SHAPES: -3=Very Sick, -2=Sick, "
             "-1=Not Well, 0=Healthy",
             "DREAMS: -2=Nightmare, -1=Strange, 0=Neutral, +1=Amusing, +2=Fun",
             "--------------------------",
             "Dear diary, a short and quiet day.",
         }) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\nin:\n"
                                                            << text.toStdString();
    }
    EXPECT_LT(text.indexOf(QStringLiteral("--------------------------")),
              text.indexOf(QStringLiteral("Dear diary")));
}

TEST_F(EntryPrinterTest, HeaderAndBodySitAtTheirDeviceUnitPositions)
{
    AddEntry(LocalTime(2002, 12, 6, 14, 3, 55), LongRtf(200), 0, 0, 1, 37.0f, 0);
    const QString pdf = Pdf(QStringLiteral("long.pdf"));
    CPrintDialog::PushAnswer(pdf);

    CEntryPrinter::PrintCurrentEntry(nullptr, DiaryPath(), Ext(), 0);

    EXPECT_TRUE(PdfText(pdf, 1).contains(
        QStringLiteral("copulation: NO, menstruus: YES, weight: 0, temperature: 37.0")));
    // The printer has 1200 units per inch: the header's first line starts at
    // (361, 366) units, which is (21.66, 21.96) points; the glyphs' boxes
    // begin a little below the line's top.
    const WordBox entry = FirstWord(pdf, 1, QStringLiteral("Entry"));
    EXPECT_NEAR(entry.xMin, 361 * 72.0 / 1200, 1.5);
    EXPECT_GE(entry.yMin, 366 * 72.0 / 1200);
    EXPECT_LE(entry.yMin, 366 * 72.0 / 1200 + 4);
    // The body starts below the header on page 1 and at the one-inch margin
    // (72 points) on page 2; A4 is 8.27 inches wide, counted as 8, so the
    // text rectangle spans 1 to 7 inches across and 1 to 10 inches down.
    const WordBox first = FirstWord(pdf, 1, QStringLiteral("Paragraph"));
    const WordBox rule = FirstWord(pdf, 1, QStringLiteral("--------------------------"));
    EXPECT_GT(first.yMin, rule.yMin + 20);
    EXPECT_NEAR(first.xMin, 72.0, 1.5);
    const WordBox second = FirstWord(pdf, 2, QString());
    EXPECT_EQ(second.word, QStringLiteral("Paragraph"));
    EXPECT_NEAR(second.xMin, 72.0, 1.5);
    EXPECT_GE(second.yMin, 72.0);
    EXPECT_LE(second.yMin, 80.0);

    // Every paragraph is printed once, in order, over several pages, and no
    // text goes below the ten-inch line.
    const int pages = PageCount(pdf);
    EXPECT_GE(pages, 3);
    QString all;
    for (int page = 1; page <= pages; ++page) {
        all += PdfText(pdf, page);
        const QString html =
            RunTool(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                     QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
        const QRegularExpression yMax(QStringLiteral("yMax=\"([0-9.]+)\""));
        auto it = yMax.globalMatch(html);
        while (it.hasNext()) {
            EXPECT_LE(it.next().captured(1).toDouble(), 10 * 72.0 + 0.5) << "page " << page;
        }
    }
    int from = 0;
    for (int i = 1; i <= 200; ++i) {
        const QString paragraph = QStringLiteral("Paragraph %1 of a long day.").arg(i);
        const int at = all.indexOf(paragraph, from);
        ASSERT_GE(at, 0) << "paragraph " << i;
        EXPECT_EQ(all.indexOf(paragraph, at + 1), -1) << "paragraph " << i << " printed twice";
        from = at;
    }
}

TEST_F(EntryPrinterTest, PageGeometryCountsWholeInches)
{
    // 600 units per inch on an 8.27 x 11.69-inch printable area.
    const CEntryPrinter::PageGeometry a4 = CEntryPrinter::ComputeGeometry(4962, 7014, 600, 600);
    EXPECT_EQ(a4.width, 8 * 1440);
    EXPECT_EQ(a4.height, 11 * 1440);
    EXPECT_EQ(a4.textRect.left(), 1440);
    EXPECT_EQ(a4.textRect.top(), 1440);
    EXPECT_EQ(a4.textRect.right(), 7 * 1440);
    EXPECT_EQ(a4.textRect.bottom(), 10 * 1440);
    // 8.5 inches count as 8.
    EXPECT_EQ(CEntryPrinter::ComputeGeometry(5100, 6600, 600, 600).width, 8 * 1440);
    EXPECT_EQ(CEntryPrinter::FirstPageTextTop(200, 130), 1440 + 400 + 13 * 130 + 1505);
    EXPECT_EQ(CEntryPrinter::HeaderLineY(3, 200, 130), 1 + 400 + 130 + 405);
    EXPECT_EQ(CEntryPrinter::HeaderLineY(7, 200, 130), 1 + 400 + 5 * 130 + 425);
}

TEST_F(EntryPrinterTest, PrintAllMakesOneJobPerEntryInListOrder)
{
    AddEntry(LocalTime(2002, 12, 7, 9, 0, 0), Rtf("Third day."));
    AddEntry(LocalTime(2002, 12, 5, 9, 0, 0), Rtf("First day."));
    AddEntry(LocalTime(2002, 12, 6, 9, 0, 0), LongRtf(120));
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    CPrintDialog::PushAnswer(Pdf(QStringLiteral("all.pdf")));

    CEntryPrinter::PrintAllEntries(nullptr, DiaryPath(), Ext(), 3);

    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text,
              QStringLiteral("Are you sure you wish to print all entries?"));
    EXPECT_EQ(CMessageBox::History()[0].caption,
              QStringLiteral("Print all entries - Dayloom v2.21"));
    EXPECT_EQ(CMessageBox::History()[0].buttons, CMessageBox::Buttons::YesNo);
    EXPECT_EQ(CPrintDialog::Shown(), 1);
    EXPECT_FALSE(QFileInfo::exists(Pdf(QStringLiteral("all.pdf"))));
    EXPECT_TRUE(PdfText(Pdf(QStringLiteral("all-1.pdf"))).contains(QStringLiteral("First day.")));
    EXPECT_TRUE(PdfText(Pdf(QStringLiteral("all-1.pdf")))
                    .contains(QStringLiteral("05 - December - 2002, Thursday")));
    EXPECT_TRUE(
        PdfText(Pdf(QStringLiteral("all-2.pdf"))).contains(QStringLiteral("Paragraph 120")));
    EXPECT_GE(PageCount(Pdf(QStringLiteral("all-2.pdf"))), 2);
    EXPECT_TRUE(PdfText(Pdf(QStringLiteral("all-3.pdf"))).contains(QStringLiteral("Third day.")));
    EXPECT_EQ(PdfInfo(Pdf(QStringLiteral("all-3.pdf")), QStringLiteral("Title")),
              QStringLiteral("Dayloom"));
    EXPECT_FALSE(QFileInfo::exists(Pdf(QStringLiteral("all-4.pdf"))));
}

TEST_F(EntryPrinterTest, PrintAllGoesOnAfterAnEntryFails)
{
    AddEntry(LocalTime(2002, 12, 5, 9, 0, 0), Rtf("First day."));
    AddEntry(LocalTime(2002, 12, 6, 9, 0, 0), Rtf("Second day."));
    AddEntry(LocalTime(2002, 12, 7, 9, 0, 0), Rtf("Third day."));
    // The second entry's file cannot be written: a folder has its name.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("all-2.pdf")));
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    CPrintDialog::PushAnswer(Pdf(QStringLiteral("all.pdf")));

    CEntryPrinter::PrintAllEntries(nullptr, DiaryPath(), Ext(), 3);

    EXPECT_EQ(Messages(),
              (std::vector<QString>{QStringLiteral("Are you sure you wish to print all entries?"),
                                    QStringLiteral("Could not start printing!")}));
    EXPECT_EQ(CMessageBox::History()[1].caption, CAppInfo::AppName());
    EXPECT_TRUE(PdfText(Pdf(QStringLiteral("all-1.pdf"))).contains(QStringLiteral("First day.")));
    EXPECT_TRUE(PdfText(Pdf(QStringLiteral("all-3.pdf"))).contains(QStringLiteral("Third day.")));
}

TEST_F(EntryPrinterTest, NothingIsPrintedWhenTheUserSaysNoOrCancels)
{
    AddEntry(LocalTime(2002, 12, 5, 9, 0, 0), Rtf("First day."));

    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    CPrintDialog::PushAnswer(Pdf(QStringLiteral("no.pdf")));
    CEntryPrinter::PrintAllEntries(nullptr, DiaryPath(), Ext(), 1);
    EXPECT_EQ(CPrintDialog::Shown(), 0);

    CPrintDialog::Reset();
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    CPrintDialog::PushAnswer(std::nullopt);
    CEntryPrinter::PrintAllEntries(nullptr, DiaryPath(), Ext(), 1);
    EXPECT_EQ(CPrintDialog::Shown(), 1);

    CPrintDialog::PushAnswer(std::nullopt);
    CEntryPrinter::PrintCurrentEntry(nullptr, DiaryPath(), Ext(), 0);
    EXPECT_EQ(CPrintDialog::Shown(), 2);

    EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::AllEntries).size(), 0);
    EXPECT_EQ(Messages().size(), 2u); // the two questions only
}

TEST_F(EntryPrinterTest, AnEmptyListPrintsNothingAndSaysNothing)
{
    CPrintDialog::PushAnswer(Pdf(QStringLiteral("empty.pdf")));
    CEntryPrinter::PrintCurrentEntry(nullptr, std::string(), 0, -1);   // no diary
    CEntryPrinter::PrintCurrentEntry(nullptr, DiaryPath(), Ext(), -1); // no file yet
    CEntryPrinter::PrintAllEntries(nullptr, DiaryPath(), Ext(), 0);
    // A diary whose last entry was deleted has empty files.
    {
        CDiaryStore(0, DiaryPath(), Ext()).OpenEntryFiles();
    }
    CEntryPrinter::PrintCurrentEntry(nullptr, DiaryPath(), Ext(), 0);

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(CPrintDialog::Shown(), 0);
    EXPECT_FALSE(QFileInfo::exists(Pdf(QStringLiteral("empty.pdf"))));
}

TEST_F(EntryPrinterTest, WithoutASelectionItSaysWhy)
{
    AddEntry(LocalTime(2002, 12, 5, 9, 0, 0), Rtf("First day."));

    CEntryPrinter::PrintCurrentEntry(nullptr, DiaryPath(), Ext(), -1);

    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text,
              QStringLiteral("You must have an entry selected in order to print it!"));
    EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());
    EXPECT_EQ(CMessageBox::History()[0].buttons, CMessageBox::Buttons::Ok);
    EXPECT_EQ(CPrintDialog::Shown(), 0);
}

TEST_F(EntryPrinterTest, EveryPrinterFailureIsReported)
{
    AddEntry(LocalTime(2002, 12, 5, 9, 0, 0), LongRtf(200));

    struct Case
    {
        CFaultyJob::Step step;
        int failAt;
        const char* message;
        int pagesInFile; // 0: no file
        int endPageCalls;
        int ends;
    };
    const Case cases[] = {
        {CFaultyJob::Step::Start, 1, "Could not start printing!", 0, 0, 0},
        {CFaultyJob::Step::Metrics, 1, "Could not acquire proper printer settings!", -1, 0, 0},
        // A page that cannot be started ends the job after the pages before.
        {CFaultyJob::Step::StartPage, 2, "Error starting new page!", 1, 1, 1},
        {CFaultyJob::Step::EndPage, 2, "Error in dcPrinter.EndPage()", 2, 2, 1},
        {CFaultyJob::Step::End, 1, "Error during printing!", -1, 4, 1},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        CMessageBox::ClearHistory();
        const QString pdf = Pdf(QStringLiteral("fault%1.pdf").arg(++n));
        EXPECT_FALSE(PrintWithFault(c.step, c.failAt, pdf));
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0], QString::fromUtf8(c.message));
        EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());
        EXPECT_EQ(m_ends, c.ends);
        if (c.endPageCalls < 4) {
            EXPECT_EQ(m_endPages, c.endPageCalls);
        } else {
            EXPECT_GE(m_endPages, 3);
        }
        if (c.pagesInFile > 0) {
            EXPECT_EQ(PageCount(pdf), c.pagesInFile);
        } else if (c.pagesInFile == 0) {
            EXPECT_FALSE(QFileInfo::exists(pdf) && QFileInfo(pdf).size() > 0);
        }
    }

    // Without faults the same job succeeds.
    CMessageBox::ClearHistory();
    EXPECT_TRUE(PrintWithFault(CFaultyJob::Step::None, 0, Pdf(QStringLiteral("fine.pdf"))));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(EntryPrinterTest, AnUnwritableOutputOrUnreadableEntryPrintsNothing)
{
    AddEntry(LocalTime(2002, 12, 5, 9, 0, 0), Rtf("First day."));
    CPrintDialog::PushAnswer(m_dir.filePath(QStringLiteral("missing/out.pdf")));
    CEntryPrinter::PrintCurrentEntry(nullptr, DiaryPath(), Ext(), 0);
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("Could not start printing!")});

    // An index record whose text lies beyond the data file's end.
    CMessageBox::ClearHistory();
    QFile data(QString::fromStdString(DiaryPath())
                   .replace(QStringLiteral(".ilm"), QStringLiteral(".dlm")));
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    ASSERT_TRUE(data.resize(2));
    data.close();
    const QString pdf = Pdf(QStringLiteral("damaged.pdf"));
    CPrintDialog::PushAnswer(pdf);
    CEntryPrinter::PrintCurrentEntry(nullptr, DiaryPath(), Ext(), 0);
    EXPECT_EQ(Messages(),
              std::vector<QString>{QStringLiteral(
                  "The entry could not be read from the diary, so it was not printed.")});
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

} // namespace
