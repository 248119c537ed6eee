#pragma once
// Finds a text inside entry texts without regard to case, as QString's
// case-insensitive indexOf does (each character compared by its simple case
// folding, so "É" finds "é" and "Д" finds "д"), but fast enough to walk a
// hundred megabytes of remembered text while the user types: the needle is
// folded once and the haystack scanned Boyer-Moore-Horspool fashion.
// Surrogate pairs are compared unit by unit.

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <vector>

class CTextMatcher
{
public:
    explicit CTextMatcher(QStringView needle);

    // The first position of the needle in the text, or -1; an empty needle
    // is found at 0.
    qsizetype IndexIn(QLatin1String text) const;
    qsizetype IndexIn(QStringView text) const;
    qsizetype Length() const { return qsizetype(m_folded.size()); }

private:
    qsizetype Latin1From(QLatin1String text, qsizetype pos) const;
    bool Latin1MatchAt(const unsigned char* text) const;

    std::vector<char16_t> m_folded;
    // How far the window may move when its last character is this byte (the
    // Latin-1 table: 0 when the byte matches the needle's last character) or
    // has this low byte once folded (the UTF-16 table). At most 255: moving
    // less than possible is only slower.
    std::array<uint8_t, 256> m_latin1Skip{};
    std::array<uint8_t, 256> m_wideSkip{};
    // How far the window moves after its last character matched.
    qsizetype m_nLastShift = 1;
    // The Latin-1 bytes that fold to the needle's first and last characters
    // (at most two each; none when a Latin-1 text can never match).
    bool m_bLatin1Possible = true;
    std::array<unsigned char, 2> m_first{};
    std::array<unsigned char, 2> m_last{};
};
