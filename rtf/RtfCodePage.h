// Decoding of the 8-bit text inside RTF: Windows code pages named by
// \ansicpg, \cpg and \fcharset.
#pragma once

#include <QString>
#include <string_view>

class CRtfCodePage
{
public:
    static constexpr int kDefault = 1252;
    // Marks fonts of the symbol charset; their bytes are glyph numbers.
    static constexpr int kSymbol = -2;

    // The code page of a font's \fcharset, or 0 when the charset names none
    // (DEFAULT_CHARSET and unknown values fall back to \ansicpg).
    static int FromCharset(int charset);

    // True when text in this code page can be decoded here.
    static bool IsSupported(int codePage);

    // True for the pages whose characters may span several bytes.
    static bool IsMultiByte(int codePage);
    static bool IsLeadByte(int codePage, unsigned char byte);

    // Appends the decoded bytes to out. Control characters other than the
    // tab are dropped, and so is a lead byte without its trail byte.
    // Unsupported pages decode as Windows-1252.
    static void Decode(int codePage, std::string_view bytes, QString& out);
};
