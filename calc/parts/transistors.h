#pragma once

#include <optional>
#include <span>
#include <string_view>

// Small-signal transistors designers buy for the switch, with the limits their datasheets
// guarantee and the conditions each holds under, at 25 °C. PNP figures are magnitudes. Guaranteed
// limits only: where a datasheet gives a typical value there is no row; where makers differ, the
// more conservative figure.

enum class Polarity { Npn, Pnp };

// hFE min at a collector current, measured at a collector-emitter voltage.
struct GainRow
{
    double Ic;     // [mA]
    double Vce;    // [V]
    double hFEmin; // [-]
};

// VCE(sat) max or VBE(sat) max at a forced gain: a collector and a base current.
struct SaturationRow
{
    double Ic;  // [mA]
    double Ib;  // [mA]
    double max; // [V]
};

// VBE(on) max at a collector current.
struct VbeOnRow
{
    double Ic;  // [mA]
    double max; // [V]
};

// Ptot at 25 °C for a mounting, derated linearly above.
struct PowerRating
{
    double Ptot;     // [mW]
    double derating; // [mW/°C]
    std::u16string_view mounting;
};

struct TransistorPart
{
    std::u16string_view key; // as kept in the settings, and as the form lists it
    Polarity polarity;
    std::span<const GainRow> gain;         // in rising current
    std::span<const SaturationRow> VceSat; // in rising current
    std::span<const SaturationRow> VbeSat; // in rising current; may be none
    std::span<const VbeOnRow> VbeOn;       // in rising current; may be none
    double IcMax;                          // [mA]
    PowerRating power;
    std::u16string_view source; // makers and documents
};

std::span<const TransistorPart> transistorParts();

// The part kept under the key; none for a key this version does not know.
const TransistorPart *transistorByKey(std::u16string_view key);

// The gain the datasheet guarantees at the collector current Ic [mA]: the first row's below it,
// the lower of the two rows around it; none beyond the last row, where it guarantees nothing.
std::optional<GainRow> guaranteedGain(const TransistorPart &part, double Ic);

// The highest Vbe at the collector current Ic [mA]: VBE(sat) max at the first row at or above
// it (the last row beyond them all); with no VBE(sat) rows, VBE(on) max the same way, marked as
// a stand-in; none where the datasheet gives neither.
struct VbeLimit
{
    double Vbe;   // [V]
    double Ic;    // of the row [mA]
    bool standIn; // VBE(on) max in place of VBE(sat) max
};
std::optional<VbeLimit> highestVbe(const TransistorPart &part, double Ic);

// The VCE(sat) row that holds at the collector current Ic [mA]: the first at or above it; none
// beyond them all.
std::optional<SaturationRow> saturationAt(const TransistorPart &part, double Ic);

// Ptot [mW] at the ambient temperature [°C]: as rated up to 25 °C, less the derating above, never
// below 0.
double deratedPower(const PowerRating &rating, double ambient);
