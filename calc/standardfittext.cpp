#include <cmath>
#include <initializer_list>
#include <string>

#include "circuitconstants.h"
#include "messages.h"
#include "numbertext.h"
#include "standardfit.h"

namespace {

using namespace SwitchConstants;

namespace Text = Messages::Normalizzati;

// A margin [%] in whole percent, without "-0".
std::u16string percentText(double margin)
{
    if (std::fabs(margin) <= 0.5)
        margin = 0.0;
    return formatFixed(margin, 0, u".");
}

// The pattern with %1, %2... replaced by the arguments, in one pass.
std::u16string fill(std::u16string_view pattern, std::initializer_list<std::u16string_view> args)
{
    std::u16string text;
    text.reserve(pattern.size() + 32);
    std::size_t copied = 0; // the pattern is copied in runs between the placeholders
    for (std::size_t i = pattern.find(u'%');
         i != std::u16string_view::npos && i + 1 < pattern.size();
         i = pattern.find(u'%', i + 1)) {
        const auto index = static_cast<std::size_t>(pattern[i + 1] - u'1');
        if (index >= args.size())
            continue;
        text.append(pattern.substr(copied, i - copied)).append(*(args.begin() + index));
        copied = i + 2;
        ++i;
    }
    text.append(pattern.substr(copied));
    return text;
}

std::u16string noFitText(NoFit reason, Series series, std::u16string_view resistor)
{
    const std::u16string_view name = seriesName(series);
    switch (reason) {
    case NoFit::NotPositive:
        return fill(Text::nonPositivo, {name, resistor});
    case NoFit::BelowRange:
        return fill(Text::sottoIntervallo, {name, resistor});
    case NoFit::AboveRange:
        return fill(Text::sopraIntervallo, {name, resistor});
    case NoFit::NotComputable:
        return fill(Text::nonCalcolabile, {name, resistor});
    case NoFit::NoFirstStage:
        break;
    }
    return fill(Text::senzaRb1, {name});
}

// The currents, the margin on the transistor and, when the current is the CMOS output's, the
// warning at 4 mA.
std::u16string currentsText(std::u16string_view pattern,
                            const StageFit &fit,
                            std::u16string_view transistor,
                            bool fromCmosOutput,
                            std::u16string_view decimalPoint)
{
    std::u16string text = fill(pattern,
                               {formatThreeSignificant(fit.current, decimalPoint),
                                formatThreeSignificant(fit.baseCurrent, decimalPoint)});
    text += u' ';
    text += fit.margin ? fill(Text::margine, {transistor, percentText(*fit.margin)})
                       : fill(Text::margineNonCalcolabile, {transistor});
    if (fromCmosOutput && !(fit.current < cmosOutputLimit)) {
        text += u' ';
        text += Text::correnteIngresso;
    }
    return text;
}

void appendLine(std::u16string &tooltip, const std::u16string &line)
{
    if (!tooltip.empty())
        tooltip += u'\n';
    tooltip += line;
}

} // namespace

std::u16string rb1Tooltip(const StandardFits &fits, std::u16string_view decimalPoint)
{
    std::u16string tooltip;
    for (const SeriesFit &s : fits.series) {
        const auto *fit = std::get_if<StageFit>(&s.rb1);
        if (!fit) {
            appendLine(tooltip, noFitText(std::get<NoFit>(s.rb1), s.series, u"Rb1"));
            continue;
        }
        const bool twoTransistors = s.rb2.has_value();
        appendLine(
            tooltip,
            fill(Text::valoreRb1, {seriesName(s.series), resistorText(fit->resistor, decimalPoint)})
                + u' '
                + currentsText(twoTransistors ? Text::correntiIc2 : Text::correntiIi,
                               *fit,
                               u"Q1",
                               !twoTransistors,
                               decimalPoint));
    }
    return tooltip;
}

std::u16string rb2Tooltip(const StandardFits &fits, std::u16string_view decimalPoint)
{
    std::u16string tooltip;
    for (const SeriesFit &s : fits.series) {
        if (!s.rb2)
            continue;
        const auto *first = std::get_if<StageFit>(&s.rb1);
        const auto *fit = std::get_if<StageFit>(&*s.rb2);
        if (!first || !fit) {
            const NoFit reason = first ? std::get<NoFit>(*s.rb2) : NoFit::NoFirstStage;
            appendLine(tooltip, noFitText(reason, s.series, u"Rb2"));
            continue;
        }
        appendLine(tooltip,
                   fill(Text::valoreRb2,
                        {seriesName(s.series),
                         resistorText(first->resistor, decimalPoint),
                         formatHundredths(fit->computed, decimalPoint),
                         resistorText(fit->resistor, decimalPoint)})
                       + u' ' + currentsText(Text::correntiRb2, *fit, u"Q2", true, decimalPoint));
    }
    return tooltip;
}
