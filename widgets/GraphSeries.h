#pragma once
// The eight series a diary can be looked at by, and which of them are
// shown: the graph draws them, the choice box switches them, and the main
// window shows the matching fields of the entry.

#include <cstdint>

enum class GraphSeries
{
    Mood,
    Fatigue,
    Shape,
    Dream,
    Temperature,
    Weight,
    Menstruus,
    Copulation
};

class GraphSeriesSet
{
public:
    static constexpr int kCount = 8;

    // Every series shown.
    constexpr GraphSeriesSet() = default;

    constexpr bool Has(GraphSeries series) const { return (m_bits & Bit(series)) != 0; }
    constexpr void Set(GraphSeries series, bool shown)
    {
        m_bits = static_cast<uint8_t>(shown ? m_bits | Bit(series) : m_bits & ~Bit(series));
    }
    constexpr bool operator==(const GraphSeriesSet&) const = default;

private:
    static constexpr uint8_t Bit(GraphSeries series)
    {
        return static_cast<uint8_t>(1u << static_cast<unsigned>(series));
    }
    uint8_t m_bits = 0xFF;
};
