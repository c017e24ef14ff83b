#include "notes/resultnotes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "nominal/circuitconstants.h"
#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "notes/datasheetcheck.h"

namespace {

namespace Note = Messages::Note;
namespace Report = Messages::Report;
using Messages::fill;
using SwitchConstants::cmosOutputLimit;

constexpr char16_t nbsp = u'\u00a0'; // keeps a number with its unit

constexpr std::u16string_view mA = u"mA";
constexpr std::u16string_view pc = u"%";

// A number, spoken as shown with its column's unit.
NoteCell number(std::u16string text)
{
    return {std::move(text), {}};
}

NoteCell milliamps(double current, std::u16string_view point)
{
    return number(formatThreeSignificant(current, point));
}

// A resistance under a heading in kohm: "6,8", "0,47", "10000".
NoteCell kiloohms(StandardResistor resistor, std::u16string_view point)
{
    return number(kiloohmsText(resistor, point));
}

// Below this in magnitude a margin [%] rounds to 0,0: 0.05 itself rounds to 0,1.
constexpr double shownAsZero = 0.05;

// A margin [%] as shown: whole percent from 1 % up, one decimal below; a negative one always
// reads negative, "-0,0" where it rounds to zero.
std::u16string marginText(double margin, std::u16string_view point)
{
    if (std::fabs(margin) < shownAsZero)
        return margin < 0 ? u"-" + formatFixed(0, 1, point) : u"0";
    return formatFixed(margin, std::fabs(margin) < 1 ? 1 : 0, point);
}

NoteCell percent(const std::optional<double> &margin, std::u16string_view point)
{
    if (!margin)
        return {std::u16string(Note::nonCalcolabile), std::u16string(Note::nonCalcolabile)};
    return number(marginText(*margin, point));
}

// The worst-case margin; "spento" where the transistor is off at a corner.
NoteCell
worstPercent(const StageFit &fit, std::u16string_view transistor, std::u16string_view point)
{
    if (fit.offInWorstCase())
        return {std::u16string(Note::spento),
                std::u16string(transistor) + u' ' + std::u16string(Note::spento)};
    return percent(fit.worstMargin, point);
}

// "10", "0,5": a tolerance or a voltage of the corners, as the user's locale writes it.
std::u16string cornerValue(double value, std::u16string_view point)
{
    return formatShortest(value, point);
}

// The current Ii max must stay below [mA], as the legends write it.
std::u16string limitValue(const CornerRanges &corners, std::u16string_view point)
{
    return cornerValue(corners.outputLimit(), point);
}

// The limit Ii max reaches, in words: the 4 mA of a CMOS output, or the output's own figures.
std::u16string limitReached(const CornerRanges &corners, std::u16string_view point)
{
    if (!corners.output)
        return std::u16string(Note::limite4mA);
    return fill(Note::limiteUscita,
                {cornerValue(corners.output->ViLowest, point),
                 cornerValue(corners.output->currentLimit, point)});
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
    bool recomputed;         // Rb2 of the two-transistor circuit: recomputed for each row's Rb1
    CornerRanges::Slot slot; // the transistor it drives
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

std::u16string_view transistorOf(CornerRanges::Slot slot)
{
    return slot == CornerRanges::Q2 ? u"Q2" : u"Q1";
}

// Why nothing is worth buying, and what would help.
std::u16string noPurchaseLine(NoPurchase reason,
                              std::u16string_view series,
                              const StageNames &s,
                              const CornerRanges &corners,
                              std::u16string_view point)
{
    const std::u16string_view computed = s.recomputed ? Note::ricalcolato : Note::calcolato;
    switch (reason) {
    case NoPurchase::NotPositive:
        return fill(Note::nonPositivoDaAcquistare, {series, s.resistor, computed});
    case NoPurchase::BelowOneOhm:
        return fill(Note::sottoIntervalloDaAcquistare, {series, s.resistor, computed});
    case NoPurchase::SourceTooLow:
        return fill(s.fromVcc ? Note::vccBassa : Note::viBassa,
                    {series,
                     s.resistor,
                     cornerValue(corners.VbeHighest, point),
                     cornerValue(corners.VceSatHighest, point)});
    case NoPurchase::PullDownTakesAll:
        return fill(Note::partitoreTuttaCorrente,
                    {series, s.resistor, s.Rbe, limitReached(corners, point)});
    case NoPurchase::CmosLimit:
        return fill(s.oneTransistor ? Note::limiteCmosQ1 : Note::limiteCmosQ2,
                    {series, s.resistor, s.Rbe, limitReached(corners, point)});
    case NoPurchase::NoneDownToOneOhm:
        return fill(Note::nessunoFinoAUnOhm, {series, s.resistor});
    case NoPurchase::NotComputable:
        return fill(Note::casoPeggioreImpossibile, {series, s.resistor});
    case NoPurchase::NoGainGuaranteed: {
        const TransistorPart &part = *corners.parts[s.slot];
        return fill(Note::nessunGuadagnoGarantito,
                    {series,
                     s.resistor,
                     s.transistor.empty() ? transistorOf(s.slot) : s.transistor,
                     part.key,
                     cornerValue(part.gain.back().Ic, point)});
    }
    case NoPurchase::NoFirstStage:
        break;
    }
    return fill(Note::senzaRb1DaAcquistare, {series});
}

// Whether the nearest's line already says why there is nothing to buy: the same computed value,
// without a standard value for the same reason.
bool saidByNearest(NoPurchase reason, const Fit &nearest, const StageNames &s)
{
    const auto *none = std::get_if<NoFit>(&nearest);
    if (!none || s.recomputed)
        return false;
    return (reason == NoPurchase::NotPositive && *none == NoFit::NotPositive)
           || (reason == NoPurchase::BelowOneOhm && *none == NoFit::BelowRange);
}

} // namespace

NoteCell seriesToBuyCell(Series series, const CornerRanges &corners, std::u16string_view point)
{
    const std::u16string t =
        cornerValue(corners.tolerancePercent[static_cast<std::size_t>(series)], point);
    return {fill(Note::daAcquistare, {seriesName(series), t}),
            fill(Note::daAcquistareDetto, {seriesName(series), t})};
}

namespace {

NoteCell belowCell(Series series)
{
    return {fill(Note::subitoSotto, {seriesName(series)}),
            fill(Note::subitoSottoDetto, {seriesName(series)})};
}

// The standard value that is the computed one itself: "E24 uguale al calcolato".
NoteCell equalCell(Series series)
{
    return {fill(Report::ugualeAlCalcolato, {seriesName(series)}),
            fill(Report::ugualeAlCalcolatoDetto, {seriesName(series)})};
}

// A table where a margin reads "—" says what it means.
void explainDashes(ResultNotes &notes)
{
    for (const std::vector<NoteCell> &row : notes.rows)
        for (const NoteCell &cell : row)
            if (cell.shown == Note::nonCalcolabile) {
                notes.legend.emplace_back(Report::legendaNonCalcolabile);
                return;
            }
}

bool isTwoTransistors(const StandardFits &fits)
{
    return fits.series.front().rb2.has_value();
}

using Assumptions = std::vector<std::u16string>;

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

// What the worst case assumes, for the circuit of the fits, with the ranges in force.
Assumptions assumptionLines(const StandardFits &fits, std::u16string_view point)
{
    const CornerRanges &c = fits.corners;
    const CornerRanges defaults;
    const bool two = isTwoTransistors(fits);
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
        const auto vbe = highestVbe(*q1, IL);
        lines.push_back(fill(Note::ipotesiTransistorA,
                             {u"Q1",
                              q1->key,
                              q1->source,
                              v(IL),
                              gain ? fill(Note::ipotesiGuadagno, {v(gain->hFEmin), v(gain->Ic)})
                                   : fill(Note::ipotesiNessunGuadagno, {v(q1->gain.back().Ic)}),
                              vbe ? fill(vbe->standIn ? Note::ipotesiVbeOn : Note::ipotesiVbeSat,
                                         {v(vbe->Vbe), v(vbe->Ic)})
                                  : std::u16string()}));
    }
    if (const TransistorPart *q2 = two ? c.parts[CornerRanges::Q2] : nullptr)
        lines.push_back(fill(
            Note::ipotesiTransistor,
            {u"Q2", q2->key, q2->source, q2->VbeSat.empty() ? Note::vbeOnInLuogo : Note::vbeSat}));
    return lines;
}

// What every table of a press shares, worked out once: the assumptions, and each series's first
// cells.
struct Shared
{
    Assumptions assumptions;
    std::array<NoteCell, 3> toBuy; // "E12 ±10 %", by series
    std::array<NoteCell, 3> below; // "E12 subito sotto"
    std::array<NoteCell, 3> equal; // "E12 uguale al calcolato"
};

Shared sharedOf(const StandardFits &fits, std::u16string_view point)
{
    Shared shared{assumptionLines(fits, point), {}, {}, {}};
    for (const SeriesFit &s : fits.series) {
        const auto i = static_cast<std::size_t>(s.series);
        shared.toBuy[i] = seriesToBuyCell(s.series, fits.corners, point);
        shared.below[i] = belowCell(s.series);
        shared.equal[i] = equalCell(s.series);
    }
    return shared;
}

// Builds the table of one resistor: for each series the value to buy and, where it differs, the
// standard value just below the computed one; then the lines below.
class TableBuilder
{
public:
    // A row's cells after the first, from the fit and the Rb1 it goes with (Rb2's tables).
    using Cells = std::function<std::vector<NoteCell>(const StageFit &, const StageFit *withRb1)>;

