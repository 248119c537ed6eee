#include "rtf/RtfReader.h"

#include "rtf/RtfCodePage.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_map>

namespace {

} // namespace

enum class RtfKeyword : uint8_t
{
    Unknown,
    // destinations: only at the start of a group (or after \*)
    FontTable,
    ColourTable,
    SkipDestination,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    Uc,
    U,
    Bin,
    // text
    Par,
    Line,
    Tab,
    Char,
    // character formatting
    Plain,
    F,
    Fs,
    B,
    I,
    Ul,
    UlNone,
    Strike,
    Cf,
    Highlight,
    Super,
    Sub,
    NoSuperSub,
    Hidden,
    // paragraph formatting
    Pard,
    Ql,
    Qc,
    Qr,
    Qj,
    Li,
    Ri,
    Fi,
    Sb,
    Sa,
    Tx,
    Tqr,
    Tqc,
    Tqdec,
    // font and colour tables
    FCharset,
    Cpg,
    Red,
    Green,
    Blue,
};

namespace {

using Kw = RtfKeyword;

struct Keyword
{
    Kw kw = Kw::Unknown;
    char16_t ch = 0; // for Kw::Char
};

const std::unordered_map<std::string_view, Keyword>& Keywords()
{
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> t;
        t["fonttbl"] = {Kw::FontTable};
        t["colortbl"] = {Kw::ColourTable};
        // Groups whose content is not part of the text.
        for (const char* name : {"stylesheet",
                                 "info",
                                 "pict",
                                 "object",
                                 "objdata",
                                 "objclass",
                                 "objname",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "footnote",
                                 "annotation",
                                 "atnid",
                                 "atnauthor",
                                 "atntime",
                                 "atnref",
                                 "atndate",
                                 "atrfstart",
                                 "atrfend",
                                 "fldinst",
                                 "pn",
                                 "pntxta",
                                 "pntxtb",
                                 "pnseclvl",
                                 "listtable",
                                 "listoverridetable",
                                 "revtbl",
                                 "rsidtbl",
                                 "xmlnstbl",
                                 "themedata",
                                 "colorschememapping",
                                 "latentstyles",
                                 "datastore",
                                 "pgdsctbl",
                                 "bkmkstart",
                                 "bkmkend",
                                 "shp",
                                 "shpinst",
                                 "shprslt",
                                 "nonshppict",
                                 "template",
                                 "ftnsep",
                                 "ftnsepc",
                                 "ftncn",
                                 "aftnsep",
                                 "aftnsepc",
                                 "aftncn",
                                 "comment",
                                 "author",
                                 "operator",
                                 "title",
                                 "subject",
                                 "keywords",
                                 "doccomm",
                                 "company",
                                 "manager",
                                 "category",
                                 "creatim",
                                 "revtim",
                                 "printim",
                                 "buptim",
                                 "blipuid",
                                 "sp",
                                 "sn",
                                 "sv",
                                 "docvar",
                                 "xe",
                                 "tc",
                                 "txe",
                                 "rxe",
                                 "private",
                                 "userprops",
                                 "generator",
                                 "falt",
                                 "panose",
                                 "fontemb",
                                 "fontfile",
                                 "filetbl",
                                 "formfield",
                                 "ffname",
                                 "ffdeftext",
                                 "picprop",
                                 "do",
                                 "listpicture",
                                 "mmathPr",
                                 "wgrffmtfilter",
                                 "passwordhash",
                                 "protusertbl",
                                 "fchars",
                                 "lchars",
                                 "background",
                                 "hlinkbase",
                                 "expandedcolortbl",
                                 "listtext" /* handled below */}) {
            t[name] = {Kw::SkipDestination};
        }
        // The rendered list number or bullet is text like any other.
        t.erase("listtext");
        t["ansi"] = {Kw::Ansi};
        t["mac"] = {Kw::Mac};
        t["pc"] = {Kw::Pc};
        t["pca"] = {Kw::Pca};
        t["ansicpg"] = {Kw::AnsiCpg};
        t["deff"] = {Kw::Deff};
        t["uc"] = {Kw::Uc};
        t["u"] = {Kw::U};
        t["bin"] = {Kw::Bin};
        for (const char* name : {"par", "sect", "page", "row", "column"}) {
            t[name] = {Kw::Par};
        }
        t["line"] = {Kw::Line};
        t["tab"] = {Kw::Tab};
        t["cell"] = {Kw::Tab};
        t["nestcell"] = {Kw::Tab};
        t["emdash"] = {Kw::Char, 0x2014};
        t["endash"] = {Kw::Char, 0x2013};
        t["emspace"] = {Kw::Char, 0x2003};
        t["enspace"] = {Kw::Char, 0x2002};
        t["qmspace"] = {Kw::Char, 0x2005};
        t["bullet"] = {Kw::Char, 0x2022};
        t["lquote"] = {Kw::Char, 0x2018};
        t["rquote"] = {Kw::Char, 0x2019};
        t["ldblquote"] = {Kw::Char, 0x201C};
        t["rdblquote"] = {Kw::Char, 0x201D};
        t["zwj"] = {Kw::Char, 0x200D};
        t["zwnj"] = {Kw::Char, 0x200C};
        t["ltrmark"] = {Kw::Char, 0x200E};
        t["rtlmark"] = {Kw::Char, 0x200F};
        t["plain"] = {Kw::Plain};
        t["f"] = {Kw::F};
        t["fs"] = {Kw::Fs};
        t["b"] = {Kw::B};
        t["i"] = {Kw::I};
        for (const char* name : {"ul", "uld", "uldb", "ulw", "ulth", "ulwave", "uldash", "uldashd",
                                 "uldashdd", "ulhwave", "ulldash", "ulthd", "ulthdash", "ulthdashd",
                                 "ulthdashdd", "ulthldash", "ululdbwave"}) {
            t[name] = {Kw::Ul};
        }
        t["ulnone"] = {Kw::UlNone};
        t["strike"] = {Kw::Strike};
        t["striked"] = {Kw::Strike};
        t["cf"] = {Kw::Cf};
        t["highlight"] = {Kw::Highlight};
        t["cb"] = {Kw::Highlight};
        t["chcbpat"] = {Kw::Highlight};
        t["super"] = {Kw::Super};
        t["sub"] = {Kw::Sub};
        t["nosupersub"] = {Kw::NoSuperSub};
        t["v"] = {Kw::Hidden};
        t["pard"] = {Kw::Pard};
        t["ql"] = {Kw::Ql};
        t["qc"] = {Kw::Qc};
        t["qr"] = {Kw::Qr};
        t["qj"] = {Kw::Qj};
        t["li"] = {Kw::Li};
        t["ri"] = {Kw::Ri};
        t["fi"] = {Kw::Fi};
        t["sb"] = {Kw::Sb};
        t["sa"] = {Kw::Sa};
        t["tx"] = {Kw::Tx};
        t["tqr"] = {Kw::Tqr};
        t["tqc"] = {Kw::Tqc};
        t["tqdec"] = {Kw::Tqdec};
        t["fcharset"] = {Kw::FCharset};
        t["cpg"] = {Kw::Cpg};
        t["red"] = {Kw::Red};
        t["green"] = {Kw::Green};
        t["blue"] = {Kw::Blue};
        return t;
    }();
    return table;
}

