// The control words the reader acts on; every other word is passed over.
#pragma once

#include <cstdint>
#include <string_view>

enum class RtfKeyword : uint8_t
{
    Unknown,
    // destinations: only at the start of a group (or after \*)
    FontTable,
    ColourTable,
    Picture,
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
    // pictures
    PngBlip,
    JpegBlip,
    PicW,
    PicH,
    PicWGoal,
    PicHGoal,
};

class CRtfKeywords
{
public:
    struct Entry
    {
        RtfKeyword kw = RtfKeyword::Unknown;
        char16_t ch = 0; // the character of RtfKeyword::Char
    };

    // The word's meaning; Unknown for words the reader does not know.
    static Entry Lookup(std::string_view word);

    // Words that open a group whose content is no running text.
    static bool IsDestination(RtfKeyword kw)
    {
        return kw == RtfKeyword::FontTable || kw == RtfKeyword::ColourTable ||
               kw == RtfKeyword::Picture || kw == RtfKeyword::SkipDestination;
    }
};
