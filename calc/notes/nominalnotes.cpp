#include "notes/nominalnotes.h"

#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "notes/notecells.h"

namespace {

namespace Note = Messages::Note;
using Messages::fill;

// The computed resistor of a stage and what the series give for it.
struct NominalStage
{
    std::u16string_view resistor; // "Rb1"
    std::u16string_view transistor;
    double computed; // [kohm]
    double margin;   // asked for [%]
    const TransistorPart *part;
    const Fit &nearestE96;
    const Purchase *toBuy[3]; // E12, E24, E96; null: none of the stage in the series
};

std::u16string lineFor(const NominalStage &s, std::u16string_view point)
{
    const auto *below = std::get_if<StageFit>(&s.nearestE96);
    // Held where the value just below it keeps the margin asked for at every corner.
    if (below && below->worstMargin && *below->worstMargin >= s.margin)
        return {};
    std::u16string what(Note::nominaleSenzaStandard);
    if (below && below->offInWorstCase())
        what = fill(Note::nominaleSpento, {resistorText(below->resistor, point), s.transistor});
    else if (below && below->worstMargin)
        what = fill(Note::nominaleSotto,
                    {resistorText(below->resistor, point), marginText(*below->worstMargin, point)});
    else if (below)
        what = fill(Note::nominaleSenzaMargine, {resistorText(below->resistor, point)});
    std::u16string instead(Note::nominaleNessunAcquisto);
    // In the first series that has one, the designer's first reading.
    for (const Series series : {Series::E12, Series::E24, Series::E96})
        if (const Purchase *buy = s.toBuy[static_cast<std::size_t>(series)])
            if (const auto *fit = std::get_if<StageFit>(buy)) {
                instead = fill(Note::nominaleDaAcquistare,
                               {resistorText(fit->resistor, point), seriesName(series)});
                break;
            }
    const std::u16string with = s.part ? fill(Note::nominaleConParte, {s.transistor, s.part->key})
                                       : std::u16string(Note::nominaleCasoPeggiore);
    return fill(Note::nominaleNonRegge,
                {s.resistor, formatHundredths(s.computed, point), with, what, instead});
}

} // namespace

std::vector<std::u16string> nominalLines(const StandardFits &fits, std::u16string_view point)
{
    const bool two = fits.twoTransistors();
    const FormVariables &v = fits.design;
    const CornerRanges &c = fits.corners;
    const SeriesFit &e96 = fits.series[static_cast<std::size_t>(Series::E96)];
    std::vector<std::u16string> lines;
    const auto add = [&](const NominalStage &stage) {
        if (std::u16string line = lineFor(stage, point); !line.empty())
            lines.push_back(std::move(line));
    };
    add({u"Rb1",
         u"Q1",
         v.Rb1,
         v.maggIb1,
         c.parts[two ? CornerRanges::Q1TwoTransistors : CornerRanges::Q1OneTransistor],
         e96.rb1,
         {&fits.series[0].buyRb1, &fits.series[1].buyRb1, &fits.series[2].buyRb1}});
    if (two && e96.rb2 && e96.buyRb2)
        add({u"Rb2",
             u"Q2",
             v.Rb2,
             v.maggIb2,
             c.parts[CornerRanges::Q2],
             *e96.rb2,
             {&*fits.series[0].buyRb2, &*fits.series[1].buyRb2, &*fits.series[2].buyRb2}});
    return lines;
}
