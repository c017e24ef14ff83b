#pragma once

#include <array>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "parts/cutoffcurrents.h"
#include "parts/outputlowlevels.h"
#include "worstcase/standardfit.h"

// Whether each transistor stays off when it must, at Tmax, where its leakage is largest and the
// voltage that turns it on lowest (Temperature::offThreshold). The leakage flows out through the
// base-emitter resistor, and through the base resistor into the logic output where that holds
// its low level:
// - a transistor driven by the output (Q1 of one transistor, Q2 of two), the output low:
//   Vbe = VOL x Rbe / (Rbe + Rb) + I x (Rbe || Rb);
// - the same, the output floating: Vbe = (I + the pin's leakage) x Rbe;
// - Q1 of two transistors, Q2 off: Q2's leakage and its own through R1, Vbe = (I1 + I2) x R1.
// With the resistors as designed (Rb as computed), and per series with the value to buy and
// R1, R2 at their tolerance's worst end, VOL at its maximum for the whole leakage sunk.

// What holds the transistor off.
enum class OffDrive { OutputLow, OutputFloating, Q2Off };

struct OffState
{
    OffDrive drive;
    double Vbe; // with the resistors as designed [V]
    // The largest base-emitter resistor that keeps Vbe below the threshold, the others as
    // designed [kohm]; infinity: any.
    double largestRbe;
};

// A series: the resistors to buy, Rbe at +t and Rb at its worst end, in the worst state.
struct SeriesOff
{
    Series series;
    double Vbe; // [V]
    OffDrive drive;
    bool holds;
};

struct TransistorOff
{
    std::u16string_view name; // "Q1", "Q2"
    std::u16string_view Rbe;  // "R1", "R2"
    CornerRanges::Slot slot;
    double leakage; // at Tmax [mA]
    LeakageAt leakageAt;
    const CutoffFigures *figures;
    std::vector<OffState> states;
    std::array<SeriesOff, 3> series;

    // The state that allows the smallest base-emitter resistor.
    const OffState &worst() const;
    // Held off in every state with the resistors as designed.
    bool holds(double threshold) const { return worst().Vbe < threshold; }
};

// The output's low state the check takes.
struct OutputOff
{
    double VOL;                     // at the sink current [V]
    double sinkCurrent;             // the leakage of the transistor it holds off [mA]
    std::optional<LowLevelRow> row; // the list's row it is scaled from; none: as typed
    std::optional<double> floating; // the pin's leakage where it can float [mA]
    const OutputLowLevel *figures;  // none: as typed
};

struct OffCheck
{
    double celsius;   // Tmax
    double threshold; // at Tmax [V]
    OutputOff output;
    std::vector<TransistorOff> transistors; // Q1, then Q2
};

OffCheck offCheck(const StandardFits &fits);

inline constexpr double anyResistor = std::numeric_limits<double>::infinity();
