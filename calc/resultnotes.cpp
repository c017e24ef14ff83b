#include "resultnotes.h"

#include <cmath>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <utility>

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

// A number, spoken as shown with its column's unit.
NoteCell milliamps(double current, std::u16string_view point)
{
    return {formatThreeSignificant(current, point), {}};
}

// Below this in magnitude a margin [%] shows as 0,0: 0.05 itself rounds to 0,1.
constexpr double shownAsZero = 0.05;

// A margin [%] as shown: whole percent from 1 % up, one decimal below, so that a small negative
// margin still reads negative; one that rounds to zero reads 0.
std::u16string marginText(double margin, std::u16string_view point)
{
    if (std::fabs(margin) < shownAsZero)
        return u"0";
    return formatFixed(margin, std::fabs(margin) < 1 ? 1 : 0, point);
}

bool shownNegative(double margin)
{
    return margin <= -shownAsZero;
}

// A margin [%] as shown, and as spoken: with its unit.
std::pair<std::u16string, std::u16string> percent(const std::optional<double> &margin,
                                                  std::u16string_view point)
{
    if (!margin)
        return {std::u16string(Note::nonCalcolabile), std::u16string(Note::nonCalcolabile)};
    std::u16string shown = marginText(*margin, point);
    std::u16string spoken = shown + nbsp + std::u16string(pc);
    return {std::move(shown), std::move(spoken)};
}

// The margin and, in brackets, its worst case: "41 (18)" under a heading in %; "23 (spento)"
// where the transistor is off at a corner.
NoteCell margins(const StageFit &fit, std::u16string_view transistor, std::u16string_view point)
{
    const auto [nominal, nominalSpoken] = percent(fit.margin, point);
    auto [worst, worstSpoken] = percent(fit.worstMargin, point);
    if (fit.offInWorstCase()) {
        worst = Note::spento;
        worstSpoken = std::u16string(transistor) + u' ' + std::u16string(Note::spento);
    }
    return {nominal + u" (" + worst + u')',
            nominalSpoken + u", " + std::u16string(Note::peggioreDetto) + u' ' + worstSpoken};
}

NoteCell resistor(const StageFit &fit, std::u16string_view point)
{
    return {resistorText(fit.resistor, point), {}};
}

// What a table is about: its base resistor, the transistor whose margin it gives (empty: the
// margins are not this table's) and the base-emitter resistor beside that transistor.
struct StageNames
{
    std::u16string_view resistor;
    std::u16string_view transistor;
    std::u16string_view Rbe;
    bool feedsCmos; // the resistor carries Ii
    bool fromVcc;   // Rb1 of the two-transistor circuit
    bool oneTransistor;
};

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

// Why nothing is worth buying, and what would help; empty where the nearest's line says it.
std::u16string noPurchaseLine(NoPurchase reason, std::u16string_view series, const StageNames &s)
{
    switch (reason) {
    case NoPurchase::NoStandardValue:
        return {};
    case NoPurchase::SourceTooLow:
        return fill(s.fromVcc ? Note::vccBassa : Note::viBassa, {series, s.resistor});
    case NoPurchase::PullDownTakesAll:
        return fill(Note::partitoreTuttaCorrente, {series, s.resistor, s.Rbe});
    case NoPurchase::CmosLimit:
        return fill(s.oneTransistor ? Note::limiteCmosQ1 : Note::limiteCmosQ2,
                    {series, s.resistor, s.Rbe});
    case NoPurchase::NoneDownToOneOhm:
        return fill(Note::nessunoFinoAUnOhm, {series, s.resistor});
    case NoPurchase::NotComputable:
        return fill(Note::casoPeggioreImpossibile, {series, s.resistor});
    case NoPurchase::NoFirstStage:
        break;
    }
    return fill(Note::senzaRb1DaAcquistare, {series});
}

