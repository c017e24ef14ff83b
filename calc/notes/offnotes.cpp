#include "notes/offnotes.h"

#include <cmath>

#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "notes/notecells.h"

namespace {

namespace Note = Messages::Note;
using Messages::fill;

constexpr double microamperesPerMilliampere = 1e3;

std::u16string_view stateText(OffDrive drive)
{
    switch (drive) {
    case OffDrive::OutputLow:
        return Note::conUscitaBassa;
    case OffDrive::OutputFloating:
        return Note::conUscitaFlottante;
    case OffDrive::Q2Off:
        break;
    }
    return Note::conQ2Spento;
}

// The base resistor beside a transistor's base-emitter resistor.
std::u16string_view baseResistor(const TransistorOff &t)
{
    return t.slot == CornerRanges::Q2 ? u"Rb2" : u"Rb1";
}

std::u16string leakageHow(const TransistorOff &t, std::u16string_view point)
{
    const auto v = [&](double value) { return figureText(value, point); };
    const LeakageAt &at = t.leakageAt;
    if (t.figures->source.empty())
        return fill(Note::dispersioneInserita,
                    {v(at.from.max), celsiusText(at.from.celsius, point)});
    if (at.cappedByRow)
        return fill(Note::dispersioneLimitata,
                    {v(at.from.max),
                     celsiusText(at.from.celsius, point),
                     t.figures->source,
                     v(at.cap.max),
                     celsiusText(at.cap.celsius, point)});
    return fill(Note::dispersioneRaddoppia,
                {v(at.from.max), celsiusText(at.from.celsius, point), t.figures->source});
}

} // namespace

std::vector<std::u16string>
offSummaryLines(const OffCheck &check, const CornerRanges &corners, std::u16string_view point)
{
    std::vector<std::u16string> lines;
    for (const TransistorOff &t : check.transistors) {
        const OffState &worst = t.worst();
        // A design whose resistors give no figure (a base resistor not positive) has no line.
        if (!std::isfinite(worst.Vbe) || std::isnan(worst.largestRbe))
            continue;
        if (!t.holds(check.threshold)) {
            lines.push_back(fill(Note::spentoNo,
                                 {t.name,
                                  t.Rbe,
                                  stateText(worst.drive),
                                  celsiusText(check.celsius, point),
                                  formatHundredths(worst.Vbe, point),
                                  figureText(worst.largestRbe, point)}));
            continue;
        }
        lines.push_back(
            worst.largestRbe == anyResistor
                ? fill(Note::spentoSempre, {t.name, t.Rbe})
                : fill(Note::spentoSi, {t.name, t.Rbe, figureText(worst.largestRbe, point)}));
        for (const SeriesOff &s : t.series)
            if (!s.holds && std::isfinite(s.Vbe))
                lines.push_back(
                    fill(Note::spentoNoSerie,
                         {seriesName(s.series),
                          t.name,
                          t.Rbe,
                          cornerValue(corners.tolerancePercent[static_cast<std::size_t>(s.series)],
                                      point),
                          baseResistor(t),
                          stateText(s.drive),
                          formatHundredths(s.Vbe, point),
                          celsiusText(check.celsius, point)}));
    }
    return lines;
}

std::vector<std::u16string>
offAssumptionLines(const OffCheck &check, const CornerRanges &corners, std::u16string_view point)
{
    const auto v = [&](double value) { return figureText(value, point); };
    std::vector<std::u16string> lines;
    lines.push_back(fill(Note::ipotesiSpento,
                         {celsiusText(check.celsius, point),
                          formatHundredths(check.threshold, point),
                          cornerValue(corners.VbeOff, point)}));
    const OutputOff &out = check.output;
    if (out.row && corners.outputEntry)
        lines.push_back(fill(Note::ipotesiUscitaBassa,
                             {outputName(*corners.outputEntry, point),
                              v(out.VOL * 1e3),
                              v(out.sinkCurrent * microamperesPerMilliampere),
                              cornerValue(out.row->VOLmax, point),
                              cornerValue(out.row->Iol, point),
                              out.figures->source}));
    else
        lines.push_back(fill(Note::ipotesiUscitaBassaInserita, {cornerValue(out.VOL, point)}));
    if (out.floating)
        lines.push_back(fill(Note::ipotesiFlottante,
                             {out.figures ? out.figures->floatsWhen : Note::comeInseritaFlottante,
                              v(*out.floating * microamperesPerMilliampere)}));
    else
        lines.emplace_back(Note::ipotesiMaiFlottante);
    for (const TransistorOff &t : check.transistors) {
        const TransistorPart *part = corners.parts[t.slot];
        const std::u16string who =
            part ? std::u16string(t.name) + u"\u00a0" + std::u16string(part->key)
                 : std::u16string(t.name);
        lines.push_back(fill(Note::ipotesiDispersione,
                             {who,
                              t.figures->current,
                              v(t.leakage * microamperesPerMilliampere),
                              celsiusText(check.celsius, point),
                              leakageHow(t, point)}));
    }
    return lines;
}
