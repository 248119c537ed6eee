#include "rtf/RtfFontTable.h"

#include "rtf/RtfCodePage.h"

void CRtfFontTable::Clear()
{
    m_fonts.clear();
    m_bCached = false;
    m_bOpen = false;
    m_strNewName.clear();
    m_strNewRealName.clear();
}

void CRtfFontTable::Begin(int number)
{
    if (m_bOpen) {
        End();
    }
    m_bOpen = true;
    m_nNewFont = number;
    m_nNewCharset = -1;
    m_nNewCodePage = 0;
    m_strNewName.clear();
    m_strNewRealName.clear();
}

void CRtfFontTable::AppendName(bool realName, std::string_view bytes, int ansiCodePage)
{
    QString& name = realName ? m_strNewRealName : m_strNewName;
    int codePage = m_nNewCodePage;
    if (!CRtfCodePage::IsSupported(codePage)) {
        codePage = CRtfCodePage::FromCharset(m_nNewCharset);
    }
    if (codePage == 0 || codePage == CRtfCodePage::kSymbol) {
        codePage = ansiCodePage;
    }
    CRtfCodePage::Decode(codePage, bytes, name);
    if (name.size() > kMaxFontName) {
        name.truncate(kMaxFontName);
    }
}

void CRtfFontTable::AppendName(bool realName, char16_t c)
{
    QString& name = realName ? m_strNewRealName : m_strNewName;
    if (c >= 0x20 && name.size() < kMaxFontName) {
        name.append(QChar(c));
    }
}

void CRtfFontTable::End()
{
    m_bOpen = false;
    Font font;
    font.name = (m_strNewRealName.trimmed().isEmpty() ? m_strNewName : m_strNewRealName).trimmed();
    if (m_nNewCodePage > 0 && CRtfCodePage::IsSupported(m_nNewCodePage)) {
        font.codePage = m_nNewCodePage;
    } else {
        font.codePage = CRtfCodePage::FromCharset(m_nNewCharset);
    }
    m_fonts[m_nNewFont] = std::move(font);
    m_strNewName.clear();
    m_strNewRealName.clear();
    m_bCached = false;
}
