// The RTF tokenizer and interpreter shared by the document builder and the
// plain-text extraction: both see exactly the same text and breaks.
#pragma once

#include "rtf/RtfColourTable.h"
#include "rtf/RtfFontTable.h"
#include "rtf/RtfFormatting.h"

#include <QRgb>
#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CRtfReader
{
public:
    // Receives the document as runs of text and paragraph ends. The text never
    // holds a paragraph separator: line breaks arrive as U+2028.
    class Sink
    {
    public:
        virtual ~Sink() = default;
        virtual void Text(QStringView text, const RtfCharState& format) = 0;
        // Ends the current paragraph with these formats; a new one begins.
        virtual void ParagraphEnd(const RtfParState& paragraph, const RtfCharState& format) = 0;
        // The formats of the last paragraph; nothing follows.
        virtual void Finish(const RtfParState& paragraph, const RtfCharState& format) = 0;
    };

    using Font = CRtfFontTable::Font;

    void Parse(std::string_view rtf, Sink& sink);

    // Valid during and after Parse: the font and colour tables read so far.
    // A negative font number is the document's default font.
    const Font* FindFont(int number) const
    {
        return m_fonts.Find(number < 0 ? m_nDefaultFont : number);
    }
    std::optional<QRgb> Colour(int index) const { return m_colours.Colour(index); }

    static constexpr int kMaxDepth = 200;
    static constexpr int kMaxUnicodeSkip = 10;

private:
    enum class Dest : uint8_t
    {
        Text,
        FontTable,
        FontName,
        ColourTable
    };
    struct Group
    {
        RtfFormat format;
        Dest dest = Dest::Text;
        uint8_t unicodeSkip = 1;
    };

    void Reset();
    void Control();
    void ReadControlWord(std::string_view& word, bool& hasParam, int& param);
    void ControlWord(std::string_view word, bool hasParam, int param);
    void ControlSymbol(char symbol);
    void FontTableWord(RtfKeyword kw, int param);
    void TextWord(RtfKeyword kw, char16_t ch, bool hasParam, int param);
    // Passes over the rest of the current group, up to its closing brace.
    void SkipGroup();
    void OpenGroup();
    void CloseGroup();
    void TextByte(char byte, bool escaped);
    void AppendChar(char16_t c);
    void AppendUnicode(int value);
    void ParagraphBreak();
    void FlushBytes();
    void FlushText();
    void ResolveSurrogate();
    int CurrentCodePage()
    {
        const int font = m_state.format.chars.font;
        return m_fonts.CodePage(font < 0 ? m_nDefaultFont : font, m_nAnsiCodePage);
    }
    // True when this token is one of the fallback characters after \u.
    // byte: the token's byte, or -1 for a control word or symbol.
    bool SkipFallback(int byte);

    Sink* m_pSink = nullptr;
    const char* m_p = nullptr;
    const char* m_pEnd = nullptr;

    std::vector<Group> m_stack;
    Group m_state;
    CRtfFormatting m_formatting;
    bool m_bGroupStart = false;
    bool m_bIgnorable = false;
    int m_nSkip = 0;           // fallback characters still to skip after \u
    bool m_bSkipTrail = false; // the skipped byte was a lead byte

    int m_nAnsiCodePage = 1252;
    int m_nDefaultFont = 0;
    CRtfFontTable m_fonts;
    CRtfColourTable m_colours;

    std::string m_bytes; // undecoded text bytes of the current run
    QString m_text;      // decoded text not yet handed to the sink
    char16_t m_highSurrogate = 0;

    std::optional<std::pair<RtfParState, RtfCharState>> m_pendingParagraph;
};
