// The RTF tokenizer and interpreter shared by the document builder and the
// plain-text extraction: both see exactly the same text and breaks.
#pragma once

#include <QRgb>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class RtfKeyword : uint8_t;

// Character formatting as far as the entry view shows it.
struct RtfCharState
{
    int font = -1;       // \fN; -1 = the document's default font (\deff)
    int halfPoints = 24; // \fsN
    int foreground = 0;  // colour table index; 0 = automatic
    int background = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int8_t vertical = 0; // 1 superscript, -1 subscript

    bool operator==(const RtfCharState&) const = default;
};

struct RtfTab
{
    enum Kind : uint8_t
    {
        Left,
        Center,
        Right,
        Decimal
    };
    int32_t twips = 0;
    Kind kind = Left;

    bool operator==(const RtfTab&) const = default;
};

// Paragraph formatting; lengths in twips.
struct RtfParState
{
    enum Align : uint8_t
    {
        Left,
        Center,
        Right,
        Justify
    };
    static constexpr int kMaxTabs = 32;

    Align align = Left;
    int32_t leftIndent = 0;
    int32_t rightIndent = 0;
    int32_t firstIndent = 0;
    int32_t spaceBefore = 0;
    int32_t spaceAfter = 0;
    uint8_t tabCount = 0;
    std::array<RtfTab, kMaxTabs> tabs{};

    bool operator==(const RtfParState&) const = default;
};

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

    struct Font
    {
        QString name;
        int codePage = 0; // 0: the document's \ansicpg
    };

    void Parse(std::string_view rtf, Sink& sink);

    // Valid during and after Parse: the font and colour tables read so far.
    const Font* FindFont(int number) const;
    std::optional<QRgb> Colour(int index) const;

    static constexpr int kMaxDepth = 200;
    static constexpr int kMaxUnicodeSkip = 10;
    static constexpr size_t kMaxColours = 4096;
    static constexpr qsizetype kMaxFontName = 255;

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
        RtfCharState chars;
        RtfParState paragraph;
        Dest dest = Dest::Text;
        uint8_t unicodeSkip = 1;
        bool hidden = false;
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
    int CurrentCodePage();
    void CommitFont();
    void CommitColour();
    // True when this token is one of the fallback characters after \u.
    // byte: the token's byte, or -1 for a control word or symbol.
    bool SkipFallback(int byte);

    Sink* m_pSink = nullptr;
    const char* m_p = nullptr;
    const char* m_pEnd = nullptr;

    std::vector<Group> m_stack;
    Group m_state;
    bool m_bGroupStart = false;
    bool m_bIgnorable = false;
    int m_nSkip = 0;           // fallback characters still to skip after \u
    bool m_bSkipTrail = false; // the skipped byte was a lead byte

    int m_nAnsiCodePage = 1252;
    int m_nDefaultFont = 0;
    std::map<int, Font> m_fonts;
    int m_nCachedFont = -3;
    int m_nCachedCodePage = 1252;

    // Font table entry being read.
    int m_nNewFont = 0;
    int m_nNewCharset = -1;
    int m_nNewCodePage = 0;
    QString m_strNewName;
    QString m_strNewRealName;
    bool m_bFontPending = false;

    std::vector<std::optional<QRgb>> m_colours;
    int m_nRed = -1, m_nGreen = -1, m_nBlue = -1;

    std::string m_bytes; // undecoded text bytes of the current run
    QString m_text;      // decoded text not yet handed to the sink
    char16_t m_highSurrogate = 0;

    std::optional<std::pair<RtfParState, RtfCharState>> m_pendingParagraph;
    RtfTab::Kind m_nextTabKind = RtfTab::Left;
};
