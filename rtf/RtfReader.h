// The RTF tokenizer and interpreter shared by the document builder and the
// plain-text extraction: both see exactly the same text and breaks.
#pragma once

#include "rtf/RtfColourTable.h"
#include "rtf/RtfFontTable.h"
#include "rtf/RtfFormatting.h"
#include "rtf/RtfPicture.h"

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
        // A picture stands in the text here. A sink that does not want the
        // pictures' data gets an empty picture, and the reader passes over it.
        virtual void Picture(const RtfPicture& picture, const RtfCharState& format) = 0;
        virtual bool WantsPictureData() const { return true; }
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
        ColourTable,
        Picture
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
    void BeginPicture();
    void PictureWord(RtfKeyword kw, std::string_view word, bool hasParam, int param);
    void PictureBytes(const char* begin, const char* end);
    // closed: the group's closing brace was read (m_p is just past it).
    void EndPicture(bool closed);
    void EmitPicture(const RtfPicture& picture);
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

    // The \pict group being read.
    const char* m_pGroupOpen = nullptr; // the brace of the group opened last
    const char* m_pPictureStart = nullptr;
    size_t m_nPictureDepth = 0; // stack depth inside the picture's group
    RtfPicture m_picture;
    std::string m_strPictureKind; // the kind's word and number, e.g. "wmetafile8"
    int m_nHalfByte = -1;         // a hex digit waiting for its partner
    bool m_bPictureBinary = false;
};
