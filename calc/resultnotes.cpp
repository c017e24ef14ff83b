#include "resultnotes.h"

#include <cmath>
#include <functional>
#include <initializer_list>

#include "circuitconstants.h"
#include "messages.h"
#include "numbertext.h"

namespace {

namespace Text = Messages::Note;

constexpr char16_t nbsp = u'\u00a0'; // keeps a number with its unit

// The pattern with %1, %2... replaced by the arguments, in one pass.
std::u16string fill(std::u16string_view pattern, std::initializer_list<std::u16string_view> args)
{
    std::u16string text;
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
    return text.append(pattern.substr(copied));
}

constexpr std::u16string_view mA = u"mA";
constexpr std::u16string_view pc = u"%";

// A number, spoken with its unit.
NoteCell number(std::u16string shown, std::u16string_view unit)
{
    std::u16string spoken = shown;
    spoken.append(1, nbsp).append(unit);
    return {std::move(shown), std::move(spoken)};
}

NoteCell milliamps(double current, std::u16string_view point)
{
    return number(formatThreeSignificant(current, point), mA);
}

// A margin [%] in whole percent, without "-0", with its unit when spoken.
NoteCell percent(const std::optional<double> &margin, std::u16string_view point)
{
    if (!margin)
        return {std::u16string(Text::nonCalcolabile), std::u16string(Text::nonCalcolabile)};
    return number(formatFixed(std::fabs(*margin) < 0.5 ? 0.0 : *margin, 0, point), pc);
}

// The margin and, in brackets, its worst case: "23 (-46)" under a heading in %.
NoteCell margins(const StageFit &fit, std::u16string_view point)
{
    const NoteCell nominal = percent(fit.margin, point);
    const NoteCell worst = percent(fit.worstMargin, point);
    return {nominal.shown + u" (" + worst.shown + u')',
            nominal.spoken + u", " + std::u16string(Text::peggioreDetto) + u' ' + worst.spoken};
}

NoteCell resistor(const StageFit &fit, std::u16string_view point)
{
    std::u16string text = resistorText(fit.resistor, point);
    return {text, text};
}

std::u16string noFitLine(NoFit reason, std::u16string_view series, std::u16string_view resistor)
{
    switch (reason) {
    case NoFit::NotPositive:
        return fill(Text::nonPositivo, {series, resistor});
    case NoFit::BelowRange:
        return fill(Text::sottoIntervallo, {series, resistor});
    case NoFit::AboveRange:
        return fill(Text::sopraIntervallo, {series, resistor});
    case NoFit::NotComputable:
        return fill(Text::ricalcoloImpossibile, {series, resistor});
    case NoFit::NoFirstStage:
        break;
    }
    return fill(Text::senzaRb1, {series});
}

// "E12 ±10 %", or "E12, E24 ±10 %" where a row stands for both: the tolerance of the first,
// the widest, is the one the row's worst case assumes.
std::u16string seriesCell(const std::vector<Series> &group)
{
    std::u16string cell;
    for (const Series s : group) {
        if (!cell.empty())
            cell += u", ";
        cell += seriesName(s);
    }
    const auto t = static_cast<int>(std::lround(tolerance(group.front()) * 100));
    return cell + u" \u00b1" + formatFixed(t, 0, u".") + nbsp + u'%';
}

// Builds a table from the fits of one resistor, a row per distinct standard value.
struct TableBuilder
{
    using Cells = std::function<std::vector<NoteCell>(const StageFit &)>;

    // Adds the series's fit: a row, merged into the last one when it gives the same value, or a
    // line saying why there is none. resistor names the resistor in that line; transistor the
    // one whose margin the row gives (none: the margins are not this table's); feedsCmos
    // whether the resistor carries Ii.
    void add(Series series,
             const Fit &fit,
             std::u16string_view resistor,
             std::u16string_view transistor,
             bool feedsCmos,
             const Cells &cells)
    {
        const auto *stage = std::get_if<StageFit>(&fit);
        if (!stage) {
            noFits.push_back(noFitLine(std::get<NoFit>(fit), seriesName(series), resistor));
            return;
        }
        if (!groups.empty() && lastFit.resistor.kiloohms() == stage->resistor.kiloohms()
            && lastFit.current == stage->current && lastFit.margin == stage->margin) {
            groups.back().push_back(series);
            notes.rows.back().front() = {seriesCell(groups.back()), seriesCell(groups.back())};
            merged = true;
            return;
        }
        lastFit = *stage;
        groups.push_back({series});
        std::vector<NoteCell> row{{seriesCell(groups.back()), seriesCell(groups.back())}};
        for (NoteCell &cell : cells(*stage))
            row.push_back(std::move(cell));
        notes.rows.push_back(std::move(row));
        if (!transistor.empty() && stage->worstMargin && *stage->worstMargin < 0)
            warnings.push_back(fill(Text::saturazione, {seriesName(series), transistor}));
        if (feedsCmos && !(stage->largestCurrent < SwitchConstants::cmosOutputLimit))
            warnings.push_back(fill(Text::limiteCmos, {seriesName(series)}));
    }

