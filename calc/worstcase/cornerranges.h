#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "nominal/circuitconstants.h"
#include "nominal/switchstages.h"
#include "parts/logicoutputs.h"
#include "parts/temperaturelaws.h"
#include "parts/transistors.h"
#include "worstcase/standardresistor.h"

// The ranges the worst case spans: what the designer cannot choose, set once and taken by every
// fit. The defaults are a small-signal transistor near room temperature and the tolerances of
// IEC 60063; the designer may state the parts' own.
struct CornerRanges
{
    double VbeLowest = SwitchConstants::VbeLowest;   // [V]
    double VbeHighest = SwitchConstants::VbeHighest; // [V]
    // Q2's Vce(sat) [V]: from a saturated transistor's few tens of mV, bounded by 0, up to the
    // 0.3 V of the design's 1 V.
    double VceSatLowest = 0.0;
    double VceSatHighest = SwitchConstants::VceSat;
    // The tolerance each series is bought with [%]: E12, E24, E96 (IEC 60063).
    std::array<double, 3> tolerancePercent{10, 5, 1};
    // The logic output that drives the switch; none: Vi as typed for both its ends, and the 4 mA
    // of a CMOS output.
    std::optional<DrivingOutput> output;
    // The list's entry whose figures those are; none where the designer set them.
    const LogicOutput *outputEntry = nullptr;
    // Vcc's tolerance [%]: Q1 of the two-transistor circuit gets its least base current at the
    // supply's lowest, Rb1 its largest current at the highest.
    double VccTolerancePercent = 0;

    // The transistors bought, each as its datasheet guarantees; none: as typed, with the Vbe
    // range above. Q1 is an NPN in the one-transistor circuit and a PNP in the two-transistor
    // one, Q2 an NPN.
    enum Slot : std::size_t { Q1OneTransistor, Q1TwoTransistors, Q2 };
    std::array<const TransistorPart *, 3> parts{};
    // The operating temperature range [°C]: the least base current is sought at Tmin, where the
    // gain is lowest and Vbe highest, the largest currents at Tmax, where Vbe is lowest, and the
    // power ratings are derated at Tmax. 25 °C only by default: the datasheets' own figures.
    double Tmin = Temperature::datasheet;
    double Tmax = Temperature::datasheet;
    // The base-emitter voltage below which a transistor counts as off, at 25 °C [V]: it falls
    // 2 mV/°C (Temperature::offThreshold), and the off check takes it at Tmax.
    double VbeOff = 0.4;
    // The low state of an output not from the list: its VOL max [V], at any current, and where it
    // may be left floating the leakage of its pin [µA]; none: it never floats.
    double VOL = 0;
    std::optional<double> floatingLeakage;
    // Saturation guaranteed by the datasheet: none, the design by the least gain and the margin;
    // where set, the value to buy must also keep Ic / Ib at the least base current at or below
    // the forced gain of the datasheet's VCE(sat) row at the collector current, and a transistor
    // typed at or below this figure [-].
    std::optional<double> saturationForcedGain;

    // The current up to which the output holds its least high level [mA].
    double outputLimit() const
    {
        return output ? output->currentLimit : SwitchConstants::cmosOutputLimit;
    }

    // As a fraction.
    double toleranceOf(Series series) const
    {
        return tolerancePercent[static_cast<std::size_t>(series)] / 100;
    }

    // The least base current: the junction at its highest Vbe, risen at Tmin, Q2 (where it
    // conducts in series) at its highest Vce(sat), the base resistor at +t, the base-emitter
    // resistor at -t taking its largest share, the sources at their lowest.
    Corner leastBaseCurrent(Series series) const
    {
        const double t = toleranceOf(series);
        return {VbeHighest + Temperature::VbeRiseInTheCold(Tmin),
                VceSatHighest,
                1 + t,
                1 - t,
                output ? std::optional(output->ViLowest) : std::nullopt,
                1 - VccTolerancePercent / 100};
    }

    // The largest current through a base resistor: the junction at its lowest Vbe, fallen at
    // Tmax, Q2 at its lowest Vce(sat), the resistor at -t, the sources at their highest.
    Corner largestCurrent(Series series) const
    {
        return {VbeLowest - Temperature::VbeFallInTheHeat(Tmax),
                VceSatLowest,
                1 - toleranceOf(series),
                1,
                output ? std::optional(output->ViHighest) : std::nullopt,
                1 + VccTolerancePercent / 100};
    }

    friend bool operator==(const CornerRanges &, const CornerRanges &) = default;
};
