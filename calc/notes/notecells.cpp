#include "notes/notecells.h"

#include <cmath>

#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "parts/temperaturelaws.h"

namespace {

namespace Note = Messages::Note;
namespace Report = Messages::Report;
using Messages::fill;

// Below this in magnitude a margin [%] rounds to 0,0: 0.05 itself rounds to 0,1.
constexpr double shownAsZero = 0.05;

} // namespace

NoteCell numberCell(std::u16string text)
{
    return {std::move(text), {}};
}

NoteCell milliampsCell(double current, std::u16string_view point)
{
    return numberCell(formatThreeSignificant(current, point));
}

NoteCell kiloohmsCell(StandardResistor resistor, std::u16string_view point)
{
    return numberCell(kiloohmsText(resistor, point));
}

std::u16string marginText(double margin, std::u16string_view point)
{
    if (std::fabs(margin) < shownAsZero) {
        if (!(margin < 0))
            return u"0";
        // Appended, not inserted before: GCC 12 at -O3 reads an insertion as an overlapping copy.
        std::u16string negative(u"-");
        negative += formatFixed(0, 1, point);
        return negative;
    }
    return formatFixed(margin, std::fabs(margin) < 1 ? 1 : 0, point);
}

NoteCell percentCell(const std::optional<double> &margin, std::u16string_view point)
{
    if (!margin)
        return {std::u16string(Note::nonCalcolabile), std::u16string(Note::nonCalcolabile)};
    return numberCell(marginText(*margin, point));
}

NoteCell
worstPercentCell(const StageFit &fit, std::u16string_view transistor, std::u16string_view point)
{
    if (fit.offInWorstCase())
        return {std::u16string(Note::spento),
                std::u16string(transistor) + u' ' + std::u16string(Note::spento)};
    // With saturation asked for, against the forced gain that keeps it.
    return percentCell(fit.forcedGainLimit ? fit.saturationMargin : fit.worstMargin, point);
}

std::u16string figureText(double value, std::u16string_view point)
{
    if (!(value > 0) || !std::isfinite(value))
        return formatShortest(value, point);
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(value)));
    return formatShortest(std::round(value * scale) / scale, point);
}

std::u16string gainText(double hFE, std::u16string_view point)
{
    return figureText(hFE, point);
}

std::u16string celsiusText(double celsius, std::u16string_view point)
{
    std::u16string text = formatShortest(celsius, point);
    if (text.starts_with(u'-'))
        text.replace(0, 1, u"\u2212");
    return text;
}

std::u16string
gainFall(const TransistorPart &part, const GainAtTemperature &gain, std::u16string_view point)
{
    const auto v = [&](double value) { return formatShortest(value, point); };
    const GainRow &row = gain.at25.row;
    if (gain.basis == GainAtTemperature::Basis::ColdRow)
        return fill(Note::condGuadagnoRigaFredda,
                    {v(row.hFEmin),
                     v(row.Ic),
                     v(row.Vce),
                     v(gain.coldRow.hFEmin),
                     gainText(gain.coldRow.hFEmin / gain.factor, point),
                     celsiusText(gain.coldRow.celsius, point),
                     v(gain.coldRow.Ic)});
    return fill(Note::condGuadagnoLegge,
                {v(row.hFEmin),
                 v(row.Ic),
                 v(row.Vce),
                 v(std::round(gain.celsius + Temperature::kelvin)),
                 v(part.gainLaw.XTB),
                 part.gainLaw.source.empty() ? Note::nessunModello : part.gainLaw.source});
}

std::u16string
gainCondition(const TransistorPart &part, const GainAtTemperature &gain, std::u16string_view point)
{
    const GainRow &row = gain.at25.row;
    if (gain.basis == GainAtTemperature::Basis::At25)
        return fill(Note::condGuadagno,
                    {part.key, formatShortest(row.Ic, point), formatShortest(row.Vce, point)});
    return fill(Note::condGuadagnoA,
                {part.key, celsiusText(gain.celsius, point), gainFall(part, gain, point)});
}

std::u16string cornerValue(double value, std::u16string_view point)
{
    return formatShortest(value, point);
}

std::u16string voltsText(double volts, std::u16string_view point)
{
    constexpr double perVolt = 1e6;
    return formatShortest(std::round(volts * perVolt) / perVolt, point);
}

std::u16string limitValue(const CornerRanges &corners, std::u16string_view point)
{
    return cornerValue(corners.outputLimit(), point);
}

std::u16string limitReached(const CornerRanges &corners, std::u16string_view point)
{
    if (!corners.output)
        return std::u16string(Note::limite4mA);
    return fill(Note::limiteUscita,
                {cornerValue(corners.output->ViLowest, point),
                 cornerValue(corners.output->currentLimit, point)});
}

NoteCell seriesToBuyCell(Series series, const CornerRanges &corners, std::u16string_view point)
{
    const std::u16string t =
        cornerValue(corners.tolerancePercent[static_cast<std::size_t>(series)], point);
    return {fill(Note::daAcquistare, {seriesName(series), t}),
            fill(Note::daAcquistareDetto, {seriesName(series), t})};
}

NoteCell belowCell(Series series)
{
    return {fill(Note::subitoSotto, {seriesName(series)}),
            fill(Note::subitoSottoDetto, {seriesName(series)})};
}

NoteCell equalCell(Series series)
{
    return {fill(Report::ugualeAlCalcolato, {seriesName(series)}),
            fill(Report::ugualeAlCalcolatoDetto, {seriesName(series)})};
}