// "E12 ±10 %": the series of the value to buy, with the tolerance its worst case assumes.
NoteCell toBuyCell(Series series)
{
    const auto t = static_cast<int>(std::lround(tolerance(series) * 100));
    std::u16string text =
        std::u16string(seriesName(series)) + u" \u00b1" + formatFixed(t, 0, u".") + nbsp + u'%';
    return {text, text + u", " + std::u16string(Note::daAcquistareDetto)};
}

NoteCell nearestCell(Series series)
{
    return {fill(Note::piuVicino, {seriesName(series)}),
            fill(Note::piuVicinoDetto, {seriesName(series)})};
}

// Builds the table of one resistor: for each series the value to buy and, where it differs, the
// nearest below the computed one; then the lines below.
class TableBuilder
{
public:
    using Cells = std::function<std::vector<NoteCell>(const StageFit &)>;

    TableBuilder(const StageNames &stage, Cells cells) : stage_(stage), cells_(std::move(cells)) {}

    void add(Series series, const Fit &nearest, const Purchase &buy, std::u16string_view point)
    {
        const auto *bought = std::get_if<StageFit>(&buy);
        const auto *near = std::get_if<StageFit>(&nearest);
        if (bought)
            addRow(series, toBuyCell(series), *bought, point);
        if (near && (!bought || near->resistor != bought->resistor))
            addRow(series, nearestCell(series), *near, point);
        if (!near)
            reasons_.push_back(
                noFitLine(std::get<NoFit>(nearest), seriesName(series), stage_.resistor));
        if (!bought) {
            std::u16string line =
                noPurchaseLine(std::get<NoPurchase>(buy), seriesName(series), stage_);
            if (!line.empty())
                reasons_.push_back(std::move(line));
        }
    }

    ResultNotes finish(ResultNotes notes, std::vector<std::u16string> legend)
    {
        if (!rows_.empty())
            notes.lines = std::move(legend);
        for (std::vector<std::u16string> *part : {&warnings_, &reasons_})
            notes.lines.insert(notes.lines.end(),
                               std::make_move_iterator(part->begin()),
                               std::make_move_iterator(part->end()));
        for (const std::u16string_view line : {Note::ipotesiResistenze,
                                               Note::ipotesiVbe,
                                               Note::ipotesiMinimaIb,
                                               Note::ipotesiMassimaI,
                                               Note::ipotesiIngressi})
            notes.assumptions.emplace_back(line);
        notes.rows = std::move(rows_);
        return notes;
    }

private:
    void addRow(Series series, NoteCell first, const StageFit &fit, std::u16string_view point)
    {
        rows_.push_back({std::move(first)});
        std::vector<NoteCell> cells = cells_(fit);
        rows_.back().insert(rows_.back().end(),
                            std::make_move_iterator(cells.begin()),
                            std::make_move_iterator(cells.end()));

        const auto warn = [&](std::u16string_view pattern) {
            warnings_.push_back(
                fill(pattern,
                     {seriesName(series), resistorText(fit.resistor, point), stage_.transistor}));
        };
        if (!stage_.transistor.empty()) {
            if (fit.margin && shownNegative(*fit.margin))
                warn(Note::nonSatura);
            else if (fit.offInWorstCase())
                warn(Note::spentoPeggiore);
            else if (fit.worstMargin && shownNegative(*fit.worstMargin))
                warn(Note::saturazione);
        }
        if (stage_.feedsCmos && reachesCmosLimit(fit.largestCurrent))
            warn(Note::limiteCmos);
    }

    StageNames stage_;
    Cells cells_;
    std::vector<std::vector<NoteCell>> rows_;
    std::vector<std::u16string> warnings_;
    std::vector<std::u16string> reasons_;
};

bool isTwoTransistors(const StandardFits &fits)
{
    return fits.series.front().rb2.has_value();
}

// What "to buy" means for a table whose margin is asked on the CMOS-driven transistor.
std::u16string buyingLine(double magg, std::u16string_view point)
{
    return fill(Note::acquisto, {marginText(magg, point)});
}

} // namespace

