// Reading RTF: what each formatting word does, text, formats and code pages as
// rich-edit controls wrote them, and the behaviour on broken input. Whole
// documents (fields, bullets, destinations, code pages) are in RtfCorpusTest.
#include "RtfTestSupport.h"
#include "rtf/RtfFormatting.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

using rtftest::DocumentText;

namespace {

// Both readings of the same RTF: they must agree character for character.
QString Text(std::string_view rtf)
{
    const QString plain = RtfToPlainText(rtf);
    EXPECT_EQ(plain, DocumentText(rtf)) << std::string(rtf);
    return plain;
}

void ExpectTexts(std::initializer_list<std::pair<std::string, std::u16string>> cases)
{
    for (const auto& [rtf, text] : cases) {
        SCOPED_TRACE(rtf);
        EXPECT_EQ(Text(rtf), QString::fromStdU16String(text));
    }
}

// How the version-1 program stored an entry around its text.
std::string VersionOne(const std::string& text)
{
    return "{\\rtf1\\ansi\\deff0\n\\viewkind4\\uc1\\pard{\\fonttbl{\\f0\\fswiss\\fcharset204 "
           "Arial;}{\\f1\\fswiss\\fcharset0 Arial;}}\\f0\\fs24 " +
           text + "\n\\par }";
}

// "b0 tx-5 qc": words with optional signed numbers, as they follow a backslash.
RtfFormat Apply(const std::string& words)
{
    CRtfFormatting formatting;
    RtfFormat format;
    std::istringstream in(words);
    for (std::string token; in >> token;) {
        const size_t digits = token.find_first_of("-0123456789");
        const bool hasParam = digits != std::string::npos;
        const int param = hasParam ? std::stoi(token.substr(digits)) : 0;
        formatting.Apply(CRtfKeywords::Lookup(token.substr(0, digits)).kw, hasParam, param, format);
    }
    return format;
}

// The fields of a format that differ from a fresh one.
std::string Changes(const RtfFormat& format)
{
    const RtfCharState& c = format.chars;
    const RtfParState& p = format.paragraph;
    std::ostringstream out;
    const auto field = [&](const char* name, int value, int fresh) {
        if (value != fresh) {
            out << name << value << ' ';
        }
    };
    field("font", c.font, -1), field("size", c.halfPoints, 24), field("fg", c.foreground, 0);
    field("bg", c.background, 0), field("bold", c.bold, 0), field("italic", c.italic, 0);
    field("ul", c.underline, 0), field("strike", c.strike, 0), field("vert", c.vertical, 0);
    field("hidden", format.hidden, 0), field("align", p.align, 0), field("li", p.leftIndent, 0);
    field("ri", p.rightIndent, 0), field("fi", p.firstIndent, 0), field("sb", p.spaceBefore, 0);
    field("sa", p.spaceAfter, 0);
    for (int i = 0; i < p.tabCount; ++i) {
        out << "tab" << p.tabs[i].twips << '/' << int(p.tabs[i].kind) << ' ';
    }
    return out.str();
}

} // namespace

TEST(RtfFormatting, EachWordSetsItsPartOfTheFormat)
{
    const std::pair<const char*, const char*> rows[] = {
        {"b i ul strike b0 i0 ul0 strike0", ""}, // each is on in FormatsReachTheDocument
        {"uldb", "ul1 "},
        {"ulwave ulnone", ""},
        {"f3 fs30 cf2 highlight5 cb4", "font3 size30 fg2 bg4 "},
        // Out of range: a size falls back or is capped, an index stops at 0.
        {"f-5 cf-3 cb-1 fs0", "font0 "},
        {"fs99999", "size3276 "},
        {"super sub", "vert-1 "},
        {"sub nosupersub", ""},
        {"v", "hidden1 "},
        // \plain resets the characters (hidden text too), \pard the paragraph.
        {"qc b f2 fs30 v plain", "align1 "},
        {"b qr li5 tx9 pard", "bold1 "},
        {"qj", "align3 "},
        {"qc ql", ""},
        {"li999999 fi-999999 sb-5 sa-5", "li100000 fi-100000 "},
        // A tab kind applies to the next \tx only; \pard forgets it.
        {"tx1440 tqr tx2880 tqc tqdec tx3000 tx-5", "tab1440/0 tab2880/2 tab3000/3 tab0/0 "},
        {"tqc tx7", "tab7/1 "},
        {"tqc pard tx5", "tab5/0 "},
        // Words that are no formatting change nothing.
        {"par u65 red255 fcharset204 deff3 ansicpg1251 nonsense", ""},
    };
    for (const auto& [words, changes] : rows) {
        EXPECT_EQ(Changes(Apply(words)), changes) << words;
    }

    // Tab stops beyond the table's room are dropped.
    std::string many;
    for (int i = 1; i <= RtfParState::kMaxTabs + 3; ++i) {
        many += " tx" + std::to_string(i);
    }
    const RtfParState paragraph = Apply(many).paragraph;
    EXPECT_EQ(paragraph.tabCount, RtfParState::kMaxTabs);
    EXPECT_EQ(paragraph.tabs.back().twips, RtfParState::kMaxTabs);
}

