#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// The logic outputs designers drive a switch from, with the figures their makers guarantee: the
// least high level up to a stated current, at the supply's lowest, and the highest level, the
// supply's top with no load. Guaranteed figures only, never typical ones; where makers differ,
// the more conservative.

// What the worst case takes of the output that drives the switch.
struct DrivingOutput
{
    double ViLowest;     // the least high level it guarantees [V] ...
    double currentLimit; // ... up to this current [mA]
    double ViHighest;    // the highest level it can reach [V]: its supply's top, unloaded

    friend bool operator==(const DrivingOutput &, const DrivingOutput &) = default;
};

struct LogicOutput
{
    std::u16string_view key;  // as kept in the settings: never changes between versions
    std::u16string_view name; // as the form lists it: %1, %2 its supply's figures
    std::array<double, 2> nameFigures;
    DrivingOutput figures;
    std::u16string_view temperature; // the range the least level holds over, in words
    std::u16string_view source;      // maker and document
    // The same range [°C]: a worst case beyond it has no figures from the maker.
    double Tmin = -40;
    double Tmax = 85;
};

std::span<const LogicOutput> logicOutputs();

// The output kept under the key; none for a key this version does not know.
const LogicOutput *logicOutputByKey(std::u16string_view key);

// "74HC a 5 V ±10 %", with the given decimal point.
std::u16string outputName(const LogicOutput &output, std::u16string_view decimalPoint);
