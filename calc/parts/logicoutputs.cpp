#include "parts/logicoutputs.h"

#include <algorithm>
#include <array>

#include "parts/keyed.h"

#include "nominal/messages.h"
#include "nominal/numbertext.h"

namespace {

constexpr std::u16string_view hc = u"onsemi MM74HC04, TI SN74HC04, NXP 74HC04";
constexpr std::u16string_view cmos4000 = u"National / Fairchild CD4001BC, CD4011BC";
constexpr std::u16string_view industrial = u"da \u221240 a 85\u00a0\u00b0C";
// Its figures hold at the exact test supply.
constexpr std::u16string_view at85 =
    u"a 85\u00a0\u00b0C, la corrente minima, con l'alimentazione alla tensione di prova esatta";

// A 5 V ±10 % supply takes the makers' 4.5 V column, as onsemi's note on the 74HC says; a
// 3.3 V ±0.3 V one the 3.0 V column. The 4000 series' current is its 85 °C figure, the least.
constexpr std::array<LogicOutput, 11> outputs{{
    {u"74HC-5V", u"74HC a %1\u00a0V \u00b1%2\u00a0%", {5, 10}, {3.84, 4.0, 5.5}, industrial, hc},
    {u"74HC-6V",
     u"74HC a %1\u00a0V",
     {6},
     {5.34, 5.2, 6.0},
     u"da \u221240 a 85\u00a0\u00b0C, con l'alimentazione a 6,0\u00a0V esatti",
     hc},
    {u"74HCT-5V",
     u"74HCT a %1\u00a0V \u00b1%2\u00a0%",
     {5, 10},
     {3.84, 4.0, 5.5},
     industrial,
     u"TI SN74HCT04"},
    {u"74AHC-3V3",
     u"74AHC a %1\u00a0V \u00b1%2\u00a0V",
     {3.3, 0.3},
     {2.48, 4.0, 3.6},
     industrial,
     u"NXP 74AHC04"},
    {u"74LVC-3V3",
     u"74LVC a %1\u00a0V \u00b1%2\u00a0V",
     {3.3, 0.3},
     {2.4, 12.0, 3.6},
     industrial,
     u"NXP 74LVC1G04, Hitachi HD74LVC04, onsemi MC74LCX04"},
    {u"4000B-5V", u"4000B a %1\u00a0V", {5}, {4.6, 0.36, 5.0}, at85, cmos4000},
    {u"4000B-10V", u"4000B a %1\u00a0V", {10}, {9.5, 0.9, 10.0}, at85, cmos4000},
    {u"4000B-15V", u"4000B a %1\u00a0V", {15}, {13.5, 2.4, 15.0}, at85, cmos4000},
    // 4.2 V holds at VCC = 5.0 V only: the highest level is that supply, not its 5.5 V maximum.
    {u"ATmega328P-5V",
     u"ATmega328P a %1\u00a0V",
     {5},
     {4.2, 20.0, 5.0},
     u"da \u221240 a 85\u00a0\u00b0C, con VCC a 5,0\u00a0V esatti",
     u"Microchip ATmega328P"},
    // The pad's drive strength at its default, 4 mA; IOVDD 3.3 V ±10 %.
    {u"RP2040-3V3-4mA",
     u"RP2040 a %1\u00a0V, uscita da %2\u00a0mA",
     {3.3, 4},
     {2.62, 4.0, 3.63},
     u"temperatura non indicata dal costruttore: 25\u00a0\u00b0C soltanto",
     u"Raspberry Pi RP2040 datasheet",
     25,
     25},
    // VDD - 0.4 V at VDD 3.0 V.
    {u"STM32F1-3V3",
     u"STM32F1 a %1\u00a0V \u00b1%2\u00a0V",
     {3.3, 0.3},
     {2.6, 8.0, 3.6},
     u"da \u221240 a 85\u00a0\u00b0C, con al più 8 pin che erogano insieme, non su PC13\u2013PC15 "
     u"(3\u00a0mA)",
     u"ST STM32F103xx datasheet"},
}};

} // namespace

std::span<const LogicOutput> logicOutputs()
{
    return outputs;
}

const LogicOutput *logicOutputByKey(std::u16string_view key)
{
    return entryByKey<LogicOutput>(outputs, key);
}

std::u16string outputName(const LogicOutput &output, std::u16string_view decimalPoint)
{
    return Messages::fill(output.name,
                          {formatShortest(output.nameFigures[0], decimalPoint),
                           formatShortest(output.nameFigures[1], decimalPoint)});
}