// Groups, the tables, and how the formats appear in the document.
TEST(RtfReader, FormatsReachTheDocumentThroughGroupsAndTables)
{
    QTextDocument document;
    RtfToDocument(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
        "\\pard\\qc\\li720\\fi-360\\ri300\\sb120\\sa240\\tx1440\\tqr\\tx2880 "
        "start {\\b bold {\\i bolditalic}} {\\ul under}{\\strike struck} {\\cf1 red}{\\cf0 auto} "
        "{\\highlight2 marked} {\\f1\\fs40 big}{\\super up}{\\sub down}\\par\\pard after\\par}",
        document);
    EXPECT_EQ(document.toPlainText(),
              "start bold bolditalic understruck redauto marked bigupdown\nafter");
    // A document starts at 12 pt in the \deff font; twips become pixels at 96 dpi.
    EXPECT_EQ(rtftest::Describe(document),
              "align 4 margins 48 20 -24 8 16 tabs 96/0/0 192/1/0 [start ] Arial 12 vert 0 "
              "[bold ] Arial 12 weight 700 vert 0 [bolditalic] Arial 12 weight 700 i vert 0 "
              "[ ] Arial 12 vert 0 [under] Arial 12 ul vert 0 [struck] Arial 12 strike vert 0 "
              "[ ] Arial 12 vert 0 [red] Arial 12 vert 0 fg #ffff0000 [auto ] Arial 12 vert 0 "
              "[marked] Arial 12 vert 0 bg #ff008000 [ ] Arial 12 vert 0 "
              "[big] Times New Roman 20 vert 0 [up] Arial 12 vert 1 [down] Arial 12 vert 2\n"
              "align 0 margins 0 0 0 0 0 tabs [after] Arial 12 vert 0\n");

    // The \*\fname of a rich-edit font table names the real font.
    RtfToDocument("{\\rtf1{\\fonttbl{\\f0\\fcharset204{\\*\\fname Arial;}Arial CYR;}}\\f0 x}",
                  document);
    EXPECT_EQ(rtftest::Describe(document), "align 0 margins 0 0 0 0 0 tabs [x] Arial 12 vert 0\n");
}

TEST(RtfReader, ParagraphsBreaksSpecialAndUnicodeCharactersAndSkippedGroups)
{
    ExpectTexts({
        // The final \par ends the last paragraph; it does not add an empty one.
        {"{\\rtf1 one\\par}", u"one"},
        {"{\\rtf1 one\\par\\par}", u"one\n"},
        {"{\\rtf1 one\\par two}", u"one\ntwo"},
        {"{\\rtf1 \\par}", u""},
        {"", u""},
        // Mac writers end lines with a backslash before the line feed.
        {"{\\rtf1 A\\\nB\\\rC}", u"A\nB\nC"},
        // Raw line ends in the RTF are not text.
        {"{\\rtf1 a\r\nb\nc}", u"abc"},
        {"{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}",
         u"\u2014\u2013\u2018\u2019\u201C\u201D\u2022"},
        // Skipped groups may hold escaped braces.
        {"{\\rtf1 {\\*\\x \\{ \\} \\\\}a}", u"a"},
        // An unknown word that is no destination leaves its group's text alone.
        {"{\\rtf1 {\\foo kept}}", u"kept"},
        // Unicode escapes skip their fallback.
        {"{\\rtf1 \\u-4064?}", u"\uF020"},
        // A group end stops the skipping; \uc is scoped to its group.
        {"{\\rtf1 {\\uc5\\u1046}abc \\u1046?d}", u"\u0416abc \u0416d"},
        // Halves of surrogate pairs that have no partner.
        {"{\\rtf1 \\u-10179?x}", u"\uFFFDx"},
        {"{\\rtf1 x\\u-8704?}", u"x\uFFFD"},
        {"{\\rtf1 x\\u-10179?}", u"x\uFFFD"},
        // A huge \uc is clamped instead of eating the rest of the text.
        {"{\\rtf1\\uc100000 \\u1046 0123456789rest}", u"\u0416rest"},
        // Control characters and Qt's private block markers never reach the text.
        {"{\\rtf1 a\\u0?\\u7?\\u64976?\\u64977?b\\u8233?c}", u"ab\nc"},
    });
    // A line break stays inside the paragraph; plain text shows it as a new line.
    QTextDocument document;
    RtfToDocument("{\\rtf1 a\\line b\\~c\\tab d\\par}", document);
    EXPECT_EQ(document.blockCount(), 1);
    EXPECT_EQ(document.begin().text(), QString::fromUtf16(u"a\u2028b\u00A0c\td"));
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\line b\\~c\\tab d\\par}"), "a\nb c\td");
}

