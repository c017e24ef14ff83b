#include "notes/datasheetcheck.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "nominal/messages.h"
#include "nominal/numbertext.h"

namespace {

namespace Note = Messages::Note;
using Messages::fill;

constexpr double eighthWatt = 125;  // [mW]
constexpr double quarterWatt = 250; // [mW]

// A figure worked out, as the table shows it: three significant digits; a datasheet's own at its
// shortest.
std::u16string figure(double value, std::u16string_view point)
{
    return formatThreeSignificant(value, point);
}

std::u16string shortest(double value, std::u16string_view point)
{
    return formatShortest(value, point);
}

NoteCell text(std::u16string shown)
{
    return {std::move(shown), {}};
}

// A transistor as the check sees it at a series's values to buy.
struct CheckedTransistor
{
    std::u16string_view name; // "Q1"
    const TransistorPart &part;
    double typedGain;
    double Ic;           // its largest collector current [mA]
    const StageFit &fit; // the base resistor bought for it
};

// What the datasheet guarantees of VCE at the least base current [V], and the verdict.
struct VceGuarantee
{
    std::optional<double> Vce;
    std::u16string verdict;
};

class Checks
{
public:
    Checks(const StandardFits &fits, std::u16string_view point) : fits_(fits), point_(point) {}

    // A transistor's largest collector current and its gain against the datasheet's.
    void transistor(const CheckedTransistor &q, const NoteCell &series)
    {
        const std::u16string key(q.part.key);
        {
            row(series,
                fill(Note::verificaIc, {q.name}),
                figure(q.Ic, point_),
                shortest(q.part.IcMax, point_),
                fill(Note::condIcMax, {key}),
                std::u16string(q.Ic <= q.part.IcMax ? Note::esitoEntro : Note::esitoOltre));
            if (q.Ic > q.part.IcMax)
                lines_.push_back(
                    fill(Note::avvisoOltre, {series.shown, fill(Note::verificaIc, {q.name})}));
            const auto gain = guaranteedGain(q.part, q.Ic);
            if (gain)
                row(series,
                    fill(Note::verificaGuadagno, {q.name}),
                    shortest(q.typedGain, point_),
                    shortest(gain->hFEmin, point_),
                    fill(Note::condGuadagno,
                         {key, shortest(gain->Ic, point_), shortest(gain->Vce, point_)}),
                    q.typedGain <= gain->hFEmin
                        ? std::u16string(Note::esitoEntro)
                        : fill(Note::esitoGuadagnoUsato, {shortest(gain->hFEmin, point_)}));
            else
                row(series,
                    fill(Note::verificaGuadagno, {q.name}),
                    shortest(q.typedGain, point_),
                    std::u16string(Note::nonCalcolabile),
                    fill(Note::condNessunGuadagno, {key, shortest(q.part.gain.back().Ic, point_)}),
                    std::u16string(Note::esitoNessunGuadagno));
        }
    }

    // The forced gain and the power, which depend on the values bought.
    void saturation(const CheckedTransistor &q, const NoteCell &series)
    {
        const std::u16string key(q.part.key);
        const double Ib = q.fit.leastBaseCurrent;
        const double forced = Ib > 0 ? q.Ic / Ib : HUGE_VAL;
        const auto sat = saturationAt(q.part, q.Ic);
        const auto gain = guaranteedGain(q.part, q.Ic);
        VceGuarantee guarantee{std::nullopt, std::u16string(Note::esitoNessunaGaranzia)};
        if (sat && forced <= sat->Ic / sat->Ib)
            guarantee = {sat->max, fill(Note::esitoSaturazione, {shortest(sat->max, point_)})};
        else if (gain && forced <= gain->hFEmin)
            guarantee = {gain->Vce, fill(Note::esitoSoloVce, {shortest(gain->Vce, point_)})};
        row(series,
            fill(Note::verificaForzato, {q.name}),
            Ib > 0 ? figure(forced, point_) : std::u16string(Note::spento),
            sat ? shortest(sat->Ic / sat->Ib, point_) : std::u16string(Note::nonCalcolabile),
            sat ? fill(
                Note::condSaturazione,
                {shortest(sat->max, point_), shortest(sat->Ic, point_), shortest(sat->Ib, point_)})
                : fill(Note::condNessunaSaturazione,
                       {key, shortest(q.part.VceSat.back().Ic, point_)}),
            guarantee.verdict);
        if (q.name == u"Q2" && guarantee.Vce && *guarantee.Vce > fits_.corners.VceSatHighest)
            lines_.push_back(fill(Note::avvisoVceQ2,
                                  {series.shown,
                                   shortest(*guarantee.Vce, point_),
                                   shortest(fits_.corners.VceSatHighest, point_)}));

        const double rating = deratedPower(q.part.power, fits_.corners.ambientCelsius);
        const std::u16string condition =
            fill(Note::condPotenza,
                 {key, q.part.power.mounting, shortest(fits_.corners.ambientCelsius, point_)});
        const std::u16string check = fill(Note::verificaPotenza, {q.name});
        if (!guarantee.Vce) {
            row(series,
                check,
                std::u16string(Note::nonCalcolabile),
                figure(rating, point_),
                condition,
                std::u16string(Note::esitoNonVerificabile));
            return;
        }
        // The base current is at most the largest through its base resistor.
        const double P = q.Ic * *guarantee.Vce + q.fit.largestCurrent * q.fit.VbeHighest;
        row(series,
            check,
            figure(P, point_),
            figure(rating, point_),
            condition,
            std::u16string(P <= rating ? Note::esitoEntro : Note::esitoOltre));
        if (P > rating)
            lines_.push_back(fill(Note::avvisoOltre, {series.shown, check}));
    }

