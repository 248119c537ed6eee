// Character and paragraph formatting as the reader tracks it from control
// words. Plain data without Qt, so the rules can be checked on their own.
#pragma once

#include "rtf/RtfKeywords.h"

#include <array>
#include <cstdint>

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

// The formatting a group carries; a group's end restores its opener's.
struct RtfFormat
{
    RtfCharState chars;
    RtfParState paragraph;
    bool hidden = false; // \v: the text is read but not shown

    bool operator==(const RtfFormat&) const = default;
};

// Applies the character and paragraph formatting words to a group's format.
class CRtfFormatting
{
public:
    // One word (hasParam: it carried a number). Numbers out of range are
    // clamped; words other than formatting words change nothing.
    void Apply(RtfKeyword kw, bool hasParam, int param, RtfFormat& format);

    // Back to the state of a new document.
    void Reset() { m_nextTabKind = RtfTab::Left; }

private:
    // The kind \tqr, \tqc or \tqdec gave to the next \tx. It belongs to no
    // group: only \tx and \pard end it.
    RtfTab::Kind m_nextTabKind = RtfTab::Left;
};
