#include "notes/assumptions.h"

#include "nominal/messages.h"
#include "notes/notecells.h"

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
std::u16string
gainText(const TransistorPart &part, const std::optional<GainAt> &gain, std::u16string_view point)
{
    const auto v = [&](double value) { return cornerValue(value, point); };
    if (!gain)
        return fill(Note::ipotesiNessunGuadagno, {v(part.gain.back().Ic)});
    if (gain->belowRows)
        return fill(Note::ipotesiGuadagnoSottoRighe,
                    {v(gain->row.hFEmin), v(gain->row.Ic), v(part.gain.front().Ic)});
    return fill(Note::ipotesiGuadagno, {v(gain->row.hFEmin), v(gain->row.Ic)});
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

} // namespace

std::vector<std::u16string> assumptionLines(const StandardFits &fits, std::u16string_view point)
{
    const CornerRanges &c = fits.corners;
    const CornerRanges defaults;
    const bool two = fits.series.front().rb2.has_value();
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
    std::vector<std::u16string> lines;
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
        lines.push_back(fill(Note::ipotesiMinimaIbDue, {v(c.VbeHighest), v(c.VceSatHighest)}));
        lines.push_back(fill(Note::ipotesiMassimaIDue, {v(c.VbeLowest), v(c.VceSatLowest)}));
        lines.push_back(withNote(fill(Note::ipotesiIngressiDue, {v(c.VccTolerancePercent)}),
                                 userSet(c.VccTolerancePercent != defaults.VccTolerancePercent)));
    } else {
        lines.push_back(withNote(
            fill(Note::ipotesiVbe, {v(c.VbeLowest), v(c.VbeHighest)}),
            userSet(c.VbeLowest != defaults.VbeLowest || c.VbeHighest != defaults.VbeHighest)));
        lines.push_back(fill(Note::ipotesiMinimaIbUno, {v(c.VbeHighest)}));
        lines.push_back(fill(Note::ipotesiMassimaIUno, {v(c.VbeLowest)}));
        lines.emplace_back(Note::ipotesiIngressiUno);
    }
    lines.push_back(outputLine(c, point));
    // Q1's collector current is IL: its figures are named; Q2's change with the series.
    const TransistorPart *q1 =
        c.parts[two ? CornerRanges::Q1TwoTransistors : CornerRanges::Q1OneTransistor];
    if (q1) {
        const double IL = fits.design.IL;
        const auto gain = guaranteedGain(*q1, IL);
        lines.push_back(fill(Note::ipotesiTransistorA,
                             {u"Q1",
                              q1->key,
                              q1->source,
                              v(IL),
                              gainText(*q1, gain, point),
                              vbeText(highestVbeTaken(fits, *q1), point)}));
    }
    if (const TransistorPart *q2 = two ? c.parts[CornerRanges::Q2] : nullptr)
        lines.push_back(fill(
            Note::ipotesiTransistor,
            {u"Q2", q2->key, q2->source, q2->VbeSat.empty() ? Note::vbeOnInLuogo : Note::vbeSat}));
    return lines;
}
