// Whole documents: the hand-written rich-edit samples with their expected
// text, the shared corpus of real RTF files, and the fuzzer's saved corpus.
#include "RtfTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

using rtftest::ReadBytes;

namespace {

QStringList Files(const QString& dir, const QStringList& patterns)
{
    QStringList paths;
    for (const QFileInfo& info : QDir(dir).entryInfoList(patterns, QDir::Files, QDir::Name)) {
        paths << info.absoluteFilePath();
    }
    return paths;
}

// The readers that rendered the corpus lay out spaces, table cells and
// paragraphs their own way: compare the text without any whitespace.
QString Letters(QString text)
{
    static const QRegularExpression whitespace(QStringLiteral("\\s+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    return text.remove(whitespace);
}

// striprtf shows a link's target after its text and table cells as '|'.
QString FromStripRtf(QString text)
{
    static const QRegularExpression target(QStringLiteral("\\(\"[^\"]*\"\\)"));
    return text.remove(target).remove(u'|');
}

bool IsSubsequence(const QString& part, const QString& whole)
{
    qsizetype at = 0;
    for (QChar c : part) {
        at = whole.indexOf(c, at);
        if (at < 0) {
            return false;
        }
        ++at;
    }
    return true;
}

} // namespace

// The hand-written rich-edit samples give the text beside them; they and the
// fuzzer's saved corpus are written back and read again unchanged.
TEST(RtfCorpus, SamplesGiveTheirTextAndEveryInputRoundTrips)
{
    const QStringList samples =
        Files(QStringLiteral(DAYLOOM_SOURCE_DIR "/tests/data/rtf"), {"*.rtf"});
    const QStringList fuzzed = Files(QStringLiteral(DAYLOOM_SOURCE_DIR "/fuzz/corpus/rtf"), {"*"});
    ASSERT_GE(samples.size(), 10);
    ASSERT_FALSE(fuzzed.isEmpty());
    for (const QString& path : samples + fuzzed) {
        SCOPED_TRACE(path.toStdString());
        const std::string rtf = ReadBytes(path);
        QTextDocument document, copy;
        RtfToDocument(rtftest::ReadAndWrite(rtf, document), copy);
        EXPECT_EQ(copy.toPlainText(), document.toPlainText());
        if (samples.contains(path)) {
            EXPECT_EQ(document.toPlainText(),
                      QString::fromUtf8(ReadBytes(path.chopped(4) + ".txt")));
        }
    }
}

TEST(RtfCorpus, SharedSamplesReadWithTheRightWords)
{
    const QString root = QStringLiteral(DAYLOOM_SOURCE_DIR "/../shared/rtf-corpus");
    if (!QFileInfo::exists(root)) {
        GTEST_SKIP() << "no shared RTF corpus at " << root.toStdString();
    }
    int checked = 0;
    for (const QString& folder : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString& path : Files(root + "/" + folder, {"*.rtf"})) {
            SCOPED_TRACE(path.toStdString());
            const std::string rtf = ReadBytes(path);
            QString plain = RtfToPlainText(rtf);
            EXPECT_EQ(plain, rtftest::DocumentText(rtf));
            plain.remove(QChar::ObjectReplacementCharacter);

            const QString base = path.chopped(4);
            QString expected;
            if (QFileInfo::exists(base + ".expected.txt")) {
                expected = FromStripRtf(QString::fromUtf8(ReadBytes(base + ".expected.txt")));
            } else if (QFileInfo::exists(base + ".expected.html")) {
                expected = QTextDocumentFragment::fromHtml(
                               QString::fromUtf8(ReadBytes(base + ".expected.html")))
                               .toPlainText();
            } else {
                continue;
            }
            // Pictures are no text.
            expected.remove(QChar::ObjectReplacementCharacter);
            expected = Letters(expected);
            const QString name = QFileInfo(path).fileName();
            if (name == "wmf.rtf") {
                // The other reader also shows the text drawn inside the
                // document's metafile pictures, and leaves out a field result.
                QString ours = Letters(plain);
                ours.remove(QStringLiteral("Error!Notableofcontentsentriesfound."));
                EXPECT_TRUE(IsSubsequence(ours, expected));
                EXPECT_GT(ours.size(), expected.size() * 9 / 10);
            } else {
                if (name == "sample.rtf") {
                    // The other reader shows hidden (\\v) text, and Symbol's
                    // bullet as U+00B7 where the view shows U+2022.
                    expected.replace(QStringLiteral("abitofhiddentext"),
                                     QStringLiteral("abitoftext"));
                    expected.replace(QChar(0x00B7), QChar(0x2022));
                }
                EXPECT_EQ(Letters(plain).toStdString(), expected.toStdString());
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}
