#include "standardfit.h"

#include "circuitconstants.h"
#include "switchstages.h"

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

// The stage whose base resistor is `computed` [kohm] in the series, with V [V] across it and
// Rbe [kohm] beside the base it feeds; the transistor's collector current is Ic [mA] at nominal
// values and at most IcLargest [mA] in the worst case.
Fit fitStage(Series series,
             double computed,
             double V,
             double Rbe,
             double hFEmin,
             double Ic,
             double IcLargest)
{
    const auto standard = largestNotAbove(series, computed);
    if (const auto *reason = std::get_if<NoStandardValue>(&standard))
        return noFit(*reason);
    const StandardResistor resistor = std::get<StandardResistor>(standard);
    const double Rs = resistor.kiloohms();
    const double t = tolerance(series);

    const Checked I = Stage::currentThrough(V, Rs);
    const Checked Ib = Stage::baseCurrentLeft(I, Rbe);
    const Checked largest = Stage::currentThrough(V, Rs * (1 - t));
    const Checked leastIb = Stage::baseCurrentLeft(Stage::currentThrough(V, Rs * (1 + t)), Rbe);
    if (Ib.fault() != Fault::None || largest.fault() != Fault::None)
        return NoFit::NotComputable;
    return StageFit{resistor,
                    I.value(),
                    Ib.value(),
                    largest.value(),
                    ifComputable(Stage::marginObtained(Ib, hFEmin, Ic)),
                    ifComputable(Stage::marginObtained(leastIb, hFEmin, IcLargest))};
}

} // namespace

StandardFits fitOneTransistor(const FormVariables &v)
{
    StandardFits fits{};
    for (std::size_t i = 0; i < allSeries.size(); ++i)
        fits.series[i] = {allSeries[i],
                          fitStage(allSeries[i], v.Rb1, v.Vi - Vbe, v.R1, v.hFE1min, v.IL, v.IL),
                          std::nullopt};
    return fits;
}

StandardFits fitTwoTransistors(const FormVariables &v)
{
    StandardFits fits{};
    for (std::size_t i = 0; i < allSeries.size(); ++i) {
        const Series series = allSeries[i];
        const Fit rb1 = fitStage(series, v.Rb1, v.Vcc - VdropTwoStage, v.R1, v.hFE1min, v.IL, v.IL);
        Fit rb2 = NoFit::NoFirstStage;
        if (const auto *first = std::get_if<StageFit>(&rb1)) {
            // The second stage as the press computes it, for the collector current Rs1 asks of Q2.
            const double Ic2 = first->current;
            const Checked Ib2 = Stage::baseCurrent(v.maggIb2, Ic2, v.hFE2min);
            const Checked Ii = Stage::baseResistorCurrent(v.R2, Ib2);
            const Checked Rb2 = Stage::resistorFor(v.Vi - Vbe, Ii);
            const double IcLargest = first->largestCurrent; // Rs1 at -t
            if (Rb2.fault() != Fault::None)
                rb2 = NoFit::NotComputable;
            else
                rb2 = fitStage(series, Rb2.value(), v.Vi - Vbe, v.R2, v.hFE2min, Ic2, IcLargest);
        }
        fits.series[i] = {series, rb1, rb2};
    }
    return fits;
}