    TableBuilder(const StageNames &stage,
                 const StandardFits &fits,
                 const Shared &shared,
                 std::u16string_view point,
                 Cells cells)
        : stage_(stage), fits_(fits), shared_(shared), point_(point), cells_(std::move(cells))
    {}

    void add(const SeriesFit &s, const Fit &nearest, const Purchase &buy)
    {
        const auto *bought = std::get_if<StageFit>(&buy);
        const auto *near = std::get_if<StageFit>(&nearest);
        const auto i = static_cast<std::size_t>(s.series);
        if (bought)
            addRow(s.series, shared_.toBuy[i], *bought, std::get_if<StageFit>(&s.buyRb1));
        if (near && (!bought || near->resistor != bought->resistor)) {
            const bool equal = isComputedValue(near->resistor, near->computed);
            (equal ? usedEqual_ : usedBelow_) = true;
            addRow(s.series,
                   equal ? shared_.equal[i] : shared_.below[i],
                   *near,
                   std::get_if<StageFit>(&s.rb1));
        }
        if (!near)
            reasons_.push_back(
                noFitLine(std::get<NoFit>(nearest), seriesName(s.series), stage_.resistor));
        if (!bought && !saidByNearest(std::get<NoPurchase>(buy), nearest, stage_))
            reasons_.push_back(noPurchaseLine(
                std::get<NoPurchase>(buy), seriesName(s.series), stage_, fits_.corners, point_));
    }

