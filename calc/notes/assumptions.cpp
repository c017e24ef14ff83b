#include "notes/assumptions.h"

#include <algorithm>

#include "nominal/messages.h"
#include "notes/notecells.h"
#include "parts/temperaturelaws.h"

namespace {

namespace Note = Messages::Note;
using Messages::fill;

// The logic output the worst case assumes: as typed, from the list with its source, or the
// designer's own figures.
std::u16string outputLine(const CornerRanges &c, std::u16string_view point)
{
    if (!c.output)
        return std::u16string(Note::ipotesiUscitaInserita);
    const auto v = [&](double value) { return cornerValue(value, point); };
    const DrivingOutput &o = *c.output;
    if (!c.outputEntry)
        return fill(Note::ipotesiUscitaPersonalizzata,
                    {v(o.ViLowest), v(o.currentLimit), v(o.ViHighest)});
    return fill(Note::ipotesiUscita,
                {outputName(*c.outputEntry, point),
                 v(o.ViLowest),
                 v(o.currentLimit),
                 v(o.ViHighest),
                 c.outputEntry->temperature,
                 c.outputEntry->source});
}

// The gain the worst case takes of a part: its row, the lowest of its table below the first row,
// or none.
std::u16string gainAt25Text(const TransistorPart &part,
                            const std::optional<GainAt> &gain,
                            std::u16string_view point)
{
    const auto v = [&](double value) { return cornerValue(value, point); };
    if (!gain)
        return fill(Note::ipotesiNessunGuadagno, {v(part.gain.back().Ic)});
    if (gain->belowRows)
        return fill(Note::ipotesiGuadagnoSottoRighe,
                    {v(gain->row.hFEmin), v(gain->row.Ic), v(part.gain.front().Ic)});
    return fill(Note::ipotesiGuadagno, {v(gain->row.hFEmin), v(gain->row.Ic)});
}

// The same at a temperature: below 25 °C the figure taken, and how.
std::u16string partGainText(const TransistorPart &part,
                            const std::optional<GainAtTemperature> &gain,
                            std::u16string_view point)
{
    if (!gain || gain->basis == GainAtTemperature::Basis::At25)
        return gainAt25Text(part, gain ? std::optional(gain->at25) : std::nullopt, point);
    return fill(Note::ipotesiGuadagnoFreddo,
                {gainText(gain->hFEmin, point),
                 celsiusText(gain->celsius, point),
                 gainFall(part, *gain, point)});
}

// The highest Vbe the worst case took of Q1's part: from the row of the value to buy that needs
// the highest, or, with none to buy, at the least base current.
std::optional<VbeLimit> highestVbeTaken(const StandardFits &fits, const TransistorPart &q1)
{
    std::optional<VbeLimit> taken;
    for (const SeriesFit &s : fits.series)
        if (const auto *fit = std::get_if<StageFit>(&s.buyRb1); fit && fit->VbeRow)
            if (!taken || fit->VbeRow->Vbe > taken->Vbe)
                taken = fit->VbeRow;
    return taken ? taken : highestVbe(q1, fits.design.IL, 0);
}

std::u16string vbeText(const std::optional<VbeLimit> &vbe, std::u16string_view point)
{
    const auto v = [&](double value) { return cornerValue(value, point); };
    if (!vbe)
        return {};
    switch (vbe->basis) {
    case VbeLimit::Basis::Saturation:
        return fill(Note::ipotesiVbeSat, {v(vbe->Vbe), v(vbe->Ic), v(vbe->Ib)});
    case VbeLimit::Basis::BeyondSaturation:
        return fill(Note::ipotesiVbeOltre, {v(vbe->Vbe), v(vbe->Ic), v(vbe->Ib)});
    case VbeLimit::Basis::OnStandIn:
        break;
    }
    return fill(Note::ipotesiVbeOn, {v(vbe->Vbe), v(vbe->Ic)});
}

// The highest Vbe and the least gain the worst case used of each transistor bought, over the
// series's values to buy, and whether a datasheet or the range typed gave them.
std::vector<std::u16string> figuresUsed(const StandardFits &fits, std::u16string_view point)
{
    const CornerRanges &c = fits.corners;
    const bool two = fits.twoTransistors();
    const double VbeTyped = c.VbeHighest + Temperature::VbeRiseInTheCold(c.Tmin);
    std::vector<std::u16string> lines;
    for (const bool second : {false, true}) {
        if (second && !two)
            break;
        const TransistorPart *part = c.parts[second ? CornerRanges::Q2
                                                    : (two ? CornerRanges::Q1TwoTransistors
                                                           : CornerRanges::Q1OneTransistor)];
        const double typedGain = second ? fits.design.hFE2min : fits.design.hFE1min;
        std::optional<double> Vbe, hFE;
        for (const SeriesFit &s : fits.series) {
            const Purchase *buy = second ? (s.buyRb2 ? &*s.buyRb2 : nullptr) : &s.buyRb1;
            if (const auto *fit = buy ? std::get_if<StageFit>(buy) : nullptr) {
                Vbe = std::max(Vbe.value_or(fit->VbeHighest), fit->VbeHighest);
                hFE = std::min(hFE.value_or(fit->hFEworst), fit->hFEworst);
            }
        }
        if (!part || !Vbe)
            continue;
        const std::u16string_view name = second ? u"Q2" : u"Q1";
        lines.push_back(fill(Note::ipotesiUsati,
                             {name,
                              part->key,
                              voltsText(*Vbe, point),
                              *Vbe > VbeTyped ? Note::dalDatasheet : Note::dallIntervallo,
                              gainText(*hFE, point),
                              *hFE < typedGain ? Note::dalDatasheet : Note::comeInserito}));
    }
    return lines;
}

} // namespace