TEST(RtfReader, CodePagesComeFromCpgThenCharsetThenAnsicpg)
{
    const std::string japanese = "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 G;}}\\f0 ";
    ExpectTexts({
        // 0xC0 is "À" in 1252, "А" in 1251, "Ŕ" in 1250, "ΐ" in 1253.
        {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset238\\cpg1253 X;}}\\f0 \\'c0}",
         u"\u0390"},
        {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset238 X;}}\\f0 \\'c0}", u"\u0154"},
        {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset1 X;}}\\f0 \\'c0}", u"\u0410"},
        {"{\\rtf1\\ansi\\ansicpg1251 \\'c0}", u"\u0410"}, // no font table
        {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 X;}}\\f0 \\'c0}", u"\u00C0"},
        // Unknown code pages fall back to Windows-1252.
        {"{\\rtf1\\ansi\\ansicpg0 \\'c0\\'80}", u"\u00C0\u20AC"},
        {"{\\rtf1{\\fonttbl{\\f0\\cpg77777 X;}}\\f0 \\'c0}", u"\u00C0"},
        // Raw 8-bit bytes decode like escapes; a font change switches the page.
        {"{\\rtf1{\\fonttbl{\\f0\\fcharset204 A;}{\\f1\\fcharset161 B;}}\\f0 \xc0\\f1 \xc0}",
         u"\u0410\u0390"},
        // Double-byte pages join the bytes across escapes, raw or not.
        {japanese + "\\'82\\'a0}", u"\u3042"},
        {japanese + "\x82\\'a0}", u"\u3042"},
        // A lead byte cut off by the end of the text is dropped, not misread.
        {japanese + "a\\'82}", u"a"},
        // A font defined after its first use changes the page from then on.
        {"{\\rtf1\\f0 \\'c0{\\fonttbl{\\f0\\fcharset204 X;}}\\'c0}", u"\u00C0\u0410"},
        // Big5 through \ansicpg alone.
        {"{\\rtf1\\ansi\\ansicpg950 \\'a4\\'a4}", u"\u4E2D"},
    });
}

TEST(RtfReader, MalformedInputAndStrayVersionOneMarkupYieldTheReadableText)
{
    ExpectTexts({
        {"{\\rtf1 {\\b hello", u"hello"}, // never closed
        {"{\\rtf1 a}} b}}}", u"a b"},     // extra braces
        {"{\\rtf1 a\\'", u"a"},           // cut escape
        {"{\\rtf1 a\\'4", u"a4"},
        {"{\\rtf1 a\\'zzb}", u"azzb"}, // broken escape
        {"{\\rtf1 a\\u", u"a"},
        {"{\\rtf1 a\\", u"a"},
        {"{\\rtf1 a\\fs99999999999999999999 b}", u"ab"}, // parameter overflow
        {std::string("{\\rtf1 a}\r\n\0", 12), u"a"},     // rich edit's trailer
        {std::string("{\\rtf1 a\0b}", 11), u"ab"},
        {"not rtf at all", u"not rtf at all"},
        // Text after the document's last brace is not part of it.
        {"{\\rtf1 a\\par}\r\n -- signature", u"a"},
        // \bin lengths past the end are clamped.
        {"{\\rtf1 a{\\pict\\bin2000000000 xyz}", u"a\uFFFC"},
        {"{\\rtf1 a\\bin3 }{}b}", u"ab"},
        // Version-1 text with stray control characters keeps the rest.
        {VersionOne("a } b \xc0"), u"a  b \u0410"},
        {VersionOne("a }}} b"), u"a  b"},
        {VersionOne("C:\\info\\pict\\fonttbl x"), u"C:x"},
        {VersionOne("end\\"), u"end\n"}, // backslash + line feed: a paragraph
        {VersionOne("\\\xc0\\\xc1"), u"\u0410\u0411"},
        {VersionOne("it\\'s"), u"its"},
        {VersionOne(""), u""},
    });
    // Font and colour numbers far outside the tables.
    QTextDocument document;
    RtfToDocument("{\\rtf1{\\colortbl\\red1\\green2\\blue3;}\\f2147483647\\cf99999\\f-5\\cf-3 x}",
                  document);
    EXPECT_EQ(document.toPlainText(), "x");
    EXPECT_EQ(rtftest::Describe(document), "align 0 margins 0 0 0 0 0 tabs [x]  12 vert 0\n");
}

TEST(RtfReader, DeepNestingIsCappedWithoutRecursion)
{
    const int depth = 200000;
    const std::string rtf =
        "{\\rtf1 before" + std::string(depth, '{') + "deep" + std::string(depth, '}') + " after}";
    const QString text = Text(rtf);
    EXPECT_TRUE(text.startsWith("before"));
    EXPECT_TRUE(text.endsWith(" after"));
    EXPECT_FALSE(text.contains("deep")); // beyond the cap content is skipped

    // Below the cap nesting is ordinary.
    EXPECT_EQ(Text("{\\rtf1 " + std::string(50, '{') + "x" + std::string(50, '}') + "}"), "x");
}