    // The legend given, less the line on the values just below where no row has one, with the
    // line on the values equal to the computed one where a row has one.
    ResultNotes finish(ResultNotes notes, std::vector<std::u16string> legend)
    {
        if (!usedBelow_)
            std::erase_if(legend, [](const std::u16string &line) {
                return line == Note::legendaSubitoSotto || line == Note::legendaSubitoSottoRb2;
            });
        if (usedEqual_)
            legend.insert(legend.begin() + std::min<std::ptrdiff_t>(1, std::ssize(legend)),
                          std::u16string(Report::legendaUguale));
        if (!rows_.empty())
            notes.legend = std::move(legend);
        for (std::vector<std::u16string> *part : {&warnings_, &reasons_})
            notes.lines.insert(notes.lines.end(),
                               std::make_move_iterator(part->begin()),
                               std::make_move_iterator(part->end()));
        notes.assumptions = shared_.assumptions;
        notes.rows = std::move(rows_);
        explainDashes(notes);
        return notes;
    }

private:
    void addRow(Series series, NoteCell first, const StageFit &fit, const StageFit *withRb1)
    {
        rows_.push_back({std::move(first)});
        std::vector<NoteCell> cells = cells_(fit, withRb1);
        rows_.back().insert(rows_.back().end(),
                            std::make_move_iterator(cells.begin()),
                            std::make_move_iterator(cells.end()));

        const auto warn = [&](std::u16string_view pattern, std::u16string_view limit = {}) {
            warnings_.push_back(fill(pattern,
                                     {seriesName(series),
                                      resistorText(fit.resistor, point_),
                                      stage_.transistor,
                                      limit}));
        };
        if (!stage_.transistor.empty()) {
            if (fit.margin && *fit.margin < 0)
                warn(Note::nonSatura);
            else if (fit.offInWorstCase())
                warn(Note::spentoPeggiore);
            else if (fit.worstMargin && *fit.worstMargin < 0)
                warn(Note::saturazione);
        }
        if (stage_.feedsCmos && reachesOutputLimit(fit.largestCurrent, fits_.corners.outputLimit()))
            warn(Note::limiteCmos, limitReached(fits_.corners, point_));
    }