    // A resistor's power [mW] at its worst corner against 1/8 W, and 1/4 W where that is short.
    void resistor(std::u16string_view name, double P, const NoteCell &series)
    {
        const double ambient = fits_.corners.ambientCelsius;
        const double eighth = resistorRating(eighthWatt, ambient);
        const std::u16string check = fill(Note::verificaPotenza, {name});
        std::u16string_view verdict = Note::esitoOttavo;
        if (P > eighth)
            verdict = P <= resistorRating(quarterWatt, ambient) ? Note::esitoQuarto
                                                                : Note::esitoOltreQuarto;
        row(series,
            check,
            figure(P, point_),
            figure(eighth, point_),
            fill(Note::condResistore, {shortest(ambient, point_)}),
            std::u16string(verdict));
        if (verdict == Note::esitoOltreQuarto)
            lines_.push_back(fill(Note::avvisoOltre, {series.shown, check}));
    }

    ResultNotes finish(ResultNotes notes)
    {
        notes.rows = std::move(rows_);
        notes.lines = std::move(lines_);
        return notes;
    }

private:
    void row(const NoteCell &series,
             std::u16string check,
             std::u16string value,
             std::u16string limit,
             std::u16string condition,
             std::u16string verdict)
    {
        rows_.push_back({series,
                         text(std::move(check)),
                         text(std::move(value)),
                         text(std::move(limit)),
                         text(std::move(condition)),
                         text(std::move(verdict))});
    }

    const StandardFits &fits_;
    std::u16string_view point_;
    std::vector<std::vector<NoteCell>> rows_;
    std::vector<std::u16string> lines_;
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

ResultNotes datasheetChecks(const StandardFits &fits, std::u16string_view point)
{
    const bool two = fits.series.front().buyRb2.has_value();
    const CornerRanges &c = fits.corners;
    const FormVariables &v = fits.design;
    ResultNotes notes;
    notes.title = Note::titoloVerifica;
    notes.columns = {{Note::serie, {}, {}},
                     {Note::verifica, {}, Note::verifica, false, true},
                     {Note::valore, {}, Note::valore},
                     {Note::limite, {}, Note::limite},
                     {Note::condizione, {}, Note::condizione, false, true},
                     {Note::esito, {}, Note::esito, false, true}};
    Checks checks(fits, point);
    const TransistorPart *q1 =
        c.parts[two ? CornerRanges::Q1TwoTransistors : CornerRanges::Q1OneTransistor];
    const TransistorPart *q2 = two ? c.parts[CornerRanges::Q2] : nullptr;
    bool q1Said = false;
    for (const SeriesFit &s : fits.series) {
        const auto *rb1 = std::get_if<StageFit>(&s.buyRb1);
        const StageFit *rb2 = two ? std::get_if<StageFit>(&*s.buyRb2) : nullptr;
        if (!rb1)
            continue;
        const NoteCell series = seriesToBuyCell(s.series, c, point);
        const double t = c.toleranceOf(s.series);
        if (q1) {
            const CheckedTransistor q{u"Q1", *q1, v.hFE1min, v.IL, *rb1};
            if (!q1Said) // its collector current is IL whatever the series
                checks.transistor(q, {std::u16string(Note::tutteLeSerie), {}});
            q1Said = true;
            checks.saturation(q, series);
        }
        if (q2 && rb2) {
            const CheckedTransistor q{u"Q2", *q2, v.hFE2min, rb1->largestCurrent, *rb2};
            checks.transistor(q, series);
            checks.saturation(q, series);
        }
        checks.resistor(u"Rb1", basePower(*rb1, t), series);
        checks.resistor(u"R1", pullDownPower(*rb1, v.R1, t), series);
        if (rb2) {
            checks.resistor(u"Rb2", basePower(*rb2, t), series);
            checks.resistor(u"R2", pullDownPower(*rb2, v.R2, t), series);
        }
    }
    notes = checks.finish(std::move(notes));
    if (!notes.rows.empty())
        notes.legend = {std::u16string(Note::legendaVerifica)};
    return notes;
}
