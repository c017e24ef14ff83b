#include "resultnotes.h"

#include <cmath>
#include <functional>
#include <initializer_list>

#include "circuitconstants.h"
#include "messages.h"
#include "numbertext.h"

namespace {

namespace Note = Messages::Note;

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
        return {std::u16string(Note::nonCalcolabile), std::u16string(Note::nonCalcolabile)};
    return number(formatFixed(std::fabs(*margin) < 0.5 ? 0.0 : *margin, 0, point), pc);
}

// The margin and, in brackets, its worst case: "23 (-46)" under a heading in %.
NoteCell margins(const StageFit &fit, std::u16string_view point)
{
    const NoteCell nominal = percent(fit.margin, point);
    const NoteCell worst = percent(fit.worstMargin, point);
    return {nominal.shown + u" (" + worst.shown + u')',
            nominal.spoken + u", " + std::u16string(Note::peggioreDetto) + u' ' + worst.spoken};
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
        return fill(Note::nonPositivo, {series, resistor});
    case NoFit::BelowRange:
        return fill(Note::sottoIntervallo, {series, resistor});
    case NoFit::AboveRange:
        return fill(Note::sopraIntervallo, {series, resistor});
    case NoFit::NotComputable:
        return fill(Note::ricalcoloImpossibile, {series, resistor});
    case NoFit::NoFirstStage:
        break;
    }
    return fill(Note::senzaRb1, {series});
}

// "E12", or "E12, E24" where a row stands for both.
std::u16string seriesNames(const std::vector<Series> &group)
{
    std::u16string names;
    for (const Series s : group) {
        if (!names.empty())
            names += u", ";
        names += seriesName(s);
    }
    return names;
}

// "E12 ±10 %", or "E12, E24 ±10 %": the tolerance of the first, the widest, is the one the
// row's worst case assumes.
NoteCell seriesCell(const std::vector<Series> &group)
{
    const auto t = static_cast<int>(std::lround(tolerance(group.front()) * 100));
    std::u16string text = seriesNames(group) + u" \u00b1" + formatFixed(t, 0, u".") + nbsp + u'%';
    return {text, text};
}

// Builds the table of one resistor from its fits in each series: a row per standard value,
// then the lines below.
class TableBuilder
{
public:
    using Cells = std::function<std::vector<NoteCell>(const StageFit &)>;

    // resistor names the resistor; transistor the one whose margin the rows give (empty: the
    // margins are not this table's); feedsCmos whether the resistor carries Ii.
    TableBuilder(std::u16string_view resistor, std::u16string_view transistor, bool feedsCmos)
        : resistor_(resistor), transistor_(transistor), feedsCmos_(feedsCmos)
    {}

    // The series's fit: a row of the given cells, or the series added to the last row when it
    // gives the same value; where there is none, a line saying why.
    void add(Series series, const Fit &fit, const Cells &cells)
    {
        const auto *stage = std::get_if<StageFit>(&fit);
        if (!stage) {
            noFits_.push_back(noFitLine(std::get<NoFit>(fit), seriesName(series), resistor_));
            return;
        }
        if (!rows_.empty()) {
            const StageFit &last = rows_.back().fit;
            if (last.resistor.kiloohms() == stage->resistor.kiloohms()
                && last.current == stage->current && last.margin == stage->margin) {
                rows_.back().series.push_back(series);
                return;
            }
        }
        rows_.push_back({{series}, *stage, cells(*stage)});
    }

    ResultNotes finish(ResultNotes notes, std::u16string_view legend) const
    {
        bool merged = false;
        std::vector<std::u16string> warnings;
        for (const Row &row : rows_) {
            notes.rows.push_back({seriesCell(row.series)});
            notes.rows.back().insert(notes.rows.back().end(), row.cells.begin(), row.cells.end());
            merged = merged || row.series.size() > 1;
            const std::u16string names = seriesNames(row.series);
            if (!transistor_.empty() && row.fit.worstMargin && *row.fit.worstMargin < 0)
                warnings.push_back(fill(Note::saturazione, {names, transistor_}));
            if (feedsCmos_ && !(row.fit.largestCurrent < SwitchConstants::cmosOutputLimit))
                warnings.push_back(fill(Note::limiteCmos, {names}));
        }
        if (!rows_.empty()) {
            notes.lines.emplace_back(legend);
            notes.lines.emplace_back(Note::tolleranza);
        }
        if (merged)
            notes.lines.emplace_back(Note::piuSerie);
        notes.lines.insert(notes.lines.end(), warnings.begin(), warnings.end());
        notes.lines.insert(notes.lines.end(), noFits_.begin(), noFits_.end());
        return notes;
    }

private:
    struct Row
    {
        std::vector<Series> series; // that give this value; the first has the widest tolerance
        StageFit fit;
        std::vector<NoteCell> cells;
    };

