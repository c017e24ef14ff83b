#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "worstcase/standardfit.h"

// The values to buy checked against the datasheets, as figures: for each transistor bought from
// the parts list, its largest collector current against IC max and the gain typed against the
// datasheet's at that current (once, where the current is the same in every series), then per
// series the forced gain at the least base current and what the datasheet then guarantees of VCE,
// and its power against Ptot derated at the ambient temperature; for each resistor, always, its
// power at its worst corner against 1/8 W (1/4 W where that is short), derated above 70 °C.

enum class CheckedFigure {
    CollectorCurrent, // [mA], against IC max
    Gain,             // the gain typed, against hFE min at the largest collector current
    ForcedGain,       // Ic / Ib at the least base current, against that of the VCE(sat) test
    TransistorPower,  // [mW], Ic x the VCE guaranteed + the largest Ib x the highest Vbe
    ResistorPower,    // [mW], at the resistor's worst corner, against 1/8 W derated
};

enum class Verdict {
    Holds,         // within the datasheet's limit
    Exceeds,       // beyond it
    NotGuaranteed, // the datasheet guarantees nothing there: no gain, or no VCE to work with
    NoFigure,      // the datasheet gives no limit to compare with
};

// What the datasheet guarantees of VCE at the forced gain, and from which test.
enum class VceGuaranteed { None, Saturation, GainTest };

// The standard rating a resistor's power needs.
enum class ResistorRating { EighthWatt, QuarterWatt, BeyondQuarterWatt };

struct DatasheetCheck
{
    std::optional<Series> series{}; // none: the same in every series
    CheckedFigure figure{};
    std::u16string_view name{};           // "Q1", "Rb1"
    const TransistorPart *part = nullptr; // the transistor's datasheet; none for a resistor
    std::optional<double> value{};        // none: the base current is 0 (forced gain), or no
                                          // VCE is guaranteed (power)
    std::optional<double> limit{};        // none where the datasheet gives none
    Verdict verdict = Verdict::Holds;
    std::optional<GainAtTemperature> gainAt{};    // Gain: the limit, its row and temperature
    std::optional<SaturationRow> saturationRow{}; // ForcedGain: the VCE(sat) test at the current
    VceGuaranteed vce = VceGuaranteed::None;      // ForcedGain
    double VceGuaranteedMax = 0;                  // ForcedGain: its VCE [V]
    ResistorRating rating = ResistorRating::EighthWatt; // ResistorPower
};

// Every check of the values to buy, in the order the report lists them.
std::vector<DatasheetCheck> datasheetChecks(const StandardFits &fits);

// A resistor's rating [mW] at the ambient temperature [°C]: as rated up to 70 °C, then linearly
// down to nothing at 155 °C.
double resistorRating(double rated, double ambient);