Keyword Lookup(std::string_view word)
{
    const auto& table = Keywords();
    auto found = table.find(word);
    return found == table.end() ? Keyword{} : found->second;
}

bool IsDestination(Kw kw)
{
    return kw == Kw::FontTable || kw == Kw::ColourTable || kw == Kw::SkipDestination;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Bytes that end a run of plain text.
bool IsSpecial(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0';
}

int32_t ClampTwips(int value)
{
    return std::clamp(value, -100000, 100000);
}

constexpr int kNoFont = std::numeric_limits<int>::min();
constexpr size_t kMaxFontNameBytes = 1024;

} // namespace

const CRtfReader::Font* CRtfReader::FindFont(int number) const
{
    if (number < 0) {
        number = m_nDefaultFont;
    }
    auto found = m_fonts.find(number);
    return found == m_fonts.end() ? nullptr : &found->second;
}

std::optional<QRgb> CRtfReader::Colour(int index) const
{
    // Index 0 is the automatic colour whatever the table says.
    if (index <= 0 || size_t(index) >= m_colours.size()) {
        return std::nullopt;
    }
    return m_colours[size_t(index)];
}

void CRtfReader::Reset()
{
    m_stack.clear();
    m_state = Group{};
    m_bGroupStart = false;
    m_bIgnorable = false;
    m_nSkip = 0;
    m_bSkipTrail = false;
    m_nAnsiCodePage = CRtfCodePage::kDefault;
    m_nDefaultFont = 0;
    m_fonts.clear();
    m_nCachedFont = kNoFont;
    m_bFontPending = false;
    m_strNewName.clear();
    m_strNewRealName.clear();
    m_colours.clear();
    m_nRed = m_nGreen = m_nBlue = -1;
    m_bytes.clear();
    m_text.clear();
    m_highSurrogate = 0;
    m_pendingParagraph.reset();
    m_nextTabKind = RtfTab::Left;
}