    StageNames stage_;
    const StandardFits &fits_;
    const Shared &shared_;
    std::u16string_view point_;
    Cells cells_;
    std::vector<std::vector<NoteCell>> rows_;
    std::vector<std::u16string> warnings_;
    std::vector<std::u16string> reasons_;
    bool usedBelow_ = false; // a row of the value just below the computed one
    bool usedEqual_ = false; // a row of the value equal to it
};

const NoteColumn seriesColumn{Note::serie, {}, {}};

NoteColumn resistorColumn(std::u16string_view name)
{
    return {name, Note::kohm, name};
}

// The margin on a transistor's base current, nominal and, in brackets, in the worst case.
std::vector<NoteColumn> marginColumns(std::u16string_view spoken)
{
    return {{Note::margine, pc, spoken}, {Note::peggiore, pc, Note::peggioreDetto, true}};
}

const StageNames rb1OfOne{
    u"Rb1", u"Q1", u"R1", true, false, true, false, CornerRanges::Q1OneTransistor};
const StageNames rb1OfTwo{
    u"Rb1", u"Q1", u"R1", false, true, false, false, CornerRanges::Q1TwoTransistors};
const StageNames rb2OfTwo{u"Rb2", u"Q2", u"R2", true, false, false, true, CornerRanges::Q2};

// The table of the resistor Ii flows through: Rb1 of one transistor, Rb2 of two.
void addFeedingRows(TableBuilder &table, const StandardFits &fits)
{
    for (const SeriesFit &s : fits.series) {
        if (isTwoTransistors(fits))
            table.add(s,
                      s.rb2.value_or(NoFit::NoFirstStage),
                      s.buyRb2.value_or(NoPurchase::NoFirstStage));
        else
            table.add(s, s.rb1, s.buyRb1);
    }
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
    for (const std::vector<std::u16string> *part : {&legend, &lines, &assumptions})
        for (const std::u16string &line : *part)
            text += u' ' + line;
    return text;
}

namespace {

ResultNotes rb1NotesWith(const StandardFits &fits, std::u16string_view point, const Shared &shared)
{
    const bool two = isTwoTransistors(fits);
    ResultNotes notes;
    notes.title = Note::titoloRb1;
    notes.columns = {seriesColumn, resistorColumn(u"Rb1")};
    if (two)
        notes.columns.push_back({Note::correnteRb1, mA, Note::correnteRb1Detta});
    for (const NoteColumn &column : marginColumns(Note::margineQ1Detto))
        notes.columns.push_back(column);
    if (two)
        notes.columns.push_back({Note::correnteRb1Max, mA, Note::correnteRb1MaxDetta});
    TableBuilder table(
        two ? rb1OfTwo : rb1OfOne, fits, shared, point, [&](const StageFit &f, const StageFit *) {
            std::vector<NoteCell> cells{kiloohms(f.resistor, point)};
            if (two)
                cells.push_back(milliamps(f.current, point));
            cells.push_back(percent(f.margin, point));
            cells.push_back(worstPercent(f, u"Q1", point));
            if (two)
                cells.push_back(milliamps(f.largestCurrent, point));
            return cells;
        });
    for (const SeriesFit &s : fits.series)
        table.add(s, s.rb1, s.buyRb1);
    const std::u16string magg = marginText(fits.maggIb1, point);
    if (two)
        return table.finish(std::move(notes),
                            {fill(Note::legendaAcquistoQ1, {magg}),
                             std::u16string(Note::legendaSubitoSotto),
                             std::u16string(Note::legendaCorrenteRb1),
                             std::u16string(Note::legendaMargineQ1)});
    return table.finish(std::move(notes),
                        {fill(Note::legendaAcquistoQ1Cmos, {magg, limitValue(fits.corners, point)}),
                         std::u16string(Note::legendaSubitoSotto),
                         std::u16string(Note::legendaMargineQ1)});
}

ResultNotes rb2NotesWith(const StandardFits &fits, std::u16string_view point, const Shared &shared)
{
    ResultNotes notes;
    notes.title = Note::titoloRb2;
    notes.columns = {seriesColumn,
                     {Note::conRb1, Note::kohm, Note::conRb1Detto},
                     {Note::rb2Ricalcolata, Note::kohm, Note::rb2RicalcolataDetta},
                     resistorColumn(u"Rb2")};
    for (const NoteColumn &column : marginColumns(Note::margineQ2Detto))
        notes.columns.push_back(column);
    TableBuilder table(
        rb2OfTwo, fits, shared, point, [&](const StageFit &f, const StageFit *withRb1) {
            return std::vector<NoteCell>{withRb1 ? kiloohms(withRb1->resistor, point) : NoteCell{},
                                         milliamps(f.computed, point),
                                         kiloohms(f.resistor, point),
                                         percent(f.margin, point),
                                         worstPercent(f, u"Q2", point)};
        });
    for (const SeriesFit &s : fits.series)
        table.add(
            s, s.rb2.value_or(NoFit::NoFirstStage), s.buyRb2.value_or(NoPurchase::NoFirstStage));
    return table.finish(std::move(notes),
                        {fill(Note::legendaAcquistoQ2,
                              {marginText(fits.maggIb2, point), limitValue(fits.corners, point)}),
                         std::u16string(Note::legendaSubitoSottoRb2),
                         std::u16string(Note::legendaRb2Ricalcolata),
                         std::u16string(Note::legendaMargineQ2)});
}

ResultNotes
iiNotesWith(double Ii, const StandardFits &fits, std::u16string_view point, const Shared &shared)
{
    const bool two = isTwoTransistors(fits);
    const std::u16string_view feeding = two ? u"Rb2" : u"Rb1"; // the resistor Ii flows through
    ResultNotes notes;
    const std::u16string shown = formatThreeSignificant(Ii, point);
    const std::u16string caption = formatHundredths(Ii, point);
    notes.title = fill(Note::titoloIi, {shown});
    if (parseLeadingNumber(formatThreeSignificant(Ii, u"."))
        != parseLeadingNumber(formatHundredths(Ii, u".")))
        notes.title += fill(Note::arrotondataNelRisultato, {caption});
    if (Ii < cmosOutputLimit && reachesCmosLimit(Ii))
        notes.title += Note::appenaSotto4mA;
    notes.columns = {seriesColumn,
                     resistorColumn(feeding),
                     {u"Ii", mA, u"Ii"},
                     {Note::iiMax, mA, Note::iiMaxDetta}};
    TableBuilder table(
        two ? StageNames{u"Rb2", {}, u"R2", true, false, false, true, CornerRanges::Q2}
            : StageNames{u"Rb1",
                         {},
                         u"R1",
                         true,
                         false,
                         true,
                         false,
                         CornerRanges::Q1OneTransistor},
        fits,
        shared,
        point,
        [&](const StageFit &f, const StageFit *) {
            return std::vector<NoteCell>{kiloohms(f.resistor, point),
                                         milliamps(f.current, point),
                                         milliamps(f.largestCurrent, point)};
        });
    addFeedingRows(table, fits);
    const std::u16string magg = marginText(two ? fits.maggIb2 : fits.maggIb1, point);
    return table.finish(
        std::move(notes),
        {fill(two ? Note::legendaAcquistoQ2 : Note::legendaAcquistoQ1Cmos,
              {magg, limitValue(fits.corners, point)}),
         std::u16string(two ? Note::legendaSubitoSottoRb2 : Note::legendaSubitoSotto),
         fill(Note::legendaIi, {feeding})});
}

ResultNotes
summaryNotesWith(const StandardFits &fits, std::u16string_view point, const Shared &shared)
{
    const bool two = isTwoTransistors(fits);
    ResultNotes notes;
    notes.title = Note::titoloRiepilogo;
    notes.columns = {seriesColumn, resistorColumn(u"Rb1")};
    if (two)
        notes.columns.push_back(resistorColumn(u"Rb2"));
    notes.columns.push_back({Note::margineQ1Peggiore, pc, Note::margineQ1PeggioreDetto});
    if (two)
        notes.columns.push_back({Note::margineQ2Peggiore, pc, Note::margineQ2PeggioreDetto});
    notes.columns.push_back({Note::iiMax, mA, Note::iiMaxDetta});
    const NoteCell none{std::u16string(Note::nessuno), std::u16string(Note::nessuno)};
    bool anyToBuy = false;
    for (const SeriesFit &s : fits.series) {
        const auto *rb1 = std::get_if<StageFit>(&s.buyRb1);
        const StageFit *rb2 = two && s.buyRb2 ? std::get_if<StageFit>(&*s.buyRb2) : nullptr;
        const StageFit *feeding = two ? rb2 : rb1;
        anyToBuy = anyToBuy || rb1 != nullptr;
        std::vector<NoteCell> row{shared.toBuy[static_cast<std::size_t>(s.series)]};
        row.push_back(rb1 ? kiloohms(rb1->resistor, point) : none);
        if (two)
            row.push_back(rb2 ? kiloohms(rb2->resistor, point) : none);
        row.push_back(rb1 ? worstPercent(*rb1, u"Q1", point) : NoteCell{});
        if (two)
            row.push_back(rb2 ? worstPercent(*rb2, u"Q2", point) : NoteCell{});
        row.push_back(feeding ? milliamps(feeding->largestCurrent, point) : NoteCell{});
        notes.rows.push_back(std::move(row));
        // Why a series has nothing to buy, as its table says it.
        const StageNames &stage = (!rb1 || !two) ? (two ? rb1OfTwo : rb1OfOne) : rb2OfTwo;
        const Purchase &missing = (!rb1 || !two) ? s.buyRb1 : *s.buyRb2;
        if (const auto *reason = std::get_if<NoPurchase>(&missing)) {
            const auto &nearest = (!rb1 || !two) ? s.rb1 : *s.rb2;
            notes.lines.push_back(
                saidByNearest(*reason, nearest, stage)
                    ? noFitLine(std::get<NoFit>(nearest), seriesName(s.series), stage.resistor)
                    : noPurchaseLine(*reason, seriesName(s.series), stage, fits.corners, point));
        }
    }
    // The margins' sentence where a row has them; R1 (and R2) as the worst case buys them.
    if (anyToBuy)
        notes.legend.emplace_back(Note::legendaRiepilogo);
    notes.legend.emplace_back(two ? Report::acquistoR1R2 : Report::acquistoR1);
    explainDashes(notes);
    notes.assumptions = shared.assumptions;
    return notes;
}

} // namespace

DesignNotes designNotes(double Ii, const StandardFits &fits, std::u16string_view point)
{
    const Shared shared = sharedOf(fits, point);
    DesignNotes notes{summaryNotesWith(fits, point, shared), {}, datasheetChecks(fits, point)};
    notes.checks.assumptions = shared.assumptions;
    notes.results.push_back(rb1NotesWith(fits, point, shared));
    if (isTwoTransistors(fits))
        notes.results.push_back(rb2NotesWith(fits, point, shared));
    notes.results.push_back(iiNotesWith(Ii, fits, point, shared));
    return notes;
}

ResultNotes rb1Notes(const StandardFits &fits, std::u16string_view point)
{
    return rb1NotesWith(fits, point, sharedOf(fits, point));
}

ResultNotes rb2Notes(const StandardFits &fits, std::u16string_view point)
{
    return rb2NotesWith(fits, point, sharedOf(fits, point));
}

ResultNotes iiNotes(double Ii, const StandardFits &fits, std::u16string_view point)
{
    return iiNotesWith(Ii, fits, point, sharedOf(fits, point));
}

ResultNotes summaryNotes(const StandardFits &fits, std::u16string_view point)
{
    return summaryNotesWith(fits, point, sharedOf(fits, point));
}
