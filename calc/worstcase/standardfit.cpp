#include "worstcase/standardfit.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "nominal/circuitconstants.h"
#include "nominal/numbertext.h"
#include "nominal/switchstages.h"

namespace {

using namespace SwitchConstants;

constexpr std::array<Series, 3> allSeries{Series::E12, Series::E24, Series::E96};

NoFit noFit(NoStandardValue reason)
{
    switch (reason) {
    case NoStandardValue::NotPositive:
        return NoFit::NotPositive;
    case NoStandardValue::BelowRange:
        return NoFit::BelowRange;
    case NoStandardValue::AboveRange:
        break;
    }
    return NoFit::AboveRange;
}

std::optional<double> ifComputable(Checked value)
{
    if (value.fault() != Fault::None)
        return std::nullopt;
    return value.value();
}

bool anyFault(std::initializer_list<Checked> values)
{
    for (const Checked &value : values)
        if (value.fault() != Fault::None)
            return true;
    return false;
}

// A stage as the fits see it: a base resistor driven from a source, feeding the base of a
// transistor with a base-emitter resistor beside it.
struct StageCircuit
{
    double Vs;            // the source [V]: Vi, or Vcc for Rb1 of the two-transistor circuit
    Stage::Source source; // Vcc drives Rb1 through Q2
    double Rbe;           // the base-emitter resistor [kohm]
    double hFEmin;        // the transistor's least gain, as typed: the nominal margin's
    double Ic;            // its collector current [mA]
    double IcLargest;     // the largest in the worst case [mA]
    double magg;          // the margin asked for [%]
    bool feedsOutput;     // the logic output drives it: Ii max must stay below its limit
    // The worst case's: the lower of hFEmin and the datasheet's least gain at IcLargest and Tmin.
    double hFEworst = hFEmin;
    bool gainGuaranteed = true; // false: the datasheet guarantees no gain at IcLargest
    // Saturation asked for: the highest Ic / Ib, from the VCE(sat) row at IcLargest or as typed;
    // 0 where the datasheet has no row there. None: not asked for.
    std::optional<double> forcedGainLimit = std::nullopt;
    // The transistor bought, whose VBE(sat) may raise the range's highest Vbe; none: as typed.
    const TransistorPart *part = nullptr;
    double VbeRangeHighest = 0; // [V]