void CRtfReader::Parse(std::string_view rtf, Sink& sink)
{
    Reset();
    m_pSink = &sink;
    m_p = rtf.data();
    m_pEnd = rtf.data() + rtf.size();

    while (m_p < m_pEnd) {
        const char c = *m_p;
        switch (c) {
        case '{':
            ++m_p;
            OpenGroup();
            break;
        case '}':
            ++m_p;
            CloseGroup();
            break;
        case '\\':
            ++m_p;
            Control();
            break;
        case '\r':
        case '\n':
        case '\0':
            ++m_p;
            break;
        default:
            if (m_bIgnorable) {
                m_bIgnorable = false;
                SkipGroup();
                break;
            }
            m_bGroupStart = false;
            if (m_state.dest == Dest::Text && m_nSkip == 0 && !m_bSkipTrail) {
                const char* start = m_p;
                while (m_p < m_pEnd && !IsSpecial(*m_p)) {
                    ++m_p;
                }
                if (!m_state.hidden) {
                    m_bytes.append(start, size_t(m_p - start));
                }
            } else {
                ++m_p;
                TextByte(c, false);
            }
            break;
        }
    }

    FlushBytes();
    if (m_state.dest == Dest::FontTable && m_bFontPending) {
        CommitFont();
    }
    ResolveSurrogate();
    FlushText();
    if (m_pendingParagraph) {
        m_pSink->Finish(m_pendingParagraph->first, m_pendingParagraph->second);
    } else {
        m_pSink->Finish(m_state.paragraph, m_state.chars);
    }
    m_pSink = nullptr;
    m_p = m_pEnd = nullptr;
}

