#include "parts/outputlowlevels.h"

#include <algorithm>
#include <array>

#include "parts/keyed.h"

namespace {

// The 74HC and 74HCT at 4.5 V, the least supply of a 5 V ±10 % rail: 0.1 V up to 20 µA, 0.33 V
// at 4 mA over −40…85 °C; at 6 V, 0.33 V at 5.2 mA.
constexpr std::array<LowLevelRow, 2> hc5V{{{0.02, 0.1}, {4.0, 0.33}}};
constexpr std::array<LowLevelRow, 2> hc6V{{{0.02, 0.1}, {5.2, 0.33}}};
// At 3.0 V: 74AHC 0.1 V up to 50 µA, 0.44 V at 4 mA; 74LVC 0.1 V up to 100 µA, 0.4 V at 12 mA
// (its 2.7 V figure, the higher).
constexpr std::array<LowLevelRow, 2> ahc3V{{{0.05, 0.1}, {4.0, 0.44}}};
constexpr std::array<LowLevelRow, 2> lvc3V{{{0.1, 0.1}, {12.0, 0.4}}};
// The 4000 series: 0.05 V below 1 µA; at 85 °C the least current at 0.4, 0.5 and 1.5 V.
constexpr std::array<LowLevelRow, 2> cmos5V{{{0.001, 0.05}, {0.36, 0.4}}};
constexpr std::array<LowLevelRow, 2> cmos10V{{{0.001, 0.05}, {0.9, 0.5}}};
constexpr std::array<LowLevelRow, 2> cmos15V{{{0.001, 0.05}, {2.4, 1.5}}};
constexpr std::array<LowLevelRow, 1> atmega5V{{{20.0, 0.9}}};
constexpr std::array<LowLevelRow, 1> rp2040{{{4.0, 0.5}}};
constexpr std::array<LowLevelRow, 1> stm32f1{{{8.0, 0.4}}};

// A gate's output with its supply off: its input leakage, the only figure the makers give.
constexpr std::u16string_view unpowered = u"senza alimentazione";
constexpr std::u16string_view inReset = u"durante il reset";

constexpr std::array<OutputLowLevel, 11> lowLevels{{
    {u"74HC-5V", hc5V, 1.0, unpowered, u"TI SN74HC04"},
    {u"74HC-6V", hc6V, 1.0, unpowered, u"TI SN74HC04"},
    {u"74HCT-5V", hc5V, 1.0, unpowered, u"TI SN74HCT04"},
    {u"74AHC-3V3", ahc3V, 1.0, unpowered, u"NXP 74AHC04"},
    {u"74LVC-3V3", lvc3V, 10.0, unpowered, u"NXP 74LVC1G04 (IOFF)"},
    {u"4000B-5V", cmos5V, 1.0, unpowered, u"National / Fairchild CD4001BC, CD4011BC"},
    {u"4000B-10V", cmos10V, 1.0, unpowered, u"National / Fairchild CD4001BC, CD4011BC"},
    {u"4000B-15V", cmos15V, 1.0, unpowered, u"National / Fairchild CD4001BC, CD4011BC"},
    {u"ATmega328P-5V", atmega5V, 1.0, inReset, u"Microchip ATmega328P"},
    {u"RP2040-3V3-4mA", rp2040, 1.0, inReset, u"Raspberry Pi RP2040 datasheet"},
    {u"STM32F1-3V3", stm32f1, 1.0, inReset, u"ST STM32F103xx datasheet"},
}};

} // namespace

const OutputLowLevel *outputLowLevel(const LogicOutput &output)
{
    return entryByKey<OutputLowLevel>(lowLevels, output.key);
}

std::optional<LowLevelRow> lowLevelAt(const OutputLowLevel &low, double sinkCurrent)
{
    const auto row =
        std::ranges::find_if(low.rows, [&](const LowLevelRow &r) { return r.Iol >= sinkCurrent; });
    if (row == low.rows.end())
        return std::nullopt;
    return *row;
}