    // The junction's highest Vbe with a base current up to Ib [mA]: the range's, or the
    // datasheet's above it, with the row that gives it.
    std::pair<double, std::optional<VbeLimit>> highestVbe(double Ib) const
    {
        if (!part)
            return {VbeRangeHighest, std::nullopt};
        const auto limit = ::highestVbe(*part, IcLargest, Ib);
        return {limit ? std::max(VbeRangeHighest, limit->Vbe) : VbeRangeHighest, limit};
    }
};

// The stage with the transistor bought: its datasheet can only make the worst case worse.
StageCircuit asBought(StageCircuit s, const TransistorPart *part, const CornerRanges &ranges)
{
    s.hFEworst = s.hFEmin;
    s.part = part;
    s.VbeRangeHighest = ranges.VbeHighest;
    s.forcedGainLimit = std::nullopt;
    if (ranges.saturationForcedGain) {
        s.forcedGainLimit = *ranges.saturationForcedGain;
        if (part) {
            const auto row = saturationAt(*part, s.IcLargest);
            s.forcedGainLimit = row ? row->Ic / row->Ib : 0;
        }
    }
    if (!part)
        return s;
    // A gain typed stands for the whole range; a part's is taken at Tmin.
    if (const auto gain = guaranteedGainAt(*part, s.IcLargest, ranges.Tmin))
        s.hFEworst = std::min(s.hFEmin, gain->hFEmin);
    else
        s.gainGuaranteed = false;
    return s;
}

// Q1 of the two-transistor circuit, whose base current Q2 pulls through Rb1.
StageCircuit pulledByQ2(const FormVariables &v, const CornerRanges &ranges)
{
    return asBought({.Vs = v.Vcc,
                     .source = Stage::Source::VccThroughQ2,
                     .Rbe = v.R1,
                     .hFEmin = v.hFE1min,
                     .Ic = v.IL,
                     .IcLargest = v.IL,
                     .magg = v.maggIb1,
                     .feedsOutput = false},
                    ranges.parts[CornerRanges::Q1TwoTransistors],
                    ranges);
}

// Where the worst case of a series is sought.
struct SeriesCorners
{
    Series series;
    const CornerRanges &ranges;
};

// The least base current's corner, at the stage's own highest Vbe [V] at Tmin.
Corner leastCorner(double VbeHighest, const SeriesCorners &at)
{
    Corner least = at.ranges.leastBaseCurrent(at.series);
    least.Vbe = VbeHighest;
    return least;
}

// What the standard resistor, standing for the computed one [kohm], gives in the stage, nominal
// and at the corners of its series; none where a current cannot be computed.
std::optional<StageFit>
evaluate(const StageCircuit &s, StandardResistor resistor, double computed, const SeriesCorners &at)
{
    const double Rs = resistor.kiloohms();
    const auto currentAt = [&](Corner c) {
        return Stage::currentThrough(Stage::acrossBaseResistor(s.Vs, s.source, c), Rs, c);
    };
    const Checked I = currentAt({});
    const Checked Ib = Stage::baseCurrentLeft(I, s.Rbe);
    const Corner largest = at.ranges.largestCurrent(at.series);
    const Checked Imax = currentAt(largest);
    // A VBE(sat) row holds up to its base current: the stage's largest picks the row.
    const Checked IbLargest = Stage::baseCurrentLeft(Imax, s.Rbe, largest);
    if (anyFault({Ib, Imax, IbLargest}))
        return std::nullopt;
    const auto [VbeHighest25, VbeRow] = s.highestVbe(std::max(0.0, IbLargest.value()));
    const double VbeHighest = VbeHighest25 + Temperature::VbeRiseInTheCold(at.ranges.Tmin);
    const Corner least = leastCorner(VbeHighest, at);
    const Checked IbLeast = Stage::baseCurrentLeft(currentAt(least), s.Rbe, least);
    if (IbLeast.fault() != Fault::None)
        return std::nullopt;
    StageFit fit{resistor,
                 computed,
                 I.value(),
                 Ib.value(),
                 Imax.value(),
                 IbLeast.value(),
                 ifComputable(Stage::marginObtained(Ib, s.hFEmin, s.Ic)),
                 std::nullopt,
                 s.hFEworst,
                 VbeHighest,
                 VbeRow};
    fit.gainGuaranteed = s.gainGuaranteed;
    if (!fit.offInWorstCase() && s.gainGuaranteed)
        fit.worstMargin = ifComputable(Stage::marginObtained(IbLeast, s.hFEworst, s.IcLargest));
    fit.forcedGainLimit = s.forcedGainLimit;
    if (s.forcedGainLimit && !fit.offInWorstCase())
        fit.saturationMargin =
            ifComputable(Stage::marginObtained(IbLeast, *s.forcedGainLimit, s.IcLargest));
    return fit;
}

// Whether the fit's largest current reaches what the logic output can deliver at its level.
bool overLimit(const StageCircuit &s, const StageFit &fit, const SeriesCorners &at)
{
    return s.feedsOutput && reachesOutputLimit(fit.largestCurrent, at.ranges.outputLimit());
}

// Whether the fit keeps the transistor saturated with the margin asked for at every corner,
// within what the logic output can deliver unless beyondLimit.
bool holds(const StageCircuit &s,
           const StageFit &fit,
           const SeriesCorners &at,
           bool beyondLimit = false)
{
    if ((!beyondLimit && overLimit(s, fit, at)) || fit.offInWorstCase())
        return false;
    if (!fit.worstMargin) // no collector current: any base current saturates
        return s.IcLargest == 0;
    // Saturation asked for: Ic / Ib within the forced gain too.
    if (fit.forcedGainLimit && !(fit.saturationMargin && *fit.saturationMargin >= 0))
        return false;
    return *fit.worstMargin >= s.magg;
}

// The largest standard value not above the computed resistor [kohm], and what it gives.
Fit nearestBelow(const StageCircuit &s, const SeriesCorners &at, double computed)
{
    const auto standard = largestNotAbove(at.series, computed);
    if (const auto *reason = std::get_if<NoStandardValue>(&standard))
        return noFit(*reason);
    const auto fit = evaluate(s, std::get<StandardResistor>(standard), computed, at);
    if (!fit)
        return NoFit::NotComputable;
    return *fit;
}

// The value to buy: a walk down the series from the nearest value below the computed resistor
// [kohm] (a larger one gives less than the margin even at nominal values) to the first that
// holds. Ii max only grows on the way down, so the walk ends where it reaches the output's limit.
Purchase toBuy(const StageCircuit &s, const SeriesCorners &at, double computed)
{
    auto standard = largestNotAbove(at.series, computed);
    if (const auto *reason = std::get_if<NoStandardValue>(&standard)) {
        if (*reason == NoStandardValue::NotPositive)
            return NoPurchase::NotPositive;
        if (*reason == NoStandardValue::BelowRange)
            return NoPurchase::BelowOneOhm;
        standard = largestNotAbove(at.series, 1e4); // from 10 Mohm down
    }
    if (const LogicOutput *output = at.ranges.outputEntry;
        s.feedsOutput && output && (at.ranges.Tmin < output->Tmin || at.ranges.Tmax > output->Tmax))
        return NoPurchase::OutputTemperature;
    if (!s.gainGuaranteed)
        return NoPurchase::NoGainGuaranteed;
    if (s.forcedGainLimit && !(*s.forcedGainLimit > 0))
        return NoPurchase::NoSaturationGuaranteed;
    // At the least highest Vbe, that of the least base current: if the source drives nothing
    // there, it drives nothing at any value.
    if (!(Stage::acrossBaseResistor(
              s.Vs,
              s.source,
              leastCorner(s.highestVbe(0).first + Temperature::VbeRiseInTheCold(at.ranges.Tmin),
                          at))
              .value()
          > 0))
        return NoPurchase::SourceTooLow;
    for (std::optional<StandardResistor> r = std::get<StandardResistor>(standard); r;
         r = nextBelow(at.series, *r)) {
        const auto fit = evaluate(s, *r, computed, at);
        if (!fit)
            return NoPurchase::NotComputable;
        if (overLimit(s, *fit, at))
            return fit->offInWorstCase() ? NoPurchase::PullDownTakesAll : NoPurchase::OutputLimit;
        if (holds(s, *fit, at))
            return *fit;
    }
    return NoPurchase::NoneDownToOneOhm;
}

// Rb2 as the press computes it for Q2's collector current Ic2 [mA].
Checked rb2For(const FormVariables &v, double Ic2)
{
    const Checked Ib2 = Stage::baseCurrent(v.maggIb2, Ic2, v.hFE2min);
    const Checked Ii = Stage::baseResistorCurrent(v.R2, Ib2);
    return Stage::resistorFor(Stage::acrossBaseResistor(v.Vi, Stage::Source::Vi), Ii);
}

// Q2's stage for the Rb1 fitted in the series: its collector current, and the largest one in
// the worst case.
StageCircuit secondStage(const FormVariables &v, const StageFit &rb1, const CornerRanges &ranges)
{
    return asBought({.Vs = v.Vi,
                     .source = Stage::Source::Vi,
                     .Rbe = v.R2,
                     .hFEmin = v.hFE2min,
                     .Ic = rb1.current,
                     .IcLargest = rb1.largestCurrent,
                     .magg = v.maggIb2,
                     .feedsOutput = true},
                    ranges.parts[CornerRanges::Q2],
                    ranges);
}

// Q1 of the one-transistor circuit, driven by the logic output.
StageCircuit drivenByOutput(const FormVariables &v, const CornerRanges &ranges)
{
    return asBought({.Vs = v.Vi,
                     .source = Stage::Source::Vi,
                     .Rbe = v.R1,
                     .hFEmin = v.hFE1min,
                     .Ic = v.IL,
                     .IcLargest = v.IL,
                     .magg = v.maggIb1,
                     .feedsOutput = true},
                    ranges.parts[CornerRanges::Q1OneTransistor],
                    ranges);
}

// The stage the logic output drives, with the transistor bought: Q1 of one transistor, or Q2
// of two for the Rb1 to buy in the series; none where that has none.
std::optional<StageCircuit> drivenStage(const StandardFits &fits, const SeriesFit &series)
{
    const FormVariables &v = fits.design;
    if (!fits.twoTransistors())
        return drivenByOutput(v, fits.corners);
    if (const auto *rb1 = std::get_if<StageFit>(&series.buyRb1))
        return secondStage(v, *rb1, fits.corners);
    return std::nullopt;
}

} // namespace