std::vector<std::u16string> assumptionLines(const StandardFits &fits, std::u16string_view point)
{
    const CornerRanges &c = fits.corners;
    const CornerRanges defaults;
    const bool two = fits.twoTransistors();
    const auto v = [&](double value) { return cornerValue(value, point); };
    const auto userSet = [&](bool differs) {
        return differs ? std::u16string(Note::impostateDallUtente) : std::u16string();
    };
    // Before the full stop, in the line's closing bracket if it has one: one bracket, not two.
    const auto withNote = [](std::u16string line, const std::u16string &note) {
        if (note.empty())
            return line;
        if (line.ends_with(u").")) {
            line.insert(line.size() - 2, u"; " + note);
            return line;
        }
        line.insert(line.size() - 1, u" (" + note + u")");
        return line;
    };
    const auto t = [&](double celsius) { return celsiusText(celsius, point); };
    // The range's Vbe at the corners' temperatures.
    const double rise = Temperature::VbeRiseInTheCold(c.Tmin);
    const double fall = Temperature::VbeFallInTheHeat(c.Tmax);
    const double VbeCold = c.VbeHighest + rise, VbeHot = c.VbeLowest - fall;
    const auto volts = [&](double value) { return voltsText(value, point); };
    // Whether a transistor of the circuit is bought: its datasheet's figures stand where worse.
    const bool anyBought =
        two ? c.parts[CornerRanges::Q1TwoTransistors] || c.parts[CornerRanges::Q2]
            : c.parts[CornerRanges::Q1OneTransistor] != nullptr;
    std::vector<std::u16string> lines;
    lines.push_back(withNote(
        c.Tmin == Temperature::datasheet && c.Tmax == Temperature::datasheet
            ? std::u16string(Note::ipotesiTemperatura25)
            : fill(Note::ipotesiTemperatura, {t(c.Tmin), t(c.Tmax), volts(rise), volts(fall)}),
        {}));
    lines.push_back(withNote(
        fill(two ? Note::ipotesiResistenzeDue : Note::ipotesiResistenzeUno,
             {v(c.tolerancePercent[0]), v(c.tolerancePercent[1]), v(c.tolerancePercent[2])}),
        userSet(c.tolerancePercent != defaults.tolerancePercent)));
    if (two) {
        lines.push_back(withNote(
            fill(Note::ipotesiVbeVceSat,
                 {v(c.VbeLowest), v(c.VbeHighest), v(c.VceSatLowest), v(c.VceSatHighest)}),
            userSet(c.VbeLowest != defaults.VbeLowest || c.VbeHighest != defaults.VbeHighest
                    || c.VceSatLowest != defaults.VceSatLowest
                    || c.VceSatHighest != defaults.VceSatHighest)));
        lines.push_back(withNote(
            fill(Note::ipotesiMinimaIbDue, {volts(VbeCold), v(c.VceSatHighest), t(c.Tmin)}),
            anyBought ? std::u16string(Note::salvoDatasheet) : std::u16string()));
        lines.push_back(
            fill(Note::ipotesiMassimaIDue, {volts(VbeHot), v(c.VceSatLowest), t(c.Tmax)}));
        lines.push_back(
            withNote(fill(c.parts[CornerRanges::Q1TwoTransistors] && c.parts[CornerRanges::Q2]
                              ? Note::ipotesiIngressiDueDatasheet
                              : Note::ipotesiIngressiDue,
                          {v(c.VccTolerancePercent)}),
                     userSet(c.VccTolerancePercent != defaults.VccTolerancePercent)));
    } else {
        lines.push_back(withNote(
            fill(Note::ipotesiVbe, {v(c.VbeLowest), v(c.VbeHighest)}),
            userSet(c.VbeLowest != defaults.VbeLowest || c.VbeHighest != defaults.VbeHighest)));
        lines.push_back(
            withNote(fill(Note::ipotesiMinimaIbUno, {volts(VbeCold), t(c.Tmin)}),
                     anyBought ? std::u16string(Note::salvoDatasheet) : std::u16string()));
        lines.push_back(fill(Note::ipotesiMassimaIUno, {volts(VbeHot), t(c.Tmax)}));
        lines.emplace_back(anyBought ? Note::ipotesiIngressiUnoDatasheet
                                     : Note::ipotesiIngressiUno);
    }
    lines.push_back(outputLine(c, point));
    // Q1's collector current is IL: its figures are named; Q2's change with the series.
    const TransistorPart *q1 =
        c.parts[two ? CornerRanges::Q1TwoTransistors : CornerRanges::Q1OneTransistor];
    if (q1) {
        const double IL = fits.design.IL;
        const auto gain = guaranteedGainAt(*q1, IL, c.Tmin);
        std::u16string vbe = vbeText(highestVbeTaken(fits, *q1), point);
        if (rise > 0 && !vbe.empty())
            vbe = fill(Note::ipotesiVbeFredda, {vbe, v(rise), t(c.Tmin)});
        lines.push_back(
            fill(Note::ipotesiTransistorA,
                 {u"Q1", q1->key, q1->source, v(IL), partGainText(*q1, gain, point), vbe}));
    }
    if (const TransistorPart *q2 = two ? c.parts[CornerRanges::Q2] : nullptr)
        lines.push_back(fill(
            Note::ipotesiTransistor,
            {u"Q2", q2->key, q2->source, q2->VbeSat.empty() ? Note::vbeOnInLuogo : Note::vbeSat}));
    // What the least base current's corner used of each transistor, over the values to buy.
    for (std::u16string &line : figuresUsed(fits, point))
        lines.push_back(std::move(line));
    return lines;
}
