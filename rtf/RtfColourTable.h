// The colours of a document's \colortbl, by index.
#pragma once

#include <QRgb>
#include <optional>
#include <vector>

class CRtfColourTable
{
public:
    static constexpr size_t kMaxColours = 4096;

    void Clear()
    {
        m_colours.clear();
        m_nRed = m_nGreen = m_nBlue = -1;
    }

    // Index 0 is the automatic colour whatever the table says; so is an
    // entry without components.
    std::optional<QRgb> Colour(int index) const
    {
        if (index <= 0 || size_t(index) >= m_colours.size()) {
            return std::nullopt;
        }
        return m_colours[size_t(index)];
    }

    // Reading the table: components (clamped to 0..255), each entry ended by
    // ';'. A missing component is 0.
    void SetRed(int value) { m_nRed = Component(value); }
    void SetGreen(int value) { m_nGreen = Component(value); }
    void SetBlue(int value) { m_nBlue = Component(value); }
    bool HasComponents() const { return m_nRed >= 0 || m_nGreen >= 0 || m_nBlue >= 0; }
    void EndEntry();

private:
    static int Component(int value) { return value < 0 ? 0 : value > 255 ? 255 : value; }

    std::vector<std::optional<QRgb>> m_colours;
    int m_nRed = -1, m_nGreen = -1, m_nBlue = -1;
};
