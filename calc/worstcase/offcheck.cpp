#include "worstcase/offcheck.h"

#include <algorithm>

#include "parts/temperaturelaws.h"

namespace {

constexpr double perMicroampere = 1e-3; // mA
constexpr double perNanoampere = 1e-6;  // mA

// Vbe with the output low: VOL divided by Rb and Rbe, and the leakage I [mA] through both in
// parallel [V].
double VbeOutputLow(double VOL, double I, double Rbe, double Rb)
{
    return (VOL * Rbe + I * Rbe * Rb) / (Rbe + Rb);
}

// The largest Rbe that keeps it below the threshold: none is too large where VOL + I x Rb stays
// below it.
double largestRbeOutputLow(double VOL, double I, double Rb, double threshold)
{
    const double excess = VOL + I * Rb - threshold;
    return excess > 0 ? threshold * Rb / excess : anyResistor;
}

double largestRbeThrough(double I, double threshold)
{
    return I > 0 ? threshold / I : anyResistor;
}

// The base resistor a series buys: the value to buy, or the standard one just below the
// computed, or the computed itself.
double boughtRb(const Purchase &buy, const Fit &nearest, double computed)
{
    if (const auto *fit = std::get_if<StageFit>(&buy))
        return fit->resistor.kiloohms();
    if (const auto *fit = std::get_if<StageFit>(&nearest))
        return fit->resistor.kiloohms();
    return computed;
}

OutputOff outputOff(const CornerRanges &c, double sinkCurrent)
{
    if (c.outputEntry)
        if (const OutputLowLevel *low = outputLowLevel(*c.outputEntry)) {
            // Beyond its rows the last, the most it guarantees. Below a row's current the output
            // conducts like a resistor, no worse at a lower voltage: VOL in proportion to the
            // current, a rule of thumb the assumptions say.
            const LowLevelRow row = lowLevelAt(*low, sinkCurrent).value_or(low->rows.back());
            return {row.VOLmax * std::min(1.0, sinkCurrent / row.Iol),
                    sinkCurrent,
                    row,
                    low->floatingLeakage ? std::optional(*low->floatingLeakage * perMicroampere)
                                         : std::nullopt,
                    low};
        }
    return {c.VOL,
            sinkCurrent,
            std::nullopt,
            c.floatingLeakage ? std::optional(*c.floatingLeakage * perMicroampere) : std::nullopt,
            nullptr};
}

TransistorOff transistorOff(std::u16string_view name,
                            std::u16string_view Rbe,
                            CornerRanges::Slot slot,
                            const CornerRanges &c)
{
    const CutoffFigures &figures = cutoffFigures(c.parts[slot]);
    const LeakageAt at = leakageAt(figures, c.Tmax);
    return {name, Rbe, slot, at.nA * perNanoampere, at, &figures, {}, {}};
}

// A transistor driven by the output through Rb, held by Rbe: its states as designed, and per
// series with the resistors bought.
void drivenByOutput(TransistorOff &t,
                    const OutputOff &out,
                    double Rbe,
                    double Rb,
                    const std::array<double, 3> &RbBought,
                    const CornerRanges &c,
                    double threshold)
{
    const double I = t.leakage;
    t.states.push_back({OffDrive::OutputLow,
                        VbeOutputLow(out.VOL, I, Rbe, Rb),
                        largestRbeOutputLow(out.VOL, I, Rb, threshold)});
    if (out.floating)
        t.states.push_back({OffDrive::OutputFloating,
                            (I + *out.floating) * Rbe,
                            largestRbeThrough(I + *out.floating, threshold)});
    for (const Series s : {Series::E12, Series::E24, Series::E96}) {
        const double tol = c.toleranceOf(s);
        const double RbeHigh = Rbe * (1 + tol);
        const std::size_t i = static_cast<std::size_t>(s);
        SeriesOff worst{s,
                        std::max(VbeOutputLow(out.VOL, I, RbeHigh, RbBought[i] * (1 - tol)),
                                 VbeOutputLow(out.VOL, I, RbeHigh, RbBought[i] * (1 + tol))),
                        OffDrive::OutputLow,
                        true};
        if (out.floating && (I + *out.floating) * RbeHigh > worst.Vbe)
            worst = {s, (I + *out.floating) * RbeHigh, OffDrive::OutputFloating, true};
        worst.holds = worst.Vbe < threshold;
        t.series[i] = worst;
    }
}

} // namespace

const OffState &TransistorOff::worst() const
{
    return *std::ranges::min_element(states, {}, &OffState::largestRbe);
}

OffCheck offCheck(const StandardFits &fits)
{
    const CornerRanges &c = fits.corners;
    const FormVariables &d = fits.design;
    const bool two = fits.twoTransistors();
    OffCheck check{c.Tmax, Temperature::offThreshold(c.VbeOff, c.Tmax), {}, {}};
    const double threshold = check.threshold;

    TransistorOff driven = two ? transistorOff(u"Q2", u"R2", CornerRanges::Q2, c)
                               : transistorOff(u"Q1", u"R1", CornerRanges::Q1OneTransistor, c);
    // All of the leakage may flow into the output: the row that covers it.
    check.output = outputOff(c, driven.leakage);
    std::array<double, 3> RbBought{};
    for (const SeriesFit &s : fits.series)
        RbBought[static_cast<std::size_t>(s.series)] =
            two ? boughtRb(s.buyRb2.value_or(NoPurchase::NoFirstStage),
                           s.rb2.value_or(NoFit::NoFirstStage),
                           d.Rb2)
                : boughtRb(s.buyRb1, s.rb1, d.Rb1);
    drivenByOutput(
        driven, check.output, two ? d.R2 : d.R1, two ? d.Rb2 : d.Rb1, RbBought, c, threshold);

    if (two) {
        // Q1 held by R1 to Vcc, with Q2 off: both leakages through R1.
        TransistorOff q1 = transistorOff(u"Q1", u"R1", CornerRanges::Q1TwoTransistors, c);
        const double I = q1.leakage + driven.leakage;
        q1.states.push_back({OffDrive::Q2Off, I * d.R1, largestRbeThrough(I, threshold)});
        for (const Series s : {Series::E12, Series::E24, Series::E96}) {
            const double Vbe = I * d.R1 * (1 + c.toleranceOf(s));
            q1.series[static_cast<std::size_t>(s)] = {s, Vbe, OffDrive::Q2Off, Vbe < threshold};
        }
        check.transistors.push_back(std::move(q1));
    }
    check.transistors.push_back(std::move(driven));
    return check;
}
