#include "rtf/RtfReader.h"

#include "rtf/RtfCodePage.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

namespace {

using Kw = RtfKeyword;

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

constexpr size_t kMaxFontNameBytes = 1024;

} // namespace

void CRtfReader::Reset()
{
    m_stack.clear();
    m_state = Group{};
    m_bGroupStart = false;
    m_bIgnorable = false;
    m_nSkip = 0;
    m_bSkipTrail = false;
    m_formatting.Reset();
    m_nAnsiCodePage = CRtfCodePage::kDefault;
    m_nDefaultFont = 0;
    m_fonts.Clear();
    m_colours.Clear();
    m_bytes.clear();
    m_text.clear();
    m_highSurrogate = 0;
    m_pendingParagraph.reset();
    m_pGroupOpen = nullptr;
    m_pPictureStart = nullptr;
    m_nPictureDepth = 0;
    m_picture = RtfPicture{};
    m_strPictureKind.clear();
    m_nHalfByte = -1;
    m_bPictureBinary = false;
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
            if (m_state.dest == Dest::Picture) {
                const char* start = m_p;
                while (m_p < m_pEnd && !IsSpecial(*m_p)) {
                    ++m_p;
                }
                PictureBytes(start, m_p);
            } else if (m_state.dest == Dest::Text && m_nSkip == 0 && !m_bSkipTrail) {
                const char* start = m_p;
                while (m_p < m_pEnd && !IsSpecial(*m_p)) {
                    ++m_p;
                }
                if (!m_state.format.hidden) {
                    m_bytes.append(start, size_t(m_p - start));
                }
            } else {
                ++m_p;
                TextByte(c, false);
            }
            break;
        }
    }

    if (m_state.dest == Dest::Picture && m_nPictureDepth > 0 && m_nPictureDepth <= m_stack.size()) {
        // A truncated picture: what was read of it stands in the text.
        m_state = m_stack[m_nPictureDepth - 1];
        m_stack.resize(m_nPictureDepth - 1);
        EndPicture(false);
    }
    FlushBytes();
    if (m_state.dest == Dest::FontTable && m_fonts.IsOpen()) {
        m_fonts.End();
    }
    ResolveSurrogate();
    FlushText();
    if (m_pendingParagraph) {
        m_pSink->Finish(m_pendingParagraph->first, m_pendingParagraph->second);
    } else {
        m_pSink->Finish(m_state.format.paragraph, m_state.format.chars);
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
        } else if (word == "shppict" && m_state.dest == Dest::Text) {
            // Word's picture for readers that know pictures (its twin
            // \nonshppict is skipped): the \pict inside is read as usual.
        } else {
            SkipGroup();
        }
        return;
    }

    const CRtfKeywords::Entry keyword = CRtfKeywords::Lookup(word);
    if (CRtfKeywords::IsDestination(keyword.kw)) {
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
            // An entry left open by an earlier table is dropped.
            m_fonts.Abandon();
            break;
        case Kw::ColourTable:
            m_state.dest = Dest::ColourTable;
            m_colours.Clear();
            break;
        case Kw::Picture:
            BeginPicture();
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
        if (m_state.dest == Dest::Picture) {
            m_bPictureBinary = true;
            m_nHalfByte = -1;
            m_picture.data.append(m_p, length);
        }
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
    case Dest::ColourTable:
        if (keyword.kw == Kw::Red) {
            m_colours.SetRed(param);
        } else if (keyword.kw == Kw::Green) {
            m_colours.SetGreen(param);
        } else if (keyword.kw == Kw::Blue) {
            m_colours.SetBlue(param);
        }
        return;
    case Dest::Picture:
        PictureWord(keyword.kw, word, hasParam, param);
        return;
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
            m_fonts.Begin(param);
        }
        break;
    case Kw::FCharset:
        FlushBytes();
        m_fonts.SetCharset(param);
        break;
    case Kw::Cpg:
        FlushBytes();
        m_fonts.SetCodePage(param);
        break;
    case Kw::U:
        FlushBytes();
        m_fonts.AppendName(m_state.dest == Dest::FontName, char16_t(param & 0xFFFF));
        m_nSkip = m_state.unicodeSkip;
        m_bSkipTrail = false;
        break;
    default:
        break;
    }
}

void CRtfReader::TextWord(RtfKeyword kw, char16_t ch, bool hasParam, int param)
{
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
        break;
    case Kw::Pc:
        m_nAnsiCodePage = 437;
        break;
    case Kw::Pca:
        m_nAnsiCodePage = 850;
        break;
    case Kw::AnsiCpg:
        if (CRtfCodePage::IsSupported(param)) {
            m_nAnsiCodePage = param;
        }
        break;
    case Kw::Deff:
        m_nDefaultFont = param;
        break;
    default:
        m_formatting.Apply(kw, hasParam, param, m_state.format);
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
    m_pGroupOpen = m_p - 1;
    if (m_state.dest == Dest::Picture) {
        // A group inside a picture (its properties, or damage) is neither
        // text nor a table: it is passed over, as reading the plain text
        // passes over the whole picture.
        SkipGroup();
    }
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
        if (m_state.dest == Dest::FontTable && m_fonts.IsOpen()) {
            m_fonts.End();
        }
        if (m_state.dest == Dest::ColourTable && m_colours.HasComponents()) {
            m_colours.EndEntry();
        }
        const bool picture = m_state.dest == Dest::Picture && m_stack.size() == m_nPictureDepth;
        m_state = m_stack.back();
        m_stack.pop_back();
        if (picture) {
            EndPicture(true);
        }
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
        if (!m_state.format.hidden) {
            m_bytes.push_back(byte);
        }
        break;
    case Dest::FontTable:
        if (byte == ';' && !escaped) {
            FlushBytes();
            if (m_fonts.IsOpen()) {
                m_fonts.End();
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
            m_colours.EndEntry();
        }
        break;
    case Dest::Picture:
        if (!escaped) {
            PictureBytes(&byte, &byte + 1);
        }
        break;
    }
}