std::u16string ResultNotes::sentences() const
{
    std::u16string text = title + u'.';
    for (const std::vector<NoteCell> &row : rows) {
        text += u' ';
        text += row.front().spoken + u':';
        for (std::size_t i = 1; i < row.size(); ++i) {
            text.append(i == 1 ? u" " : u", ").append(columns[i].spoken).append(u" ");
            if (!row[i].spoken.empty())
                text += row[i].spoken;
            else if (columns[i].unit.empty())
                text += row[i].shown;
            else
                text.append(row[i].shown).append(1, nbsp).append(columns[i].unit);
        }
        text += u'.';
    }
    for (const std::vector<std::u16string> *part : {&lines, &assumptions})
        for (const std::u16string &line : *part)
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
                     {Note::margine, pc, Note::margineQ1Detto},
                     two ? NoteColumn{Note::correnteRb1Max, mA, Note::correnteRb1MaxDetta}
                         : NoteColumn{Note::iiMax, mA, Note::iiMaxDetta}};
    TableBuilder table({u"Rb1", u"Q1", u"R1", !two, two, !two}, [&](const StageFit &f) {
        return std::vector<NoteCell>{resistor(f, point),
                                     milliamps(f.current, point),
                                     margins(f, u"Q1", point),
                                     milliamps(f.largestCurrent, point)};
    });
    for (const SeriesFit &s : fits.series)
        table.add(s.series, s.rb1, s.buyRb1, point);
    if (two)
        return table.finish(std::move(notes),
                            {std::u16string(Note::margineRb1Ic2),
                             fill(Note::acquistoQ1, {marginText(fits.maggIb1, point)})});
    return table.finish(std::move(notes),
                        {std::u16string(Note::margineRb1), buyingLine(fits.maggIb1, point)});
}

ResultNotes rb2Notes(const StandardFits &fits, std::u16string_view point)
{
    ResultNotes notes;
    notes.title = Note::titoloRb2;
    notes.columns = {{Note::serie, {}, {}},
                     {u"Rb2", {}, u"Rb2"},
                     {u"Ii", mA, u"Ii"},
                     {Note::margine, pc, Note::margineQ2Detto},
                     {Note::iiMax, mA, Note::iiMaxDetta}};
    TableBuilder table({u"Rb2", u"Q2", u"R2", true, false, false}, [&](const StageFit &f) {
        return std::vector<NoteCell>{resistor(f, point),
                                     milliamps(f.current, point),
                                     margins(f, u"Q2", point),
                                     milliamps(f.largestCurrent, point)};
    });
    for (const SeriesFit &s : fits.series)
        table.add(s.series,
                  s.rb2.value_or(NoFit::NoFirstStage),
                  s.buyRb2.value_or(NoPurchase::NoFirstStage),
                  point);
    return table.finish(std::move(notes),
                        {std::u16string(Note::margineRb2),
                         buyingLine(fits.maggIb2, point),
                         std::u16string(Note::acquistoRb2)});
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
    const StageNames stage = two ? StageNames{u"Rb2", {}, u"R2", true, false, false}
                                 : StageNames{u"Rb1", {}, u"R1", true, false, true};
    TableBuilder table(stage, [&](const StageFit &f) {
        return std::vector<NoteCell>{
            resistor(f, point), milliamps(f.current, point), milliamps(f.largestCurrent, point)};
    });
    for (const SeriesFit &s : fits.series) {
        if (two)
            table.add(s.series,
                      s.rb2.value_or(NoFit::NoFirstStage),
                      s.buyRb2.value_or(NoPurchase::NoFirstStage),
                      point);
        else
            table.add(s.series, s.rb1, s.buyRb1, point);
    }
    return table.finish(
        std::move(notes),
        {fill(Note::correntiIi, {feeding}), buyingLine(two ? fits.maggIb2 : fits.maggIb1, point)});
}