    std::u16string_view resistor_;
    std::u16string_view transistor_;
    bool feedsCmos_;
    std::vector<Row> rows_;
    std::vector<std::u16string> noFits_;
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
    ResultNotes notes;
    notes.title = Note::titoloRb1;
    notes.columns = {{Note::serie, {}, {}},
                     {u"Rb1", {}, u"Rb1"},
                     two ? NoteColumn{Note::correnteRb1, mA, Note::correnteRb1Detta}
                         : NoteColumn{u"Ii", mA, u"Ii"},
                     {Note::ib1, mA, Note::ib1Detta},
                     {Note::margine, pc, Note::margineQ1Detto}};
    if (!two)
        notes.columns.push_back({Note::iiMax, mA, Note::iiMaxDetta});
    TableBuilder table(u"Rb1", u"Q1", !two);
    for (const SeriesFit &s : fits.series)
        table.add(s.series, s.rb1, [&](const StageFit &f) {
            std::vector<NoteCell> cells{resistor(f, point),
                                        milliamps(f.current, point),
                                        milliamps(f.baseCurrent, point),
                                        margins(f, point)};
            if (!two)
                cells.push_back(milliamps(f.largestCurrent, point));
            return cells;
        });
    return table.finish(std::move(notes), two ? Note::casoPeggioreRb1Ic2 : Note::casoPeggioreRb1);
}

ResultNotes rb2Notes(const StandardFits &fits, std::u16string_view point)
{
    ResultNotes notes;
    notes.title = Note::titoloRb2;
    notes.columns = {{Note::serie, {}, {}},
                     {u"Rb2", {}, u"Rb2"},
                     {u"Ii", mA, u"Ii"},
                     {Note::ib2, mA, Note::ib2Detta},
                     {Note::margine, pc, Note::margineQ2Detto},
                     {Note::iiMax, mA, Note::iiMaxDetta}};
    TableBuilder table(u"Rb2", u"Q2", true);
    for (const SeriesFit &s : fits.series)
        table.add(s.series, s.rb2.value_or(NoFit::NoFirstStage), [&](const StageFit &f) {
            return std::vector<NoteCell>{resistor(f, point),
                                         milliamps(f.current, point),
                                         milliamps(f.baseCurrent, point),
                                         margins(f, point),
                                         milliamps(f.largestCurrent, point)};
        });
    return table.finish(std::move(notes), Note::casoPeggioreRb2);
}

ResultNotes iiNotes(double Ii, const StandardFits &fits, std::u16string_view point)
{
    const bool two = isTwoTransistors(fits);
    const std::u16string_view feeding = two ? u"Rb2" : u"Rb1"; // the resistor Ii flows through
    ResultNotes notes;
    notes.title = fill(Note::titoloIi, {formatThreeSignificant(Ii, point)});
    notes.columns = {{Note::serie, {}, {}},
                     {feeding, {}, feeding},
                     {u"Ii", mA, u"Ii"},
                     {Note::iiMax, mA, Note::iiMaxDetta}};
    TableBuilder table(feeding, {}, true);
    for (const SeriesFit &s : fits.series)
        table.add(
            s.series, two ? s.rb2.value_or(NoFit::NoFirstStage) : s.rb1, [&](const StageFit &f) {
                return std::vector<NoteCell>{resistor(f, point),
                                             milliamps(f.current, point),
                                             milliamps(f.largestCurrent, point)};
            });
    return table.finish(std::move(notes), fill(Note::casoPeggioreIi, {feeding}));
}
