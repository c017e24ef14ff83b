#include "standardfit.h"

#include <cmath>
#include <initializer_list>

#include "circuitconstants.h"

namespace {

using namespace SwitchConstants;

constexpr double percent = 100.0;

constexpr std::array<Series, 2> bothSeries{Series::E12, Series::E24};

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

bool allFinite(std::initializer_list<double> values)
{
    for (const double value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

// Base current x gain / collector current - 1, in percent.
std::optional<double> marginObtained(double baseCurrent, double hFEmin, double collectorCurrent)
{
    const double margin = (baseCurrent * hFEmin / collectorCurrent - 1.0) * percent;
    if (!std::isfinite(margin))
        return std::nullopt;
    return margin;
}

// The standard value for `computed` [kohm], the current `voltage` drives through it and the base
// current left after `bleed`, the current of the base-emitter resistor.
Fit fitStage(Series series,
             double computed,
             double voltage,
             double bleed,
             double hFEmin,
             double collectorCurrent)
{
    const auto standard = largestNotAbove(series, computed);
    if (const auto *reason = std::get_if<NoStandardValue>(&standard))
        return noFit(*reason);
    const StandardResistor resistor = std::get<StandardResistor>(standard);
    const double current = voltage / resistor.kiloohms();
    const double baseCurrent = current - bleed;
    if (!allFinite({current, baseCurrent}))
        return NoFit::NotComputable;
    return StageFit{computed,
                    resistor,
                    current,
                    baseCurrent,
                    marginObtained(baseCurrent, hFEmin, collectorCurrent)};
}

} // namespace

StandardFits fitOneTransistor(const FormVariables &v)
{
    StandardFits fits{};
    for (std::size_t i = 0; i < bothSeries.size(); ++i)
        fits.series[i] = {bothSeries[i],
                          fitStage(bothSeries[i], v.Rb1, v.Vi - Vbe, Vbe / v.R1, v.hFE1min, v.IL),
                          std::nullopt};
    return fits;
}

StandardFits fitTwoTransistors(const FormVariables &v)
{
    StandardFits fits{};
    for (std::size_t i = 0; i < bothSeries.size(); ++i) {
        const Series series = bothSeries[i];
        const Fit rb1 = fitStage(series, v.Rb1, v.Vcc - VdropTwoStage, Vbe / v.R1, v.hFE1min, v.IL);
        Fit rb2 = NoFit::NoFirstStage;
        if (const auto *first = std::get_if<StageFit>(&rb1)) {
            // The second stage as the press computes it, from the collector current Rs1 asks of Q2.
            const double Ic2 = first->current;
            const double Ib2 = Ic2 * (v.maggIb2 / percent + 1.0) / v.hFE2min;
            const double Ii = Vbe / v.R2 + Ib2;
            const double Rb2 = (v.Vi - Vbe) / Ii;
            rb2 = allFinite({Ib2, Ii, Rb2})
                      ? fitStage(series, Rb2, v.Vi - Vbe, Vbe / v.R2, v.hFE2min, Ic2)
                      : NoFit::NotComputable;
        }
        fits.series[i] = {series, rb1, rb2};
    }
    return fits;
}
