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

// hFE min the datasheet guarantees at a temperature below 25 °C.
struct ColdGainRow
{
    double celsius; // [°C]
    double Ic;      // [mA]
    double Vce;     // [V]
    double hFEmin;  // [-]
};

// How the gain falls in the cold where the datasheet guarantees no cold figure: the XTB of the
// maker's transistor model, hFE(T) = hFE(25 °C) x (T / 298.15 K)^XTB.
struct GainTemperatureLaw
{
    double XTB = 1.5;
    std::u16string_view source; // the maker's model; empty: none found, the common 1.5
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
    std::u16string_view source;                 // makers and documents
    std::span<const ColdGainRow> coldGain = {}; // in rising temperature; may be none
    GainTemperatureLaw gainLaw = {};
};

std::span<const TransistorPart> transistorParts();

// The part kept under the key; none for a key this version does not know.
const TransistorPart *transistorByKey(std::u16string_view key);

// The gain the datasheet guarantees at the collector current Ic [mA], at 25 °C: the lower of the
// two rows around it (a row's own at its current); below the first row, where the datasheet
// guarantees nothing, the lowest minimum of its table, marked; none beyond the last row.
struct GainAt
{
    GainRow row;            // the row whose minimum is taken
    bool belowRows = false; // below the first row's current: not guaranteed there
};
std::optional<GainAt> guaranteedGain(const TransistorPart &part, double Ic);

// The gain the worst case takes at Ic [mA] and at the coldest temperature T [°C]: from 25 °C
// down, the datasheet's 25 °C figure scaled by its own guaranteed fall where it gives a cold row
// at or below T (the ratio of that row to the 25 °C figure at its current), else by the law of
// the maker's model (GainTemperatureLaw); at 25 °C and above the 25 °C figure itself.
struct GainAtTemperature
{
    enum class Basis { At25, ColdRow, ModelLaw };
    GainAt at25;
    double hFEmin;  // at T
    double factor;  // hFEmin / the 25 °C figure
    double celsius; // T [°C]
    Basis basis;
    ColdGainRow coldRow{}; // ColdRow: the datasheet's row
};
std::optional<GainAtTemperature>
guaranteedGainAt(const TransistorPart &part, double Ic, double celsius);

// The highest Vbe of a transistor conducting Ic with a base current up to Ib [mA], at 25 °C:
// VBE(sat) max at the first row whose collector and base currents are both at or above them;
// beyond every row, the last row's figure + 0.1 V; with no VBE(sat) rows, VBE(on) max at the
// first row at or above Ic (the last beyond them) + 0.1 V, since VBE(on) is measured out of
// saturation, about 0.1 V below VBE(sat) (Diotec BC817: 1.2 V against 1.3 V; MCC BC557: 0.82 V
// against 1.0 V); none where the datasheet gives neither.
struct VbeLimit
{
    enum class Basis {
        Saturation,       // a VBE(sat) row that holds
        BeyondSaturation, // the last VBE(sat) row + 0.1 V
        OnStandIn,        // a VBE(on) row + 0.1 V
    };
    double Vbe; // [V]
    double Ic;  // of the row [mA]
    double Ib;  // of the row [mA]; 0 for a VBE(on) row
    Basis basis;
};
std::optional<VbeLimit> highestVbe(const TransistorPart &part, double Ic, double Ib);

// What a stand-in adds to the figure it stands on [V].
inline constexpr double standInMargin = 0.1;

// The VCE(sat) row that holds at the collector current Ic [mA]: the first at or above it; none
// beyond them all.
std::optional<SaturationRow> saturationAt(const TransistorPart &part, double Ic);

// Ptot [mW] at the ambient temperature [°C]: as rated up to 25 °C, less the derating above, never
// below 0.
double deratedPower(const PowerRating &rating, double ambient);
