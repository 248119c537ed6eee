#include "rtf/RtfColourTable.h"

#include <algorithm>

void CRtfColourTable::EndEntry()
{
    if (m_colours.size() < kMaxColours) {
        if (!HasComponents()) {
            m_colours.emplace_back(std::nullopt);
        } else {
            m_colours.emplace_back(
                qRgb(std::max(m_nRed, 0), std::max(m_nGreen, 0), std::max(m_nBlue, 0)));
        }
    }
    m_nRed = m_nGreen = m_nBlue = -1;
}
