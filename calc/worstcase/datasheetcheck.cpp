#include "worstcase/datasheetcheck.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double eighthWatt = 125;  // [mW]
constexpr double quarterWatt = 250; // [mW]

// A transistor as the check sees it at a series's values to buy.
struct CheckedTransistor
{
    std::u16string_view name; // "Q1"
    const TransistorPart &part;
    double typedGain;
    double Ic;           // its largest collector current [mA]
    const StageFit &fit; // the base resistor bought for it
};

class Checks
{
public:
    // Gains are checked at Tmin, power ratings at Tmax [°C].
    Checks(double Tmin, double Tmax) : Tmin_(Tmin), ambient_(Tmax) {}

    // A transistor's largest collector current against IC max, and the gain typed against the
    // datasheet's at that current.
    void collectorCurrentAndGain(const CheckedTransistor &q, std::optional<Series> series)
    {
        add({.series = series,
             .figure = CheckedFigure::CollectorCurrent,
             .name = q.name,
             .part = &q.part,
             .value = q.Ic,
             .limit = q.part.IcMax,
             .verdict = q.Ic <= q.part.IcMax ? Verdict::Holds : Verdict::Exceeds});
        DatasheetCheck gain{.series = series,
                            .figure = CheckedFigure::Gain,
                            .name = q.name,
                            .part = &q.part,
                            .value = q.typedGain,
                            .verdict = Verdict::NotGuaranteed};
        if (const auto at = guaranteedGainAt(q.part, q.Ic, Tmin_)) {
            gain.limit = at->hFEmin;
            gain.gainAt = at;
            gain.verdict = at->at25.belowRows          ? Verdict::NotGuaranteed
                           : q.typedGain <= at->hFEmin ? Verdict::Holds
                                                       : Verdict::Exceeds;
        }
        add(gain);
    }

    // The forced gain at the least base current, what the datasheet then guarantees of VCE, and
    // the power that VCE gives: these depend on the values bought.
    void saturationAndPower(const CheckedTransistor &q, Series series)
    {
        const double Ib = q.fit.leastBaseCurrent;
        const double forced = Ib > 0 ? q.Ic / Ib : HUGE_VAL;
        const auto sat = saturationAt(q.part, q.Ic);
        // The gain's test guarantees its VCE down to its gain at Tmin.
        const auto gain = guaranteedGainAt(q.part, q.Ic, Tmin_);
        DatasheetCheck check{.series = series,
                             .figure = CheckedFigure::ForcedGain,
                             .name = q.name,
                             .part = &q.part,
                             .value = Ib > 0 ? std::optional(forced) : std::nullopt,
                             .verdict = Verdict::NoFigure,
                             .saturationRow = sat};
        if (sat) {
            check.limit = sat->Ic / sat->Ib;
            check.verdict = forced <= *check.limit ? Verdict::Holds : Verdict::Exceeds;
        }
        if (sat && forced <= sat->Ic / sat->Ib) {
            check.vce = VceGuaranteed::Saturation;
            check.VceGuaranteedMax = sat->max;
        } else if (gain && !gain->at25.belowRows && forced <= gain->hFEmin) {
            check.vce = VceGuaranteed::GainTest;
            check.VceGuaranteedMax = gain->at25.row.Vce;
        }
        add(check);

        DatasheetCheck power{.series = series,
                             .figure = CheckedFigure::TransistorPower,
                             .name = q.name,
                             .part = &q.part,
                             .limit = deratedPower(q.part.power, ambient_),
                             .verdict = Verdict::NotGuaranteed};
        if (check.vce != VceGuaranteed::None) {
            // The base current is at most the largest through its base resistor.
            const double P =
                q.Ic * check.VceGuaranteedMax + q.fit.largestCurrent * q.fit.VbeHighest;
            power.value = P;
            power.verdict = P <= *power.limit ? Verdict::Holds : Verdict::Exceeds;
        }
        add(power);
    }

    // A resistor's power [mW] at its worst corner against 1/8 W, and 1/4 W where that is short.
    void resistor(std::u16string_view name, double P, Series series)
    {
        const double eighth = resistorRating(eighthWatt, ambient_);
        ResistorRating rating = ResistorRating::EighthWatt;
        if (P > eighth)
            rating = P <= resistorRating(quarterWatt, ambient_) ? ResistorRating::QuarterWatt
                                                                : ResistorRating::BeyondQuarterWatt;
        add({.series = series,
             .figure = CheckedFigure::ResistorPower,
             .name = name,
             .value = P,
             .limit = eighth,
             .verdict =
                 rating == ResistorRating::BeyondQuarterWatt ? Verdict::Exceeds : Verdict::Holds,
             .rating = rating});
    }

    std::vector<DatasheetCheck> finish() { return std::move(checks_); }

private:
    void add(const DatasheetCheck &check) { checks_.push_back(check); }

    double Tmin_;
    double ambient_;
    std::vector<DatasheetCheck> checks_;
};

// The power of a base resistor at its largest current, and of a base-emitter one at its
// transistor's highest Vbe, each at -t [mW].
double basePower(const StageFit &fit, double t)
{
    return fit.largestCurrent * fit.largestCurrent * fit.resistor.kiloohms() * (1 - t);
}

double pullDownPower(const StageFit &fit, double Rbe, double t)
{
    return fit.VbeHighest * fit.VbeHighest / (Rbe * (1 - t));
}

} // namespace

double resistorRating(double rated, double ambient)
{
    constexpr double full = 70, none = 155; // [°C]
    return rated * std::clamp((none - ambient) / (none - full), 0.0, 1.0);
}

std::vector<DatasheetCheck> datasheetChecks(const StandardFits &fits)
{
    const bool two = fits.series.front().buyRb2.has_value();
    const CornerRanges &c = fits.corners;
    const FormVariables &v = fits.design;
    Checks checks(c.Tmin, c.Tmax);
    const TransistorPart *q1 =
        c.parts[two ? CornerRanges::Q1TwoTransistors : CornerRanges::Q1OneTransistor];
    const TransistorPart *q2 = two ? c.parts[CornerRanges::Q2] : nullptr;
    bool q1Checked = false;
    for (const SeriesFit &s : fits.series) {
        const auto *rb1 = std::get_if<StageFit>(&s.buyRb1);
        const StageFit *rb2 = two ? std::get_if<StageFit>(&*s.buyRb2) : nullptr;
        if (!rb1)
            continue;
        const double t = c.toleranceOf(s.series);
        if (q1) {
            const CheckedTransistor q{u"Q1", *q1, v.hFE1min, v.IL, *rb1};
            if (!q1Checked) // its collector current is IL whatever the series
                checks.collectorCurrentAndGain(q, std::nullopt);
            q1Checked = true;
            checks.saturationAndPower(q, s.series);
        }
        if (q2 && rb2) {
            const CheckedTransistor q{u"Q2", *q2, v.hFE2min, rb1->largestCurrent, *rb2};
            checks.collectorCurrentAndGain(q, s.series);
            checks.saturationAndPower(q, s.series);
        }
        checks.resistor(u"Rb1", basePower(*rb1, t), s.series);
        checks.resistor(u"R1", pullDownPower(*rb1, v.R1, t), s.series);
        if (rb2) {
            checks.resistor(u"Rb2", basePower(*rb2, t), s.series);
            checks.resistor(u"R2", pullDownPower(*rb2, v.R2, t), s.series);
        }
    }
    return checks.finish();
}