void CRtfReader::ReadControlWord(std::string_view& word, bool& hasParam, int& param)
{
    const char* start = m_p;
    while (m_p < m_pEnd && IsLetter(*m_p)) {
        ++m_p;
    }
    word = std::string_view(start, size_t(std::min<ptrdiff_t>(m_p - start, 32)));
    bool negative = false;
    if (m_p + 1 < m_pEnd && *m_p == '-' && IsDigit(m_p[1])) {
        negative = true;
        ++m_p;
    }
    hasParam = false;
    int64_t value = 0;
    while (m_p < m_pEnd && IsDigit(*m_p)) {
        hasParam = true;
        value = std::min<int64_t>(value * 10 + (*m_p - '0'), 1'000'000'000);
        ++m_p;
    }
    param = int(negative ? -value : value);
    if (m_p < m_pEnd && *m_p == ' ') {
        ++m_p;
    }
}

void CRtfReader::Control()
{
    if (m_p >= m_pEnd) {
        return;
    }
    const char c = *m_p;
    if (IsLetter(c)) {
        std::string_view word;
        bool hasParam = false;
        int param = 0;
        ReadControlWord(word, hasParam, param);
        ControlWord(word, hasParam, param);
        return;
    }
    if (c == '\'') {
        if (m_pEnd - m_p >= 3) {
            const int high = HexValue(m_p[1]);
            const int low = HexValue(m_p[2]);
            if (high >= 0 && low >= 0) {
                m_p += 3;
                TextByte(char(high * 16 + low), true);
                return;
            }
        }
        // A broken escape: drop it and read on.
        ++m_p;
        return;
    }
    if (static_cast<unsigned char>(c) >= 0x80) {
        // A backslash before a letter of the code page (raw text from the
        // version-1 import): keep the letter.
        return;
    }
    ++m_p;
    ControlSymbol(c);
}

void CRtfReader::ControlSymbol(char symbol)
{
    if (symbol == '*') {
        m_bIgnorable = true;
        return;
    }
    m_bGroupStart = false;
    if (m_bIgnorable) {
        m_bIgnorable = false;
        SkipGroup();
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        TextByte(symbol, true);
        return;
    default:
        break;
    }
    if (SkipFallback(-1) || m_state.dest != Dest::Text) {
        return;
    }
    switch (symbol) {
    case '~':
        AppendChar(0x00A0);
        break;
    case '-':
        AppendChar(0x00AD);
        break;
    case '_':
        AppendChar(0x2011);
        break;
    case '\r':
    case '\n':
        ParagraphBreak();
        break;
    default:
        break;
    }
}

void CRtfReader::ControlWord(std::string_view word, bool hasParam, int param)
{
    const bool groupStart = m_bGroupStart;
    const bool ignorable = m_bIgnorable;
    m_bGroupStart = false;
    m_bIgnorable = false;

    if (ignorable) {
        if (word == "fname" && m_state.dest == Dest::FontTable) {
            FlushBytes();
            m_state.dest = Dest::FontName;
        } else {
            SkipGroup();
        }
        return;
    }

    const Keyword keyword = Lookup(word);
    if (IsDestination(keyword.kw)) {
        // A destination word inside a group is most likely a backslash in
        // raw text; only at the start of a group does it open one.
        if (!groupStart) {
            return;
        }
        FlushBytes();
        FlushText();
        switch (keyword.kw) {
        case Kw::FontTable:
            m_state.dest = Dest::FontTable;
            m_bFontPending = false;
            break;
        case Kw::ColourTable:
            m_state.dest = Dest::ColourTable;
            m_colours.clear();
            m_nRed = m_nGreen = m_nBlue = -1;
            break;
        default:
            SkipGroup();
            break;
        }
        return;
    }

    if (keyword.kw == Kw::Bin) {
        // Binary data counts as one fallback character and is never text.
        SkipFallback(-1);
        const ptrdiff_t length = std::clamp<ptrdiff_t>(param, 0, m_pEnd - m_p);
        m_p += length;
        return;
    }
    if (keyword.kw == Kw::Uc) {
        m_state.unicodeSkip = uint8_t(std::clamp(param, 0, kMaxUnicodeSkip));
        return;
    }
    if (SkipFallback(-1)) {
        return;
    }

    switch (m_state.dest) {
    case Dest::FontTable:
    case Dest::FontName:
        FontTableWord(keyword.kw, param);
        return;
    case Dest::ColourTable: {
        const int component = std::clamp(param, 0, 255);
        if (keyword.kw == Kw::Red) {
            m_nRed = component;
        } else if (keyword.kw == Kw::Green) {
            m_nGreen = component;
        } else if (keyword.kw == Kw::Blue) {
            m_nBlue = component;
        }
        return;
    }
    case Dest::Text:
        break;
    }
    TextWord(keyword.kw, keyword.ch, hasParam, param);
}

void CRtfReader::FontTableWord(RtfKeyword kw, int param)
{
    switch (kw) {
    case Kw::F:
        if (m_state.dest == Dest::FontTable) {
            FlushBytes();
            if (m_bFontPending) {
                CommitFont();
            }
            m_bFontPending = true;
            m_nNewFont = param;
            m_nNewCharset = -1;
            m_nNewCodePage = 0;
            m_strNewName.clear();
            m_strNewRealName.clear();
        }
        break;
    case Kw::FCharset:
        FlushBytes();
        m_nNewCharset = param;
        break;
    case Kw::Cpg:
        FlushBytes();
        m_nNewCodePage = param;
        break;
    case Kw::U: {
        FlushBytes();
        QString& name = m_state.dest == Dest::FontName ? m_strNewRealName : m_strNewName;
        const char16_t c = char16_t(param & 0xFFFF);
        if (c >= 0x20 && name.size() < kMaxFontName) {
            name.append(QChar(c));
        }
        m_nSkip = m_state.unicodeSkip;
        m_bSkipTrail = false;
        break;
    }
    default:
        break;
    }
}

void CRtfReader::TextWord(RtfKeyword kw, char16_t ch, bool hasParam, int param)
{
    const bool on = !hasParam || param != 0;
    RtfCharState& chars = m_state.chars;
    RtfParState& paragraph = m_state.paragraph;

    // Words that only add text keep the current run open.
    switch (kw) {
    case Kw::U:
        AppendUnicode(param);
        m_nSkip = m_state.unicodeSkip;
        m_bSkipTrail = false;
        return;
    case Kw::Tab:
        AppendChar(u'\t');
        return;
    case Kw::Line:
        AppendChar(0x2028);
        return;
    case Kw::Char:
        AppendChar(ch);
        return;
    case Kw::Par:
        ParagraphBreak();
        return;
    case Kw::Unknown:
    case Kw::Red:
    case Kw::Green:
    case Kw::Blue:
    case Kw::FCharset:
    case Kw::Cpg:
        return;
    default:
        break;
    }

    FlushBytes();
    FlushText();
    switch (kw) {
    case Kw::Mac:
        m_nAnsiCodePage = 10000;
        m_nCachedFont = kNoFont;
        break;
    case Kw::Pc:
        m_nAnsiCodePage = 437;
        m_nCachedFont = kNoFont;
        break;
    case Kw::Pca:
        m_nAnsiCodePage = 850;
        m_nCachedFont = kNoFont;
        break;
    case Kw::AnsiCpg:
        if (CRtfCodePage::IsSupported(param)) {
            m_nAnsiCodePage = param;
            m_nCachedFont = kNoFont;
        }
        break;
    case Kw::Deff:
        m_nDefaultFont = param;
        m_nCachedFont = kNoFont;
        break;
    case Kw::Plain:
        chars = RtfCharState{};
        m_state.hidden = false;
        break;
    case Kw::F:
        chars.font = std::max(param, 0);
        break;
    case Kw::Fs:
        chars.halfPoints = param > 0 ? std::min(param, 3276) : 24;
        break;
    case Kw::B:
        chars.bold = on;
        break;
    case Kw::I:
        chars.italic = on;
        break;
    case Kw::Ul:
        chars.underline = on;
        break;
    case Kw::UlNone:
        chars.underline = false;
        break;
    case Kw::Strike:
        chars.strike = on;
        break;
    case Kw::Cf:
        chars.foreground = std::max(param, 0);
        break;
    case Kw::Highlight:
        chars.background = std::max(param, 0);
        break;
    case Kw::Super:
        chars.vertical = 1;
        break;
    case Kw::Sub:
        chars.vertical = -1;
        break;
    case Kw::NoSuperSub:
        chars.vertical = 0;
        break;
    case Kw::Hidden:
        m_state.hidden = on;
        break;
    case Kw::Pard:
        paragraph = RtfParState{};
        m_nextTabKind = RtfTab::Left;
        break;
    case Kw::Ql:
        paragraph.align = RtfParState::Left;
        break;
    case Kw::Qc:
        paragraph.align = RtfParState::Center;
        break;
    case Kw::Qr:
        paragraph.align = RtfParState::Right;
        break;
    case Kw::Qj:
        paragraph.align = RtfParState::Justify;
        break;
    case Kw::Li:
        paragraph.leftIndent = ClampTwips(param);
        break;
    case Kw::Ri:
        paragraph.rightIndent = ClampTwips(param);
        break;
    case Kw::Fi:
        paragraph.firstIndent = ClampTwips(param);
        break;
    case Kw::Sb:
        paragraph.spaceBefore = std::max(ClampTwips(param), 0);
        break;
    case Kw::Sa:
        paragraph.spaceAfter = std::max(ClampTwips(param), 0);
        break;
    case Kw::Tx:
        if (paragraph.tabCount < RtfParState::kMaxTabs) {
            paragraph.tabs[paragraph.tabCount++] = {std::max(ClampTwips(param), 0), m_nextTabKind};
        }
        m_nextTabKind = RtfTab::Left;
        break;
    case Kw::Tqr:
        m_nextTabKind = RtfTab::Right;
        break;
    case Kw::Tqc:
        m_nextTabKind = RtfTab::Center;
        break;
    case Kw::Tqdec:
        m_nextTabKind = RtfTab::Decimal;
        break;
    default:
        break;
    }
}

void CRtfReader::OpenGroup()
{
    FlushBytes();
    FlushText();
    m_nSkip = 0;
    m_bSkipTrail = false;
    m_bIgnorable = false;
    if (m_stack.size() >= size_t(kMaxDepth)) {
        // Too deep to be a real document: pass over the whole group.
        SkipGroup();
        if (m_p < m_pEnd) {
            ++m_p;
        }
        return;
    }
    m_stack.push_back(m_state);
    m_bGroupStart = true;
}

void CRtfReader::CloseGroup()
{
    m_bGroupStart = false;
    m_bIgnorable = false;
    m_nSkip = 0;
    m_bSkipTrail = false;
    if (!m_stack.empty()) {
        FlushBytes();
        FlushText();
        if (m_state.dest == Dest::FontTable && m_bFontPending) {
            CommitFont();
        }
        if (m_state.dest == Dest::ColourTable && (m_nRed >= 0 || m_nGreen >= 0 || m_nBlue >= 0)) {
            CommitColour();
        }
        m_state = m_stack.back();
        m_stack.pop_back();
    }
    // Extra closing braces are ignored. Once the outermost group is closed,
    // a closing brace still to come means this one was a stray brace in raw
    // text (the version-1 import); without one this was the document's last
    // brace, and what follows (rich edit's CR/LF and zero byte, a mail
    // signature) is not part of the document.
    if (m_stack.empty() && std::memchr(m_p, '}', size_t(m_pEnd - m_p)) == nullptr) {
        m_p = m_pEnd;
    }
}

void CRtfReader::SkipGroup()
{
    m_bGroupStart = false;
    m_bIgnorable = false;
    int level = 0;
    while (m_p < m_pEnd) {
        const char c = *m_p;
        if (c == '{') {
            ++level;
        } else if (c == '}') {
            if (level == 0) {
                return; // the caller deals with the group's own brace
            }
            --level;
        } else if (c == '\\') {
            ++m_p;
            if (m_p >= m_pEnd) {
                return;
            }
            if (IsLetter(*m_p)) {
                std::string_view word;
                bool hasParam = false;
                int param = 0;
                ReadControlWord(word, hasParam, param);
                if (word == "bin" && param > 0) {
                    m_p += std::min<ptrdiff_t>(param, m_pEnd - m_p);
                }
                continue;
            }
        }
        ++m_p;
    }
}

bool CRtfReader::SkipFallback(int byte)
{
    if (m_bSkipTrail) {
        m_bSkipTrail = false;
        if (byte >= 0) {
            if (m_nSkip > 0) {
                --m_nSkip;
            }
            return true;
        }
    }
    if (m_nSkip == 0) {
        return false;
    }
    --m_nSkip;
    if (byte >= 0 &&
        CRtfCodePage::IsLeadByte(CurrentCodePage(), static_cast<unsigned char>(byte))) {
        m_bSkipTrail = true;
    }
    return true;
}

void CRtfReader::TextByte(char byte, bool escaped)
{
    m_bGroupStart = false;
    if (m_bIgnorable) {
        m_bIgnorable = false;
        SkipGroup();
        return;
    }
    if (SkipFallback(static_cast<unsigned char>(byte))) {
        return;
    }
    switch (m_state.dest) {
    case Dest::Text:
        if (!m_state.hidden) {
            m_bytes.push_back(byte);
        }
        break;
    case Dest::FontTable:
        if (byte == ';' && !escaped) {
            FlushBytes();
            if (m_bFontPending) {
                CommitFont();
            }
        } else if (m_bytes.size() < kMaxFontNameBytes) {
            m_bytes.push_back(byte);
        }
        break;
    case Dest::FontName:
        if ((byte != ';' || escaped) && m_bytes.size() < kMaxFontNameBytes) {
            m_bytes.push_back(byte);
        }
        break;
    case Dest::ColourTable:
        if (byte == ';') {
            CommitColour();
        }
        break;
    }
}

void CRtfReader::AppendChar(char16_t c)
{
    FlushBytes();
    ResolveSurrogate();
    if (m_state.hidden || m_state.dest != Dest::Text) {
        return;
    }
    // Besides controls: Qt's frame markers, and the object replacement
    // character, which would stand for a picture that is not there.
    if ((c < 0x20 && c != u'\t') || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC) {
        return;
    }
    m_text.append(QChar(c));
}

void CRtfReader::AppendUnicode(int value)
{
    const char16_t c = char16_t(value & 0xFFFF);
    if (c == 0x2029) {
        ParagraphBreak();
        return;
    }
    if (QChar::isHighSurrogate(c)) {
        FlushBytes();
        ResolveSurrogate();
        m_highSurrogate = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        FlushBytes();
        if (m_highSurrogate != 0) {
            if (!m_state.hidden) {
                m_text.append(QChar(m_highSurrogate));
                m_text.append(QChar(c));
            }
            m_highSurrogate = 0;
        } else {
            AppendChar(0xFFFD);
        }
        return;
    }
    AppendChar(c);
}

void CRtfReader::ResolveSurrogate()
{
    if (m_highSurrogate != 0) {
        m_highSurrogate = 0;
        if (!m_state.hidden && m_state.dest == Dest::Text) {
            m_text.append(QChar(0xFFFD));
        }
    }
}

void CRtfReader::ParagraphBreak()
{
    FlushBytes();
    ResolveSurrogate();
    FlushText();
    // A paragraph mark only takes effect when something follows it: the
    // final \par of a document ends its last paragraph, it does not open an
    // empty one.
    if (m_pendingParagraph) {
        m_pSink->ParagraphEnd(m_pendingParagraph->first, m_pendingParagraph->second);
    }
    m_pendingParagraph.emplace(m_state.paragraph, m_state.chars);
}

void CRtfReader::FlushBytes()
{
    if (m_bytes.empty()) {
        return;
    }
    switch (m_state.dest) {
    case Dest::Text:
        ResolveSurrogate();
        CRtfCodePage::Decode(CurrentCodePage(), m_bytes, m_text);
        break;
    case Dest::FontTable:
    case Dest::FontName: {
        QString& name = m_state.dest == Dest::FontName ? m_strNewRealName : m_strNewName;
        int codePage = m_nNewCodePage;
        if (!CRtfCodePage::IsSupported(codePage)) {
            codePage = CRtfCodePage::FromCharset(m_nNewCharset);
        }
        if (codePage == 0 || codePage == CRtfCodePage::kSymbol) {
            codePage = m_nAnsiCodePage;
        }
        CRtfCodePage::Decode(codePage, m_bytes, name);
        if (name.size() > kMaxFontName) {
            name.truncate(kMaxFontName);
        }
        break;
    }
    case Dest::ColourTable:
        break;
    }
    m_bytes.clear();
}

void CRtfReader::FlushText()
{
    if (m_text.isEmpty()) {
        return;
    }
    if (m_pendingParagraph) {
        m_pSink->ParagraphEnd(m_pendingParagraph->first, m_pendingParagraph->second);
        m_pendingParagraph.reset();
    }
    m_pSink->Text(m_text, m_state.chars);
    m_text.clear();
}

int CRtfReader::CurrentCodePage()
{
    const int font = m_state.chars.font < 0 ? m_nDefaultFont : m_state.chars.font;
    if (font != m_nCachedFont) {
        auto found = m_fonts.find(font);
        m_nCachedCodePage = found != m_fonts.end() && found->second.codePage != 0
                                ? found->second.codePage
                                : m_nAnsiCodePage;
        m_nCachedFont = font;
    }
    return m_nCachedCodePage;
}

void CRtfReader::CommitFont()
{
    m_bFontPending = false;
    Font font;
    font.name = (m_strNewRealName.trimmed().isEmpty() ? m_strNewName : m_strNewRealName).trimmed();
    if (m_nNewCodePage > 0 && CRtfCodePage::IsSupported(m_nNewCodePage)) {
        font.codePage = m_nNewCodePage;
    } else {
        font.codePage = CRtfCodePage::FromCharset(m_nNewCharset);
    }
    m_fonts[m_nNewFont] = std::move(font);
    m_strNewName.clear();
    m_strNewRealName.clear();
    m_nCachedFont = kNoFont;
}

void CRtfReader::CommitColour()
{
    if (m_colours.size() < kMaxColours) {
        if (m_nRed < 0 && m_nGreen < 0 && m_nBlue < 0) {
            m_colours.emplace_back(std::nullopt);
        } else {
            m_colours.emplace_back(
                qRgb(std::max(m_nRed, 0), std::max(m_nGreen, 0), std::max(m_nBlue, 0)));
        }
    }
    m_nRed = m_nGreen = m_nBlue = -1;
}