std::optional<StageFit> beyondOutputLimit(const StandardFits &fits, Series series)
{
    const SeriesFit &fit = fits.series[static_cast<std::size_t>(series)];
    const auto stage = drivenStage(fits, fit);
    if (!stage)
        return std::nullopt;
    double computed = fits.design.Rb1;
    if (fits.twoTransistors()) {
        const Checked Rb2 = rb2For(fits.design, std::get<StageFit>(fit.buyRb1).current);
        if (Rb2.fault() != Fault::None)
            return std::nullopt;
        computed = Rb2.value();
    }
    const auto standard = largestNotAbove(series, computed);
    if (!std::holds_alternative<StandardResistor>(standard))
        return std::nullopt;
    const SeriesCorners at{series, fits.corners};
    for (std::optional<StandardResistor> r = std::get<StandardResistor>(standard); r;
         r = nextBelow(series, *r)) {
        const auto candidate = evaluate(*stage, *r, computed, at);
        if (!candidate)
            return std::nullopt;
        if (holds(*stage, *candidate, at, true))
            return candidate;
    }
    return std::nullopt;
}

bool reachesOutputLimit(double current, double limit)
{
    if (!(current < limit))
        return true;
    // Three significant digits, never fewer than two decimals, show a value within half a unit
    // of its last digit, at most 0.5 % of it: below 0.99 of the limit a current cannot read as
    // the limit, and need not be formatted.
    if (current < limit * 0.99)
        return false;
    return asShownThreeSignificant(current) >= asShownThreeSignificant(limit);
}

