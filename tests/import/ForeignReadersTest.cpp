// Other programs' exports read from hand-written samples, and each malformed sample's message.

#include "ImportTestSupport.h"
#include "import/DayOneArchive.h"
#include "import/ForeignExport.h"
#include "import/ForeignTime.h"
#include "import/ImportPlan.h"

#include <QDateTime>
#include <QImage>
#include <gtest/gtest.h>

using namespace importtest;

namespace {

using ForeignReadersTest = FolderTest;

using Strings = std::vector<std::string>;

// Each entry as "time | plain text", then each problem's text.
Strings Lines(const CImportPlan& plan)
{
    Strings lines;
    for (const CImportPlan::Planned& entry : plan.Entries()) {
        lines.push_back(When(entry.time) + " | " + entry.plainText.toStdString());
    }
    for (const ImportProblem& problem : plan.Problems()) {
        lines.push_back(problem.Text().toStdString());
    }
    return lines;
}

} // namespace

TEST_F(ForeignReadersTest, DatesAndTimesAsThePrograms)
{
    const std::pair<const char*, const char*> headings[] = {
        {"2023-11-14", "2023-11-14 12:00:00"},
        {"2023-11-14 20:05", "2023-11-14 20:05:00"},
        {"2023-11-14T20:05:30", "2023-11-14 20:05:30"},
        {"Tuesday, 14 November 2023 20:00", "2023-11-14 20:00:00"},
        {"November 14, 2023", "2023-11-14 12:00:00"},
        {"Tue 14th Nov. 2023 8:05 pm", "2023-11-14 20:05:00"},
        {"14 november 2023 12:30 AM", "2023-11-14 00:30:00"},
    };
    for (const auto& [text, expected] : headings) {
        const std::optional<int64_t> time = ParseDateHeading(QString::fromUtf8(text));
        ASSERT_TRUE(time) << text;
        EXPECT_EQ(When(*time), expected) << text;
    }
    for (const char* text : {"Notes", "2023-13-01", "14 Smarch 2023", "2023-11-14 25:00",
                             "2023-11-14 meeting", "13:00 pm 2023", ""}) {
        EXPECT_FALSE(ParseDateHeading(QString::fromUtf8(text))) << text;
    }

    EXPECT_EQ(DateOfFileName("2023-11-15 evening.txt"), QDate(2023, 11, 15));
    for (const char* name : {"20231115.md", "2023-02-30.md", "2023-11-150.md", "x2023-11-15.md"}) {
        EXPECT_FALSE(DateOfFileName(QString::fromUtf8(name))) << name;
    }

    // Zones: given ones are converted, a missing one is the entry's own.
    EXPECT_EQ(When(*ParseIsoMoment("2023-11-14T23:30:00Z")), "2023-11-15 00:30:00");
    EXPECT_EQ(When(*ParseIsoMoment("2023-11-14T23:30:00.250-05:00")), "2023-11-15 05:30:00");
    EXPECT_EQ(When(*ParseIsoMoment("2023-07-01T09:00:00", "America/New_York")),
              "2023-07-01 15:00:00");
    EXPECT_EQ(When(*ParseIsoMoment("2023-07-01T09:00:00", "No/Such_Zone")), "2023-07-01 09:00:00");
    EXPECT_FALSE(ParseIsoMoment("yesterday"));
}

