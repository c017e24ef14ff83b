#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "notes/notemodel.h"
#include "worstcase/cornerranges.h"
#include "worstcase/standardfit.h"

// The cells and figures the notes' tables share, each written with the given decimal point: a
// resistance as a number under its unit, a current to three significant digits, a margin in
// percent, and the first cell of each series's rows.

// A number, spoken as shown with its column's unit.
NoteCell numberCell(std::u16string text);
// A current [mA] to three significant digits.
NoteCell milliampsCell(double current, std::u16string_view point);
// A resistance under a heading in kohm: "6,8", "0,47", "10000".
NoteCell kiloohmsCell(StandardResistor resistor, std::u16string_view point);

// A margin [%] as shown: whole percent from 1 % up, one decimal below; a negative one always
// reads negative, "-0,0" where it rounds to zero.
std::u16string marginText(double margin, std::u16string_view point);
// A margin, or "—" where it cannot be computed.
NoteCell percentCell(const std::optional<double> &margin, std::u16string_view point);
// The worst-case margin; "spento" where the transistor is off at a corner.
NoteCell
worstPercentCell(const StageFit &fit, std::u16string_view transistor, std::u16string_view point);

// A figure worked out, to three significant digits at its shortest: "66,7", "3,2", "60".
std::u16string figureText(double value, std::u16string_view point);
// A gain worked out, the same: "41,5", "60".
std::u16string gainText(double hFE, std::u16string_view point);
// A temperature [°C] with the minus sign the texts write: "\u221240".
std::u16string celsiusText(double celsius, std::u16string_view point);
// How a gain fell from 25 °C to a temperature below: its row at 25 °C and the law or the cold row.
std::u16string
gainFall(const TransistorPart &part, const GainAtTemperature &gain, std::u16string_view point);
// The condition a gain at a temperature holds under: its row at 25 °C and, below, how it fell.
std::u16string
gainCondition(const TransistorPart &part, const GainAtTemperature &gain, std::u16string_view point);

// "10", "0,5": a tolerance, a voltage or a figure of a datasheet, at its shortest.
std::u16string cornerValue(double value, std::u16string_view point);
// A voltage worked out from them, to the microvolt at its shortest: "0,4" for 0.6 - 0.2.
std::u16string voltsText(double volts, std::u16string_view point);
// The current Ii max must stay below [mA], as the legends write it.
std::u16string limitValue(const CornerRanges &corners, std::u16string_view point);
// The limit Ii max reaches, in words: the 4 mA of a CMOS output, or the output's own figures.
std::u16string limitReached(const CornerRanges &corners, std::u16string_view point);

// The first cell of a series's rows: "E12 ±10 %", the value to buy with the tolerance its worst
// case assumes; "E12 subito sotto"; "E24 uguale al calcolato".
NoteCell seriesToBuyCell(Series series, const CornerRanges &corners, std::u16string_view point);
NoteCell belowCell(Series series);
NoteCell equalCell(Series series);
