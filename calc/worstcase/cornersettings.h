#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "worstcase/cornerranges.h"

// The worst case's ranges as the designer sets them: texts, in the form and in the stored
// settings alike, each read whole as a number (the form takes the locale's decimal point as well
// as "."), except the keys of the output and of the transistors, which name entries of the lists
// of logic outputs and of parts.

enum class CornerField : std::size_t {
    VbeLowest,     // [V]
    VbeHighest,    // [V]
    VceSatLowest,  // Q2's [V]
    VceSatHighest, // Q2's [V]
    ToleranceE12,  // [%]
    ToleranceE24,  // [%]
    ToleranceE96,  // [%]
    Output,        // the key of the logic output chosen from the list; empty: none
    ViLowest,      // the output's least high level [V]; the three empty: Vi as typed
    OutputCurrent, // the current it is guaranteed up to [mA]
    ViHighest,     // its highest level [V]
    VccTolerance,  // [%]
    // The key of the part bought for each transistor; empty: as typed.
    Q1OneTransistor,  // an NPN
    Q1TwoTransistors, // a PNP
    Q2,               // an NPN
    Tmin,             // the operating temperature range [°C]
    Tmax,
    VbeOff,          // the base-emitter voltage below which a transistor is off, at 25 °C [V]
    OutputLow,       // VOL max of an output not from the list [V]
    FloatingLeakage, // the leakage of its pin where it may float [µA]; empty: it never floats
    // With saturation guaranteed by the datasheet, the highest Ic/Ib of a transistor typed [-];
    // empty: saturation not asked for.
    SaturationForcedGain,
};

inline constexpr std::size_t cornerFieldCount = 21;

using CornerTexts = std::array<std::u16string, cornerFieldCount>;

// The field's name with its unit, as the form labels it and its message names it:
// "Tolleranza E24 [%]".
std::u16string_view cornerFieldName(CornerField field);

// The first field refused, and why: what the field accepts, or the range it closes.
struct CornerRefusal
{
    CornerField field;
    std::u16string message;
};

// The ranges the texts give, or the first refusal: a text that is not a number; a voltage below 0
// or above 2 V (the output's: above 30 V); a tolerance below 0 % or at 50 % and above; an
// output's current not above 0 or above 1000 mA; a range whose lower end is above its upper end;
// of the output's three figures, some given and some left empty; a temperature below
// -55 or above 150 °C; a part that is not in the list or of the other polarity; a threshold of
// the off state not above 0, not below the lowest Vbe, or that falls to 0 by Tmax; a pin's leakage
// below 0 or above 1000 µA. The output is the
// list's entry where its key names one and the figures are that entry's; otherwise the designer's
// own.
std::variant<CornerRanges, CornerRefusal> readCorners(const CornerTexts &texts,
                                                      std::u16string_view decimalPoint = u".");

// The texts of the ranges, in the form's units, with the given decimal point: "0.6", "0.8", "0",
// "0.3", "10", "5", "1", then the output's key and figures (empty where Vi is as typed) and Vcc's
// tolerance, the parts' keys and the temperature range.
CornerTexts cornerTexts(const CornerRanges &ranges, std::u16string_view decimalPoint = u".");

// Stored settings, field by field, by the form's rules: a missing text takes its default; a
// refused one (a range refused takes both its ends; the output's figures stand or fall together)
// takes its default and is listed, so the user can be told.
struct StoredCorners
{
    CornerRanges ranges;
    std::vector<CornerField> replaced;
    std::array<std::optional<std::u16string>, cornerFieldCount> texts; // as stored
};
StoredCorners
readStoredCorners(const std::array<std::optional<std::u16string>, cornerFieldCount> &texts);