void CRtfReader::AppendChar(char16_t c)
{
    FlushBytes();
    ResolveSurrogate();
    if (m_state.format.hidden || m_state.dest != Dest::Text) {
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
            if (!m_state.format.hidden) {
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
        if (!m_state.format.hidden && m_state.dest == Dest::Text) {
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
    m_pendingParagraph.emplace(m_state.format.paragraph, m_state.format.chars);
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
    case Dest::FontName:
        m_fonts.AppendName(m_state.dest == Dest::FontName, m_bytes, m_nAnsiCodePage);
        break;
    case Dest::ColourTable:
    case Dest::Picture:
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
    m_pSink->Text(m_text, m_state.format.chars);
    m_text.clear();
}

void CRtfReader::BeginPicture()
{
    if (m_state.dest != Dest::Text || m_state.format.hidden) {
        SkipGroup();
        return;
    }
    if (!m_pSink->WantsPictureData()) {
        SkipGroup();
        EmitPicture(RtfPicture{});
        return;
    }
    m_state.dest = Dest::Picture;
    m_pPictureStart = m_pGroupOpen;
    m_nPictureDepth = m_stack.size();
    m_picture = RtfPicture{};
    m_strPictureKind.clear();
    m_nHalfByte = -1;
    m_bPictureBinary = false;
}

void CRtfReader::PictureWord(RtfKeyword kw, std::string_view word, bool hasParam, int param)
{
    switch (kw) {
    case Kw::PngBlip:
        m_picture.kind = RtfPicture::Png;
        break;
    case Kw::JpegBlip:
        m_picture.kind = RtfPicture::Jpeg;
        break;
    case Kw::PicW:
        m_picture.pixelWidth = param;
        return;
    case Kw::PicH:
        m_picture.pixelHeight = param;
        return;
    case Kw::PicWGoal:
        m_picture.goalWidth = param;
        return;
    case Kw::PicHGoal:
        m_picture.goalHeight = param;
        return;
    default: {
        // The kinds this program does not show; every other word in the
        // group describes the picture further and is kept with the group.
        static constexpr std::string_view kOtherKinds[] = {"wmetafile", "emfblip", "dibitmap",
                                                           "wbitmap",   "macpict", "pmmetafile"};
        if (std::find(std::begin(kOtherKinds), std::end(kOtherKinds), word) ==
            std::end(kOtherKinds)) {
            return;
        }
        m_picture.kind = RtfPicture::Other;
        break;
    }
    }
    m_strPictureKind.assign(word);
    if (hasParam) {
        m_strPictureKind += std::to_string(param);
    }
}

void CRtfReader::PictureBytes(const char* begin, const char* end)
{
    for (const char* p = begin; p < end; ++p) {
        const int value = HexValue(*p);
        if (value < 0) {
            continue;
        }
        if (m_nHalfByte < 0) {
            m_nHalfByte = value;
        } else {
            m_picture.data.append(char(m_nHalfByte * 16 + value));
            m_nHalfByte = -1;
        }
    }
}

void CRtfReader::EndPicture(bool closed)
{
    RtfPicture picture = std::move(m_picture);
    m_picture = RtfPicture{};
    m_nPictureDepth = 0;
    if (m_strPictureKind.empty()) {
        // A group that names no kind of picture holds nothing to show.
        picture.kind = RtfPicture::Other;
    }
    if (picture.kind == RtfPicture::Other) {
        // Kept as read, so that writing it again loses nothing. Only a group
        // that cannot go back into 7-bit RTF as it is (cut short, binary
        // data) is written afresh from what was read of it.
        const std::string_view raw(m_pPictureStart, size_t(m_p - m_pPictureStart));
        const bool clean =
            closed && !m_bPictureBinary && std::all_of(raw.begin(), raw.end(), [](char c) {
                return c != 0 && static_cast<unsigned char>(c) < 0x80;
            });
        if (clean) {
            picture.group = QByteArray(raw.data(), qsizetype(raw.size()));
        } else {
            std::string group = "{\\pict";
            if (!m_strPictureKind.empty()) {
                group += '\\' + m_strPictureKind;
            }
            const auto word = [&group](const char* name, int value) {
                if (value > 0) {
                    group += '\\';
                    group += name;
                    group += std::to_string(value);
                }
            };
            word("picw", picture.pixelWidth);
            word("pich", picture.pixelHeight);
            word("picwgoal", picture.goalWidth);
            word("pichgoal", picture.goalHeight);
            group += '\n';
            group += picture.data.toHex().toStdString();
            group += '}';
            picture.group = QByteArray::fromStdString(group);
        }
        picture.data.clear();
    }
    m_strPictureKind.clear();
    m_nHalfByte = -1;
    m_bPictureBinary = false;
    EmitPicture(picture);
}

void CRtfReader::EmitPicture(const RtfPicture& picture)
{
    FlushBytes();
    ResolveSurrogate();
    FlushText();
    if (m_pendingParagraph) {
        m_pSink->ParagraphEnd(m_pendingParagraph->first, m_pendingParagraph->second);
        m_pendingParagraph.reset();
    }
    m_pSink->Picture(picture, m_state.format.chars);
}
