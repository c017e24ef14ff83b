#pragma once

#include <array>
#include <optional>
#include <variant>

#include "nominal/formvariables.h"
#include "worstcase/cornerranges.h"
#include "worstcase/standardresistor.h"

// The base resistors of a completed press as standard values, in each series: the nearest below
// the computed resistor, and the one to buy, which keeps every transistor saturated with the
// margin asked for at every corner the designer cannot choose (the worst case):
// - every resistor at the limit of its series's tolerance t that hurts most: the standard base
//   resistors, and R1 and R2 as entered, bought from the same series;
// - each junction's Vbe, and Q2's Vce(sat), anywhere in their ranges (CornerRanges): the least
//   base current at the top of both, the largest current through a base resistor at the bottom;
// - the logic output's high level from its least to its highest (CornerRanges::output; by
//   default Vi as entered for both), and Vcc within its tolerance: the least base current at the
//   lowest, the largest current at the highest; Ii max below the current up to which the output
//   holds its least level (4 mA by default);
// - the gains as entered, or a part's datasheet where it guarantees less at the transistor's
//   largest collector current, whose VBE(sat) max also raises the highest Vbe (each transistor
//   its own); beyond the datasheet's last gain row no value holds.

// A standard base resistor and what it gives, nominal and in the worst case.
struct StageFit
{
    StandardResistor resistor;
    double computed;    // the computed resistor it stands for [kohm]: Rb1, or Rb2 recomputed
    double current;     // through it [mA]: Q2's collector current for Rb1 of the two-transistor
                        // circuit, otherwise Ii, the current from the CMOS output
    double baseCurrent; // the base current it gives [mA]: Ib1, or Ib2 for Rb2
    // Through it at the largest-current corner [mA]: CornerRanges::largestCurrent.
    double largestCurrent;
    // At the least-base-current corner [mA]: CornerRanges::leastBaseCurrent.
    double leastBaseCurrent;
    // Obtained on the base current [%]: base current x hFEmin / collector current - 1; none
    // where that cannot be computed: no collector current, or a margin beyond a double.
    std::optional<double> margin;
    // The least base current against the largest collector current (for Q2: Rb1's largest
    // current); none where it cannot be computed or the transistor is off. Without it a fit
    // holds only where there is no collector current at all.
    std::optional<double> worstMargin;
    // What the worst case took of the transistor: its gain and its highest Vbe [V] (the typed
    // gain and the range's Vbe, or the lower / higher datasheet's at its largest current).
    double hFEworst = 0;
    double VbeHighest = 0;
    // The datasheet's row that gave VbeHighest's limit, where a part was bought.
    std::optional<VbeLimit> VbeRow = std::nullopt;
    // Whether the part bought guarantees a gain at the largest collector current; where it does
    // not, the worst case has no margin to give.
    bool gainGuaranteed = true;
    // With saturation guaranteed by the datasheet (CornerRanges::saturationForcedGain): the
    // highest Ic / Ib that keeps the transistor saturated (the VCE(sat) row's, or the one typed),
    // and what the least base current gives against it [%]: Ib least x that / Ic largest - 1.
    std::optional<double> forcedGainLimit = std::nullopt;
    std::optional<double> saturationMargin = std::nullopt;

    // Whether the base-emitter resistor takes the whole current at the corner: no base current.
    bool offInWorstCase() const { return !(leastBaseCurrent > 0); }
};

// Why a base resistor has no standard value in a series.
enum class NoFit {
    NotPositive,   // the computed resistance is zero, negative or not a number
    BelowRange,    // below 1 ohm
    AboveRange,    // above 10 Mohm
    NotComputable, // a recomputed current divides by zero or is beyond a double
    NoFirstStage,  // Rb2 only: Rb1 has no standard value in the series
};

using Fit = std::variant<StageFit, NoFit>;

// Why no value of a series is worth buying.
enum class NoPurchase {
    NotPositive,            // the computed resistance is zero, negative or not a number
    BelowOneOhm,            // the computed resistance is below 1 ohm
    SourceTooLow,           // at the highest Vbe (and Vce(sat)) the source drives no current at all
    PullDownTakesAll,       // Ii max reaches the output's limit while the base-emitter resistor
                            // takes all the current
    OutputLimit,            // Ii max reaches the output's limit before the margin holds
    NoneDownToOneOhm,       // no value down to 1 ohm gives the margin
    NotComputable,          // a current at a corner divides by zero or is beyond a double
    NoFirstStage,           // Rb2 only: no Rb1 to buy in the series
    NoGainGuaranteed,       // the transistor's datasheet guarantees no gain at its largest current
    NoSaturationGuaranteed, // saturation asked for: the datasheet has no VCE(sat) row at the
                            // current
    OutputTemperature, // the range of temperatures passes the one the output's figures hold over
};

using Purchase = std::variant<StageFit, NoPurchase>;

struct SeriesFit
{
    Series series;
    Fit rb1;                // the largest standard value not above the computed Rb1
    std::optional<Fit> rb2; // two transistors: the same for Rb2 recomputed for that Rb1
    // The largest standard value whose worst case gives the margin asked for (maggIb1,
    // maggIb2) with Ii max below the output's limit; for Rb2, with the Rb1 bought. A computed
    // resistor above 10 Mohm is sought from 10 Mohm down.
    Purchase buyRb1;
    std::optional<Purchase> buyRb2;
};

struct StandardFits
{
    std::array<SeriesFit, 3> series; // E12, E24, E96
    CornerRanges corners;            // where the worst case was sought
    FormVariables design;            // the press's values, the margins asked for among them

    // Whether they are of the two-transistor circuit, which fits Rb2 too.
    bool twoTransistors() const { return series.front().rb2.has_value(); }
};

// From the inputs and Rb1 of a completed one-transistor press.
StandardFits fitOneTransistor(const FormVariables &v, const CornerRanges &corners = {});

// From the inputs and Rb1 of a completed two-transistor press: Rb1 first, for Q1; then Rb2 as
// the press computes it for the collector current of that Rb1, its worst case against that
// Rb1's largest current.
StandardFits fitTwoTransistors(const FormVariables &v, const CornerRanges &corners = {});

// The fits of a two-transistor press with Q2 bought as q2 (none: as typed): Rb1's as they are,
// since Q2's part does not change Q1's stage, and Rb2's worked out again.
StandardFits withSecondStage(StandardFits fits, const TransistorPart *q2);

// Where the output's limit leaves a series nothing to buy (NoPurchase::OutputLimit): the value
// that would give the margin if the output could deliver more, with the current it would draw;
// none where no value would. Worked out on demand: the summary's alone.
std::optional<StageFit> beyondOutputLimit(const StandardFits &fits, Series series);

// Whether a current from the logic output [mA] reaches the limit [mA] up to which it holds its
// level, both as shown to three significant digits: 3.9999 reads 4,00 and reaches 4 mA.
bool reachesOutputLimit(double current, double limit);

// The same against the 4 mA a CMOS output can deliver.
bool reachesCmosLimit(double current);
