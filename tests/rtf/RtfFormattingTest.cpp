// What each formatting word does to a group's format, without a document:
// the words of a row are applied in order to a fresh format, and the fields
// that differ from a fresh one are listed.
#include "rtf/RtfFormatting.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

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
