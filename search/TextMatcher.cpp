#include "search/TextMatcher.h"

#include <QChar>
#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The case folding of every Latin-1 character ("µ" folds outside Latin-1,
// to the Greek mu).
const std::array<char16_t, 256>& Latin1Folding()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> folded{};
        for (char32_t c = 0; c < 256; ++c)
            folded[c] = static_cast<char16_t>(QChar::toCaseFolded(c));
        return folded;
    }();
    return table;
}

inline char16_t Fold(char16_t c)
{
    return c < 256 ? Latin1Folding()[c] : static_cast<char16_t>(QChar::toCaseFolded(char32_t(c)));
}

} // namespace

CTextMatcher::CTextMatcher(QStringView needle)
{
    m_folded.reserve(size_t(needle.size()));
    for (QChar c : needle)
        m_folded.push_back(Fold(c.unicode()));
    const qsizetype m = Length();
    if (m == 0)
        return;
    const auto shift = [](qsizetype distance) {
        return uint8_t(std::min<qsizetype>(distance, 255));
    };
    m_latin1Skip.fill(shift(m));
    m_wideSkip.fill(shift(m));
    m_nLastShift = m;
    const char16_t last = m_folded.back();
    const auto& latin1 = Latin1Folding();
    for (qsizetype j = 0; j + 1 < m; ++j) {
        const char16_t f = m_folded[size_t(j)];
        m_wideSkip[f & 0xFF] = shift(m - 1 - j);
        if (f == last)
            m_nLastShift = m - 1 - j;
        for (size_t b = 0; b < 256; ++b) {
            if (latin1[b] == f)
                m_latin1Skip[b] = shift(m - 1 - j);
        }
    }
    for (size_t b = 0; b < 256; ++b) {
        if (latin1[b] == last)
            m_latin1Skip[b] = 0;
    }
    // Which bytes can begin and end a match in a Latin-1 text.
    const auto preimage = [&latin1, this](char16_t folded, std::array<unsigned char, 2>& bytes) {
        int found = 0;
        for (size_t b = 0; b < 256; ++b) {
            if (latin1[b] == folded && found < 2)
                bytes[size_t(found++)] = static_cast<unsigned char>(b);
        }
        if (found == 1)
            bytes[1] = bytes[0];
        return found > 0;
    };
    m_bLatin1Possible = std::all_of(m_folded.begin(), m_folded.end(), [&latin1](char16_t f) {
        return std::find(latin1.begin(), latin1.end(), f) != latin1.end();
    });
    preimage(m_folded.front(), m_first);
    preimage(last, m_last);
}

bool CTextMatcher::Latin1MatchAt(const unsigned char* text) const
{
    const auto& fold = Latin1Folding();
    for (size_t j = 0; j < m_folded.size(); ++j) {
        if (fold[text[j]] != m_folded[j])
            return false;
    }
    return true;
}

qsizetype CTextMatcher::IndexIn(QLatin1String text) const
{
    const qsizetype m = Length();
    if (m == 0)
        return 0;
    if (!m_bLatin1Possible)
        return -1;
    qsizetype pos = 0;
#if defined(__SSE2__)
    // Sixteen windows at a time: those whose first and last bytes can match
    // are checked in full.
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const __m128i first0 = _mm_set1_epi8(char(m_first[0]));
    const __m128i first1 = _mm_set1_epi8(char(m_first[1]));
    const __m128i last0 = _mm_set1_epi8(char(m_last[0]));
    const __m128i last1 = _mm_set1_epi8(char(m_last[1]));
    for (; pos + m - 1 + 16 <= text.size(); pos += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + pos));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + pos + m - 1));
        const __m128i firsts = _mm_or_si128(_mm_cmpeq_epi8(a, first0), _mm_cmpeq_epi8(a, first1));
        const __m128i lasts = _mm_or_si128(_mm_cmpeq_epi8(b, last0), _mm_cmpeq_epi8(b, last1));
        for (auto mask = unsigned(_mm_movemask_epi8(_mm_and_si128(firsts, lasts))); mask != 0;
             mask &= mask - 1) {
            const qsizetype at = pos + std::countr_zero(mask);
            if (Latin1MatchAt(t + at))
                return at;
        }
    }
#endif
    return Latin1From(text, pos);
}

qsizetype CTextMatcher::Latin1From(QLatin1String text, qsizetype pos) const
{
    const qsizetype m = Length();
    const auto& fold = Latin1Folding();
    const auto* t = reinterpret_cast<const unsigned char*>(text.data()) + m - 1;
    const qsizetype stop = text.size() - m;
    while (pos <= stop) {
        if (const uint8_t skip = m_latin1Skip[t[pos]]) {
            pos += skip;
            continue;
        }
        qsizetype j = m - 2;
        while (j >= 0 && fold[t[pos - (m - 1) + j]] == m_folded[size_t(j)])
            --j;
        if (j < 0)
            return pos;
        pos += m_nLastShift;
    }
    return -1;
}

qsizetype CTextMatcher::IndexIn(QStringView text) const
{
    const qsizetype m = Length();
    const qsizetype n = text.size();
    if (m == 0)
        return 0;
    const char16_t* t = text.utf16();
    const char16_t last = m_folded.back();
    for (qsizetype pos = 0; pos + m <= n;) {
        const char16_t end = Fold(t[pos + m - 1]);
        if (end == last) {
            qsizetype j = m - 2;
            while (j >= 0 && Fold(t[pos + j]) == m_folded[size_t(j)])
                --j;
            if (j < 0)
                return pos;
            pos += m_nLastShift;
        } else {
            pos += m_wideSkip[end & 0xFF];
        }
    }
    return -1;
}