    ResultNotes finish(std::u16string_view legend)
    {
        if (!notes.rows.empty()) {
            notes.lines.emplace_back(legend);
            notes.lines.emplace_back(Text::tolleranza);
        }
        if (merged)
            notes.lines.emplace_back(Text::piuSerie);
        for (auto *lines : {&warnings, &noFits})
            for (std::u16string &line : *lines)
                notes.lines.push_back(std::move(line));
        return std::move(notes);
    }

    ResultNotes notes;
    std::vector<std::vector<Series>> groups;
    StageFit lastFit{};
    bool merged = false;
    std::vector<std::u16string> warnings;
    std::vector<std::u16string> noFits;
};

bool isTwoTransistors(const StandardFits &fits)
{
    return fits.series.front().rb2.has_value();
}

} // namespace

std::u16string ResultNotes::sentences() const
{
    std::u16string text = title + u'.';
    for (const std::vector<NoteCell> &row : rows) {
        text += u' ';
        text += row.front().spoken + u':';
        for (std::size_t i = 1; i < row.size(); ++i) {
            text.append(i == 1 ? u" " : u", ").append(columns[i].spoken);
            text += u' ' + row[i].spoken;
        }
        text += u'.';
    }
    for (const std::u16string &line : lines)
        text += u' ' + line;
    return text;
}

ResultNotes rb1Notes(const StandardFits &fits, std::u16string_view point)
{
    const bool two = isTwoTransistors(fits);
    TableBuilder table;
    table.notes.title = Text::titoloRb1;
    table.notes.columns = {{Text::serie, {}, {}},
                           {u"Rb1", {}, u"Rb1"},
                           two ? NoteColumn{Text::correnteRb1, mA, Text::correnteRb1Detta}
                               : NoteColumn{u"Ii", mA, u"Ii"},
                           {Text::ib1, mA, Text::ib1Detta},
                           {Text::margine, pc, Text::margineQ1Detto}};
    if (!two)
        table.notes.columns.push_back({Text::iiMax, mA, Text::iiMaxDetta});
    for (const SeriesFit &s : fits.series)
        table.add(s.series, s.rb1, u"Rb1", u"Q1", !two, [&](const StageFit &f) {
            std::vector<NoteCell> cells{resistor(f, point),
                                        milliamps(f.current, point),
                                        milliamps(f.baseCurrent, point),
                                        margins(f, point)};
            if (!two)
                cells.push_back(milliamps(f.largestCurrent, point));
            return cells;
        });
    return table.finish(two ? Text::casoPeggioreRb1Ic2 : Text::casoPeggioreRb1);
}

ResultNotes rb2Notes(const StandardFits &fits, std::u16string_view point)
{
    TableBuilder table;
    table.notes.title = Text::titoloRb2;
    table.notes.columns = {{Text::serie, {}, {}},
                           {u"Rb2", {}, u"Rb2"},
                           {u"Ii", mA, u"Ii"},
                           {Text::ib2, mA, Text::ib2Detta},
                           {Text::margine, pc, Text::margineQ2Detto},
                           {Text::iiMax, mA, Text::iiMaxDetta}};
    for (const SeriesFit &s : fits.series)
        table.add(s.series,
                  s.rb2.value_or(NoFit::NoFirstStage),
                  u"Rb2",
                  u"Q2",
                  true,
                  [&](const StageFit &f) {
                      return std::vector<NoteCell>{resistor(f, point),
                                                   milliamps(f.current, point),
                                                   milliamps(f.baseCurrent, point),
                                                   margins(f, point),
                                                   milliamps(f.largestCurrent, point)};
                  });
    return table.finish(Text::casoPeggioreRb2);
}

ResultNotes iiNotes(double Ii, const StandardFits &fits, std::u16string_view point)
{
    const bool two = isTwoTransistors(fits);
    const std::u16string_view resistorName = two ? u"Rb2" : u"Rb1";
    TableBuilder table;
    table.notes.title = fill(Text::titoloIi, {formatThreeSignificant(Ii, point)});
    table.notes.columns = {{Text::serie, {}, {}},
                           {resistorName, {}, resistorName},
                           {u"Ii", mA, u"Ii"},
                           {Text::iiMax, mA, Text::iiMaxDetta}};
    for (const SeriesFit &s : fits.series)
        table.add(s.series,
                  two ? s.rb2.value_or(NoFit::NoFirstStage) : s.rb1,
                  resistorName,
                  u"",
                  true,
                  [&](const StageFit &f) {
                      return std::vector<NoteCell>{resistor(f, point),
                                                   milliamps(f.current, point),
                                                   milliamps(f.largestCurrent, point)};
                  });
    return table.finish(fill(Text::casoPeggioreIi, {resistorName}));
}
