#include "search/TextMatcher.h"

#include <QChar>
#include <algorithm>

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
    m_latin1Skip.fill(std::max<qsizetype>(m, 1));
    m_wideSkip.fill(std::max<qsizetype>(m, 1));
    const auto& latin1 = Latin1Folding();
    for (qsizetype j = 0; j + 1 < m; ++j) {
        const char16_t f = m_folded[size_t(j)];
        m_wideSkip[f & 0xFF] = m - 1 - j;
        for (size_t b = 0; b < 256; ++b) {
            if (latin1[b] == f)
                m_latin1Skip[b] = m - 1 - j;
        }
    }
}

qsizetype CTextMatcher::IndexIn(QLatin1String text) const
{
    const qsizetype m = Length();
    const qsizetype n = text.size();
    if (m == 0)
        return 0;
    const auto& fold = Latin1Folding();
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const char16_t last = m_folded.back();
    for (qsizetype pos = 0; pos + m <= n; pos += m_latin1Skip[t[pos + m - 1]]) {
        if (fold[t[pos + m - 1]] != last)
            continue;
        qsizetype j = m - 2;
        while (j >= 0 && fold[t[pos + j]] == m_folded[size_t(j)])
            --j;
        if (j < 0)
            return pos;
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
        }
        pos += m_wideSkip[end & 0xFF];
    }
    return -1;
}
