// Writing RTF: the exact bytes, escaping, and that write -> read -> write
// keeps text, formats and bytes.
#include "RtfTestSupport.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <string>

namespace {

QTextDocument* NewDocument(QObject* parent = nullptr)
{
    auto* document = new QTextDocument(parent);
    document->setDefaultFont(QFont("Arial", 12));
    return document;
}

QTextCharFormat Format(const QString& family, double points)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    return format;
}

} // namespace

// Control words end with a space only where the next byte would continue
// them (a letter, a digit, '-' or a space).
TEST(RtfWriter, WritesCanonicalBytesInTheDefaultFontAlsoForAnEmptyDocument)
{
    std::unique_ptr<QTextDocument> document(NewDocument());
    QTextCursor cursor(document.get());
    cursor.insertText("Hello ", QTextCharFormat());
    QTextCharFormat bold = Format("Times New Roman", 14);
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(QColor(255, 0, 0));
    cursor.insertText("{world}\\", bold);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred, QTextCharFormat());
    QTextCharFormat heavy;
    heavy.setFontWeight(QFont::Bold);
    cursor.insertText("-5", heavy);
    cursor.insertText(QString::fromUtf16(u" caf\u00e9\tx\t9\t."), QTextCharFormat());

    EXPECT_EQ(
        DocumentToRtf(*document),
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
        "{\\f1\\fnil\\fcharset0 Times New Roman;}}\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}\n"
        "\\viewkind4\\uc1\n"
        "\\pard\\plain\\f0\\fs24 Hello \\plain\\f1\\fs28\\b\\cf1\\{world\\}\\\\\\par\n"
        "\\pard\\qc\\plain\\f0\\fs24\\b -5\\plain\\f0\\fs24  caf\\u233?\\tab x\\tab 9\\tab.\\par\n"
        "}\n");

    // Text without a font or size of its own is written in the document's default.
    QTextDocument verdana;
    verdana.setDefaultFont(QFont("Verdana", 11));
    const std::string empty = DocumentToRtf(verdana);
    EXPECT_EQ(RtfToPlainText(empty), "");
    QTextDocument copy;
    RtfToDocument(empty, copy);
    EXPECT_EQ(copy.blockCount(), 1);
    EXPECT_EQ(DocumentToRtf(copy), empty);

    QTextCursor(&verdana).insertText("x");
    const std::string rtf = DocumentToRtf(verdana);
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset0 Verdana;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\plain\\f0\\fs22 x\\par"), std::string::npos) << rtf;
}

TEST(RtfWriter, EscapesEverythingOutsideSevenBitAscii)
{
    std::unique_ptr<QTextDocument> document(NewDocument());
    QTextCursor cursor(document.get());
    const QString text = QString::fromUtf16(u"\u0416\u20AC\u00A0\u2028-") +
                         QString::fromUtf8("\xF0\x9F\x98\x80") + QChar(0) + QChar(0x01) +
                         QChar(0xFFFC) + "end";
    cursor.insertText(text);
    const std::string rtf = DocumentToRtf(*document);
    EXPECT_TRUE(rtftest::IsSevenBitWithoutZero(rtf));
    EXPECT_NE(rtf.find("\\u1046?\\u8364?\\~\\line -\\u-10179?\\u-8704?end"), std::string::npos)
        << rtf;
    EXPECT_EQ(rtftest::DocumentText(rtf), QString::fromUtf16(u"\u0416\u20AC \n-") +
                                              QString::fromUtf8("\xF0\x9F\x98\x80") + "end");

    // Half a surrogate pair cannot be written; it becomes a replacement character.
    std::unique_ptr<QTextDocument> broken(NewDocument());
    QTextCursor(broken.get()).insertText(QString(QChar(0xD83D)) + "x");
    EXPECT_EQ(RtfToPlainText(DocumentToRtf(*broken)), QString::fromUtf16(u"\uFFFDx"));
}

TEST(RtfWriter, RoundTripKeepsEveryEditorFormatAndIsByteStable)
{
    std::unique_ptr<QTextDocument> document(NewDocument());
    QTextCursor cursor(document.get());
    QTextCharFormat base = Format("Arial", 12);
    cursor.insertText("plain ", base);
    QTextCharFormat f = Format("Courier New", 9.5);
    f.setFontWeight(QFont::Bold);
    cursor.insertText("bold ", f);
    f.setFontItalic(true);
    cursor.insertText("bolditalic ", f);
    f = Format(QString::fromUtf16(u"\u5B8B\u4F53"), 20);
    f.setFontUnderline(true);
    f.setForeground(QColor(0, 0, 255));
    cursor.insertText(QString::fromUtf16(u"\u4E2D\u6587 "), f);
    f = base;
    f.setFontStrikeOut(true);
    f.setBackground(QColor(255, 255, 0));
    cursor.insertText("struck", f);
    f = base;
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText("2", f);

    QTextBlockFormat block;
    block.setAlignment(Qt::AlignRight);
    block.setLeftMargin(48);
    block.setRightMargin(10);
    block.setTextIndent(-24);
    block.setTopMargin(4);
    block.setBottomMargin(8);
    block.setTabPositions(
        {QTextOption::Tab(96, QTextOption::LeftTab), QTextOption::Tab(200, QTextOption::RightTab)});
    cursor.insertBlock(block, base);
    cursor.insertText(QString::fromUtf16(u"a\tb\u2028c"), base);
    block = QTextBlockFormat();
    block.setAlignment(Qt::AlignJustify);
    cursor.insertBlock(block, Format("Georgia", 30)); // an empty line in a big font
    block.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(block, base);
    cursor.insertText("{braces} \\ back", base);

    const std::string first = DocumentToRtf(*document);
    QTextDocument copy;
    RtfToDocument(first, copy);
    EXPECT_EQ(rtftest::Describe(copy), rtftest::Describe(*document));
    // The empty line keeps its font size.
    EXPECT_EQ(copy.findBlockByNumber(2).charFormat().fontPointSize(), 30.0);

    EXPECT_EQ(DocumentToRtf(copy), first);
    EXPECT_TRUE(rtftest::IsSevenBitWithoutZero(first));
}
