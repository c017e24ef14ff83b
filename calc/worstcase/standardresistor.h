#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The resistor series of IEC 60063 that a base resistor is bought in, over the decades from
// 1 ohm to 10 Mohm, both included.

enum class Series { E12, E24, E96 };

// One value of a series: its significant digits times a power of ten.
struct StandardResistor
{
    int digits;   // the series's digits: 10 to 91 (E12, E24), 100 to 976 (E96)
    int exponent; // value = digits x 10^exponent ohm

    double kiloohms() const; // the value [kohm], correctly rounded
    friend bool operator==(const StandardResistor &, const StandardResistor &) = default;
};

// Why a computed resistance has no standard value.
enum class NoStandardValue {
    NotPositive, // zero, negative or not a number
    BelowRange,  // below 1 ohm
    AboveRange,  // above 10 Mohm
};

// The largest value of the series not above the computed resistance [kohm]; a computed
// 19.99999999 kohm takes 20 kohm.
std::variant<StandardResistor, NoStandardValue> largestNotAbove(Series series, double kiloohms);

// Whether the computed resistance [kohm] is the standard value itself, within the rounding that
// largestNotAbove allows.
bool isComputedValue(StandardResistor resistor, double kiloohms);

// The value of the series just below the resistor, which must be one of the series; none below
// 1 ohm.
std::optional<StandardResistor> nextBelow(Series series, StandardResistor resistor);

// The value in ohm, kohm or Mohm, without trailing zeros after the point: "470 ohm",
// "7,5 kohm", "7,68 kohm", "20 kohm", "1 Mohm".
std::u16string resistorText(StandardResistor resistor, std::u16string_view decimalPoint);

// The value in kohm as a number, without trailing zeros after the point: "0,47", "7,5", "20",
// "10000".
std::u16string kiloohmsText(StandardResistor resistor, std::u16string_view decimalPoint);

// "E12", "E24" or "E96".
std::u16string_view seriesName(Series series);