bool reachesCmosLimit(double current)
{
    return reachesOutputLimit(current, cmosOutputLimit);
}

StandardFits fitOneTransistor(const FormVariables &v, const CornerRanges &corners)
{
    const StageCircuit stage = drivenByOutput(v, corners);
    StandardFits fits{};
    fits.design = v;
    fits.corners = corners;
    for (std::size_t i = 0; i < allSeries.size(); ++i) {
        const SeriesCorners at{allSeries[i], corners};
        fits.series[i] = {allSeries[i],
                          nearestBelow(stage, at, v.Rb1),
                          std::nullopt,
                          toBuy(stage, at, v.Rb1),
                          std::nullopt};
    }
    return fits;
}

StandardFits fitTwoTransistors(const FormVariables &v, const CornerRanges &corners)
{
    const StageCircuit first = pulledByQ2(v, corners);
    StandardFits fits{};
    fits.design = v;
    fits.corners = corners;
    for (std::size_t i = 0; i < allSeries.size(); ++i) {
        const SeriesCorners at{allSeries[i], corners};
        fits.series[i] = {allSeries[i],
                          nearestBelow(first, at, v.Rb1),
                          NoFit::NoFirstStage,
                          toBuy(first, at, v.Rb1),
                          NoPurchase::NoFirstStage};
    }
    return withSecondStage(std::move(fits), corners.parts[CornerRanges::Q2]);
}

StandardFits withSecondStage(StandardFits fits, const TransistorPart *q2)
{
    fits.corners.parts[CornerRanges::Q2] = q2;
    const FormVariables &v = fits.design;
    for (SeriesFit &fit : fits.series) {
        const SeriesCorners at{fit.series, fits.corners};
        fit.rb2 = NoFit::NoFirstStage;
        fit.buyRb2 = NoPurchase::NoFirstStage;
        if (const auto *rb1 = std::get_if<StageFit>(&fit.rb1)) {
            const Checked Rb2 = rb2For(v, rb1->current);
            fit.rb2 = Rb2.fault() != Fault::None
                          ? Fit(NoFit::NotComputable)
                          : nearestBelow(secondStage(v, *rb1, fits.corners), at, Rb2.value());
        }
        if (const auto *rb1 = std::get_if<StageFit>(&fit.buyRb1)) {
            const Checked Rb2 = rb2For(v, rb1->current);
            fit.buyRb2 = Rb2.fault() != Fault::None
                             ? Purchase(NoPurchase::NotComputable)
                             : toBuy(secondStage(v, *rb1, fits.corners), at, Rb2.value());
        }
    }
    return fits;
}