TEST_F(ForeignReadersTest, TitlesAreBoldAndDayOnePhotosBecomePicturesInTheirPlaces)
{
    // jrnl's times and texts are checked in the diary they are imported into.
    const CImportPlan jrnl(CForeignExport::ReadFile(Sample("jrnl.json")));
    EXPECT_EQ(ShownOf(jrnl.Entries()[1].rtf).bold, "Café in Zürich.");
    EXPECT_EQ(jrnl.Entries()[1].where, "jrnl.json, entry 1");

    const std::string dated[] = {
        "2023-07-01 15:00:00 | Written in New York, 😀 emoji kept.",
        "2023-10-29 02:30:00 | Summer time ended an hour later.",
        "2023-11-15 00:30:00 | Late night\nThis is bold and italic.\n\uFFFC\n"
        "• one\n• two\n"};
    const QByteArray jpeg = ReadAll(Sample("dayone/photos/0123abcd.jpeg"));
    const auto isJpeg = [&](const RtfPicture& picture) {
        EXPECT_EQ(picture.kind, RtfPicture::Jpeg);
        EXPECT_EQ(picture.data, jpeg) << "a small upright JPEG keeps its bytes";
        EXPECT_EQ(QSize(picture.pixelWidth, picture.pixelHeight), QSize(40, 30));
        EXPECT_EQ(picture.ShownSize(), QSize(40, 30));
    };

    // The journal beside its photos/ folder: the photo there takes the place
    // the text shows it in; the other is not in the export and keeps its name.
    const CImportPlan json(CForeignExport::ReadFile(Sample("dayone/Journal.json")));
    EXPECT_EQ(json.Kind(), "Day One JSON");
    EXPECT_EQ(Lines(json),
              (Strings{dated[0], dated[1],
                       dated[2] + "[photo: fedc9876.png]\n#travel #Night_owl #starred",
                       "Journal.json, entry 1: the photo fedc9876.png is not in the export"}));
    EXPECT_EQ(ShownOf(json.Entries()[2].rtf).bold, "Late night|bold");
    std::vector<RtfPicture> pictures = ShownOf(json.Entries()[2].rtf).pictures;
    ASSERT_EQ(pictures.size(), 1u);
    isJpeg(pictures[0]);

    // The archive as Day One writes it: the other photo, too large, follows the
    // text made as small as an inserted picture; a member aimed outside is not read.
    QImage wide(2000, 1000, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    ASSERT_TRUE(wide.save(m_dir.filePath("wide.png")));
    const QString zip =
        Put("export.zip", ZipOf({{"Journal.json", ReadAll(Sample("dayone/Journal.json"))},
                                 {"photos/0123abcd.jpeg", jpeg},
                                 {"photos/fedc9876.png", ReadAll(m_dir.filePath("wide.png"))},
                                 {"../evil.json", "{}"}}));
    const CImportPlan archive(CForeignExport::ReadFile(zip));
    EXPECT_EQ(archive.Kind(), "Day One JSON");
    EXPECT_EQ(Lines(archive),
              (Strings{dated[0], dated[1], dated[2] + "\uFFFC\n#travel #Night_owl #starred",
                       "export.zip/../evil.json: its path leaves the archive; not read"}));
    EXPECT_EQ(archive.Entries()[2].where, "export.zip/Journal.json, entry 1");
    pictures = ShownOf(archive.Entries()[2].rtf).pictures;
    ASSERT_EQ(pictures.size(), 2u);
    isJpeg(pictures[0]);
    EXPECT_EQ(pictures[1].kind, RtfPicture::Png);
    EXPECT_EQ(QSize(pictures[1].pixelWidth, pictures[1].pixelHeight), QSize(1600, 800));

    for (const char* path : {"a/b.json", "photos/x.jpeg"}) {
        EXPECT_TRUE(CDayOneArchive::IsSafeMemberPath(path)) << path;
    }
    for (const char* path : {"/etc/passwd", "a/../../b", "..", "C:/x", "a\\b", ""}) {
        EXPECT_FALSE(CDayOneArchive::IsSafeMemberPath(path)) << path;
    }
}

TEST_F(ForeignReadersTest, TextFilesAreDatedByNameHeadingOrModification)
{
    const QStringList files = CForeignExport::TextFilesBeside(Sample("notes/untitled.md"));
    ASSERT_EQ(files.size(), 4);
    const CImportPlan plan(CForeignExport::ReadTextFiles(files));
    EXPECT_EQ(plan.Kind(), "Markdown and text files");
    // By name: 2023-11-14.md, 2023-11-15 evening.txt; journal.md by its
    // headings (its title goes with the first, an empty day is left out);
    // untitled.md by its first line. No problems.
    EXPECT_EQ(
        Lines(plan),
        (Strings{"2023-11-14 12:00:00 | Walked to the lake.\nCold but bright.\n[photo: lake.jpg]",
                 "2023-11-15 12:00:00 | First line\n  indented second line",
                 "2023-11-21 20:00:00 | A heading gave the date.",
                 "2023-12-01 12:00:00 | My journal\n2023-12-01\nFirst day of December.",
                 "2023-12-02 20:15:00 | Second day, evening.\n1. first\n2. second"}));
    EXPECT_EQ(ShownOf(plan.Entries()[0].rtf).bold, "lake");
    EXPECT_EQ(ShownOf(plan.Entries()[1].rtf).bold, "");
    EXPECT_EQ(plan.Entries()[4].where, "journal.md, line 7");

    // Nothing in the name or the text: the file's modification time.
    const QString path = Put("thoughts.txt", "Line one\r\nLine two\r\n");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(1700000000),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(Lines(CImportPlan(CForeignExport::ReadFile(path))),
              Strings{"2023-11-14 23:13:20 | Line one\nLine two"});
}

TEST_F(ForeignReadersTest, EveryMalformedExportIsReportedAndSkipped)
{
    const QByteArray longBody = "{\"entries\": [{\"date\": \"2023-11-14\", \"body\": \"" +
                                QByteArray(kMaxEntryCharacters + 1, 'x') + "\"}]}";
    // Too large to read at all (a sparse file: nothing is written).
    const QString huge = Put("huge.txt", "");
    ASSERT_TRUE(QFile::resize(huge, kMaxImportFileBytes + 1));
    const QString files[] = {
        Put("broken.json", "{\"entries\": [\n{\"date\": \"2023-11-14\",\n"),
        Put("other.json", "{\"name\": \"x\"}"),
        Put("records.json", "{\"entries\": [{\"title\": \"x\"}, 5, {\"date\": \"2023-02-30\"}, "
                            "{\"date\": \"2023-11-14\", \"time\": \"25:00\"}, "
                            "{\"date\": \"2023-11-14\", \"title\": \" \"}]}"),
        Put("dayone.json", "{\"metadata\": {}, \"entries\": [{\"text\": \"no date\"}, "
                           "{\"creationDate\": \"soon\"}]}"),
        Put("binary.txt", QByteArray("ab\xff\xfe\0", 5)),
        Put("long.json", longBody),
        Put("fake.zip", "PK\x03\x04 not really"),
        huge,
        Put("bomb.zip", ZipOf({{"Journal.json", QByteArray(kMaxImportFileBytes + 1, ' ')}})),
    };
    Strings lines; // problems only: not one entry is read

    for (const QString& file : files) {
        const Strings read = Lines(CImportPlan(CForeignExport::ReadFile(file)));
        lines.insert(lines.end(), read.begin(), read.end());
    }
    EXPECT_EQ(lines, (Strings{"broken.json, line 3: it is not JSON (unterminated object)",
                              "other.json: it is JSON, but neither a jrnl nor a Day One export",
                              "records.json, entry 1: it has no date",
                              "records.json, entry 2: it is not a record",
                              "records.json, entry 3: \"2023-02-30\" is not a date and time",
                              "records.json, entry 4: \"2023-11-14 25:00\" is not a date and time",
                              "records.json, entry 5: it has no text",
                              "dayone.json, entry 1: it has no date",
                              "dayone.json, entry 2: \"soon\" is not a date and time",
                              "binary.txt: it is not UTF-8 text",
                              "long.json, entry 1: its text is longer than 1048576 characters",
                              "fake.zip: it is not a readable zip archive (Not a zip archive)",
                              "huge.txt: it is larger than 64 MB",
                              "bomb.zip/Journal.json: it unpacks to more than 64 MB",
                              "bomb.zip: it holds no Day One journal (.json)"}));

    // Photos that are no picture or unpack to too much keep their names.
    const QString photos = Put(
        "photos.zip",
        ZipOf({{"Journal.json", "{\"metadata\": {}, \"entries\": [{\"creationDate\": "
                                "\"2023-11-14T10:00:00Z\", \"text\": \"Two photos\", \"photos\": "
                                "[{\"md5\": \"bad\"}, {\"md5\": \"big\"}]}]}"},
               {"photos/bad.jpeg", "JPEG, but not really"},
               {"photos/big.png", QByteArray(kMaxImportFileBytes + 1, '\0')}}));
    const CImportPlan withPhotos(CForeignExport::ReadFile(photos));
    EXPECT_EQ(
        Lines(withPhotos),
        (Strings{"2023-11-14 11:00:00 | Two photos\n[photo: bad.jpeg]\n[photo: big.png]",
                 "photos.zip/Journal.json, entry 1: the photo bad.jpeg is no picture "
                 "Dayloom can read",
                 "photos.zip/Journal.json, entry 1: the photo big.png is larger than 64 MB"}));
}
