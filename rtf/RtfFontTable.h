// The fonts of a document's \fonttbl: each font's name and the code page its
// 8-bit text is written in.
#pragma once

#include <QString>
#include <map>
#include <string_view>

class CRtfFontTable
{
public:
    struct Font
    {
        QString name;
        int codePage = 0; // 0: the document's \ansicpg
    };

    static constexpr qsizetype kMaxFontName = 255;

    void Clear();

    const Font* Find(int number) const
    {
        auto found = m_fonts.find(number);
        return found == m_fonts.end() ? nullptr : &found->second;
    }

    // The code page of text in this font: its own, or ansiCodePage.
    int CodePage(int number, int ansiCodePage)
    {
        if (!m_bCached || number != m_nCachedFont || ansiCodePage != m_nCachedAnsiCodePage) {
            auto found = m_fonts.find(number);
            m_nCachedCodePage = found != m_fonts.end() && found->second.codePage != 0
                                    ? found->second.codePage
                                    : ansiCodePage;
            m_nCachedFont = number;
            m_nCachedAnsiCodePage = ansiCodePage;
            m_bCached = true;
        }
        return m_nCachedCodePage;
    }

    // Reading the table: \fN begins an entry (ending one still open), \fcharset
    // and \cpg set its code page, the name arrives in pieces; ';' or the end
    // of the entry's group ends it. A later entry of the same number wins.
    void Begin(int number);
    bool IsOpen() const { return m_bOpen; }
    void SetCharset(int charset) { m_nNewCharset = charset; }
    void SetCodePage(int codePage) { m_nNewCodePage = codePage; }
    // realName: the piece comes from a \*\fname group, which names the
    // font better than the entry's own text.
    void AppendName(bool realName, std::string_view bytes, int ansiCodePage);
    void AppendName(bool realName, char16_t c);
    void End();
    // Forgets an entry still open, keeping the fonts read.
    void Abandon() { m_bOpen = false; }

private:
    std::map<int, Font> m_fonts;
    bool m_bCached = false;
    int m_nCachedFont = 0;
    int m_nCachedAnsiCodePage = 0;
    int m_nCachedCodePage = 0;

    bool m_bOpen = false;
    int m_nNewFont = 0;
    int m_nNewCharset = -1;
    int m_nNewCodePage = 0;
    QString m_strNewName;
    QString m_strNewRealName;
};
