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
#include "notes/assumptions.h"
#include "notes/datasheetchecknotes.h"
#include "notes/notecells.h"
#include "notes/offnotes.h"
#include "parts/temperaturelaws.h"

namespace {

namespace Note = Messages::Note;
namespace Report = Messages::Report;
using Messages::fill;
using SwitchConstants::cmosOutputLimit;

constexpr std::u16string_view mA = u"mA";
constexpr std::u16string_view pc = u"%";

// What a table is about: its base resistor, the transistor that resistor drives and the
// base-emitter resistor beside that transistor; what else the stage is follows from the slot.
struct StageNames
{
    std::u16string_view resistor;
    std::u16string_view transistor;
    std::u16string_view Rbe;
    CornerRanges::Slot slot;

    // The resistor carries Ii, from the logic output.
    bool feedsOutput() const { return slot != CornerRanges::Q1TwoTransistors; }
    // Rb1 of the two-transistor circuit, from Vcc through Q2.
    bool fromVcc() const { return slot == CornerRanges::Q1TwoTransistors; }
    bool oneTransistor() const { return slot == CornerRanges::Q1OneTransistor; }
    // Rb2 of the two-transistor circuit: recomputed for each row's Rb1.
    bool recomputed() const { return slot == CornerRanges::Q2; }
};

const StageNames rb1OfOne{u"Rb1", u"Q1", u"R1", CornerRanges::Q1OneTransistor};
const StageNames rb1OfTwo{u"Rb1", u"Q1", u"R1", CornerRanges::Q1TwoTransistors};
const StageNames rb2OfTwo{u"Rb2", u"Q2", u"R2", CornerRanges::Q2};

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

// Whether the nearest's line already says why there is nothing to buy: the same computed value,
// without a standard value for the same reason.
bool saidByNearest(NoPurchase reason, const Fit &nearest, const StageNames &s)
{
    const auto *none = std::get_if<NoFit>(&nearest);
    if (!none || s.recomputed())
        return false;
    return (reason == NoPurchase::NotPositive && *none == NoFit::NotPositive)
           || (reason == NoPurchase::BelowOneOhm && *none == NoFit::BelowRange);
}

// A table where a margin reads "—" says what it means.
void explainDashes(ResultNotes &notes, const StandardFits &fits)
{
    const bool dashes = std::ranges::any_of(notes.rows, [](const std::vector<NoteCell> &row) {
        return std::ranges::any_of(
            row, [](const NoteCell &cell) { return cell.shown == Note::nonCalcolabile; });
    });
    if (!dashes)
        return;
    // Why: no collector current, or a part bought that guarantees no gain at its current.
    const bool noGain = std::ranges::any_of(fits.series, [](const SeriesFit &s) {
        for (const Fit *fit : {&s.rb1, s.rb2 ? &*s.rb2 : nullptr})
            if (const StageFit *f = fit ? std::get_if<StageFit>(fit) : nullptr;
                f && !f->gainGuaranteed)
                return true;
        return false;
    });
    if (noGain)
        notes.legend.emplace_back(Report::legendaSenzaGuadagno);
    if (!noGain || fits.design.IL == 0)
        notes.legend.emplace_back(Report::legendaNonCalcolabile);
}

// A fit's figures as the tables show them, each formatted once a press however many tables show
// it: the same standard value stands in the tables of Rb1, Rb2, Ii and the summary.
class FitCells
{
public:
    explicit FitCells(std::u16string_view point) : point_(point) {}

    NoteCell resistor(const StageFit &f)
    {
        return cached(f, &Cells::resistor, [&] { return kiloohmsCell(f.resistor, point_); });
    }
    NoteCell current(const StageFit &f)
    {
        return cached(f, &Cells::current, [&] { return milliampsCell(f.current, point_); });
    }
    NoteCell largestCurrent(const StageFit &f)
    {
        return cached(f, &Cells::largest, [&] { return milliampsCell(f.largestCurrent, point_); });
    }
    NoteCell margin(const StageFit &f)
    {
        return cached(f, &Cells::margin, [&] { return percentCell(f.margin, point_); });
    }
    // A fit's worst margin is always its own transistor's.
    NoteCell worstMargin(const StageFit &f, std::u16string_view transistor)
    {
        return cached(f, &Cells::worst, [&] { return worstPercentCell(f, transistor, point_); });
    }

private:
    struct Cells
    {
        const StageFit *fit;
        std::optional<NoteCell> resistor, current, largest, margin, worst;
    };

    template <typename Make>
    NoteCell cached(const StageFit &f, std::optional<NoteCell> Cells::*cell, Make make)
    {
        auto found = std::ranges::find(cells_, &f, &Cells::fit);
        if (found == cells_.end())
            found = cells_.insert(cells_.end(), Cells{&f, {}, {}, {}, {}, {}});
        if (!((*found).*cell))
            (*found).*cell = make();
        return *((*found).*cell);
    }

    std::u16string_view point_;
    std::vector<Cells> cells_; // a few: four fits a series at most
};

// What every table of a press shares, worked out once: the assumptions, each series's first
// cells and the fits' cells.
struct Shared
{
    const StandardFits &fits;
    std::u16string_view point;
    std::vector<std::u16string> assumptions;
    std::array<NoteCell, 3> toBuy; // "E12 ±10 %", by series
    FitCells cells;
};

// What the tables share; the assumptions as given, where the notes of the press hold them.
Shared sharedOf(const StandardFits &fits,
                std::u16string_view point,
                std::vector<std::u16string> assumptions)
{
    Shared shared{fits, point, std::move(assumptions), {}, FitCells(point)};
    for (const SeriesFit &s : fits.series) {
        const auto i = static_cast<std::size_t>(s.series);
        shared.toBuy[i] = seriesToBuyCell(s.series, fits.corners, point);
    }
    return shared;
}

Shared sharedOf(const StandardFits &fits, std::u16string_view point)
{
    return sharedOf(fits, point, assumptionLines(fits, point));
}

// Why nothing is worth buying, and what would help.
std::u16string
noPurchaseLine(NoPurchase reason, Series inSeries, const StageNames &s, const Shared &shared)
{
    const std::u16string_view series = seriesName(inSeries);
    const CornerRanges &corners = shared.fits.corners;
    const std::u16string_view point = shared.point;
    const std::u16string_view computed = s.recomputed() ? Note::ricalcolato : Note::calcolato;
    // Where the corners span temperatures, temperature may be the reason: said.
    const auto atTemperature = [&](std::u16string line) {
        if (corners.Tmin != Temperature::datasheet || corners.Tmax != Temperature::datasheet)
            line += fill(Note::allaTemperatura,
                         {celsiusText(corners.Tmin, point), celsiusText(corners.Tmax, point)});
        return line;
    };
    switch (reason) {
    case NoPurchase::NotPositive:
        return fill(Note::nonPositivoDaAcquistare, {series, s.resistor, computed});
    case NoPurchase::BelowOneOhm:
        return fill(Note::sottoIntervalloDaAcquistare, {series, s.resistor, computed});
    case NoPurchase::SourceTooLow:
        return atTemperature(fill(
            s.fromVcc() ? Note::vccBassa : Note::viBassa,
            {series,
             s.resistor,
             voltsText(corners.VbeHighest + Temperature::VbeRiseInTheCold(corners.Tmin), point),
             cornerValue(corners.VceSatHighest, point)}));
    case NoPurchase::PullDownTakesAll:
        return atTemperature(fill(Note::partitoreTuttaCorrente,
                                  {series, s.resistor, s.Rbe, limitReached(corners, point)}));
    case NoPurchase::OutputLimit:
        return atTemperature(fill(s.oneTransistor() ? Note::limiteUscitaQ1 : Note::limiteUscitaQ2,
                                  {series, s.resistor, s.Rbe, limitReached(corners, point)}));
    case NoPurchase::NoneDownToOneOhm:
        return atTemperature(fill(Note::nessunoFinoAUnOhm, {series, s.resistor}));
    case NoPurchase::NotComputable:
        return fill(Note::casoPeggioreImpossibile, {series, s.resistor});
    case NoPurchase::NoGainGuaranteed: {
        const TransistorPart &part = *corners.parts[s.slot];
        return fill(
            Note::nessunGuadagnoGarantito,
            {series, s.resistor, s.transistor, part.key, cornerValue(part.gain.back().Ic, point)});
    }
    case NoPurchase::NoSaturationGuaranteed: {
        const TransistorPart &part = *corners.parts[s.slot];
        return fill(Note::nessunaSaturazioneGarantita,
                    {series,
                     s.resistor,
                     s.transistor,
                     part.key,
                     cornerValue(part.VceSat.back().Ic, point)});
    }
    case NoPurchase::OutputTemperature: {
        const LogicOutput &output = *corners.outputEntry;
        return fill(Note::uscitaFuoriTemperatura,
                    {series,
                     s.resistor,
                     outputName(output, point),
                     celsiusText(output.Tmin, point),
                     celsiusText(output.Tmax, point),
                     celsiusText(corners.Tmin, point),
                     celsiusText(corners.Tmax, point)});
    }
    case NoPurchase::NoFirstStage:
        break;
    }
    return fill(Note::senzaRb1DaAcquistare, {series});
}

// A series's Rb2, and the one to buy, where there are: the fits themselves, not copies, whose
// cells FitCells keeps by their place.
const Fit &rb2Of(const SeriesFit &s)
{
    static const Fit none = NoFit::NoFirstStage;
    return s.rb2 ? *s.rb2 : none;
}

const Purchase &rb2ToBuyOf(const SeriesFit &s)
{
    static const Purchase none = NoPurchase::NoFirstStage;
    return s.buyRb2 ? *s.buyRb2 : none;
}

using Row = std::vector<NoteCell>;
constexpr std::size_t widestTable =
    6; // columns: Rb1's and Rb2's tables in the two-transistor circuit

// Builds the table of one resistor: for each series the value to buy and, where it differs, the
// standard value just below the computed one; then the lines below.
class TableBuilder
{
public:
    // Adds a row's cells after the first, from the fit and the Rb1 it goes with (Rb2's tables).
    using Cells = std::function<void(Row &, const StageFit &, const StageFit *withRb1)>;

    // Margins: whether the table gives the margins of the stage's transistor, and so warns of
    // them.
    enum class Margins { Given, NotGiven };

    TableBuilder(const StageNames &stage, Margins margins, Shared &shared, Cells cells)
        : stage_(stage), margins_(margins), fits_(shared.fits), shared_(shared),
          point_(shared.point), cells_(std::move(cells))
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
                   equal ? equalCell(s.series) : belowCell(s.series),
                   *near,
                   std::get_if<StageFit>(&s.rb1));
        }
        if (!near)
            reasons_.push_back(
                noFitLine(std::get<NoFit>(nearest), seriesName(s.series), stage_.resistor));
        if (!bought && !saidByNearest(std::get<NoPurchase>(buy), nearest, stage_))
            reasons_.push_back(
                noPurchaseLine(std::get<NoPurchase>(buy), s.series, stage_, shared_));
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
        explainDashes(notes, fits_);
        return notes;
    }

private:
    void addRow(Series series, NoteCell first, const StageFit &fit, const StageFit *withRb1)
    {
        Row &row = rows_.emplace_back();
        row.reserve(widestTable);
        row.push_back(std::move(first));
        cells_(row, fit, withRb1);

        const auto warn = [&](std::u16string_view pattern, std::u16string_view limit = {}) {
            warnings_.push_back(fill(pattern,
                                     {seriesName(series),
                                      resistorText(fit.resistor, point_),
                                      stage_.transistor,
                                      limit}));
        };
        if (margins_ == Margins::Given) {
            if (fit.margin && *fit.margin < 0)
                warn(Note::nonSatura);
            else if (fit.offInWorstCase())
                warn(Note::spentoPeggiore);
            else if (fit.worstMargin && *fit.worstMargin < 0)
                warn(Note::saturazione);
        }
        if (stage_.feedsOutput()
            && reachesOutputLimit(fit.largestCurrent, fits_.corners.outputLimit()))
            warn(Note::limiteUscitaRaggiunto, limitReached(fits_.corners, point_));
    }

    StageNames stage_;
    Margins margins_;
    const StandardFits &fits_;
    Shared &shared_;
    std::u16string_view point_;
    Cells cells_;
    std::vector<Row> rows_;
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

// The table of the resistor Ii flows through: Rb1 of one transistor, Rb2 of two.
void addFeedingRows(TableBuilder &table, const StandardFits &fits)
{
    for (const SeriesFit &s : fits.series) {
        if (fits.twoTransistors())
            table.add(s, rb2Of(s), rb2ToBuyOf(s));
        else
            table.add(s, s.rb1, s.buyRb1);
    }
}

} // namespace

namespace {

ResultNotes rb1NotesWith(Shared &shared)
{
    const StandardFits &fits = shared.fits;
    const std::u16string_view point = shared.point;
    const bool two = fits.twoTransistors();
    ResultNotes notes;
    notes.title = Note::titoloRb1;
    notes.columns = {seriesColumn, resistorColumn(u"Rb1")};
    if (two)
        notes.columns.push_back({Note::correnteRb1, mA, Note::correnteRb1Detta});
    for (const NoteColumn &column : marginColumns(Note::margineQ1Detto))
        notes.columns.push_back(column);
    if (two)
        notes.columns.push_back({Note::correnteRb1Max, mA, Note::correnteRb1MaxDetta});
    TableBuilder table(two ? rb1OfTwo : rb1OfOne,
                       TableBuilder::Margins::Given,
                       shared,
                       [&](Row &row, const StageFit &f, const StageFit *) {
                           row.push_back(shared.cells.resistor(f));
                           if (two)
                               row.push_back(shared.cells.current(f));
                           row.push_back(shared.cells.margin(f));
                           row.push_back(shared.cells.worstMargin(f, u"Q1"));
                           if (two)
                               row.push_back(shared.cells.largestCurrent(f));
                       });
    for (const SeriesFit &s : fits.series)
        table.add(s, s.rb1, s.buyRb1);
    const std::u16string magg = marginText(fits.design.maggIb1, point);
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

ResultNotes rb2NotesWith(Shared &shared)
{
    const StandardFits &fits = shared.fits;
    const std::u16string_view point = shared.point;
    ResultNotes notes;
    notes.title = Note::titoloRb2;
    notes.columns = {seriesColumn,
                     {Note::conRb1, Note::kohm, Note::conRb1Detto},
                     {Note::rb2Ricalcolata, Note::kohm, Note::rb2RicalcolataDetta},
                     resistorColumn(u"Rb2")};
    for (const NoteColumn &column : marginColumns(Note::margineQ2Detto))
        notes.columns.push_back(column);
    TableBuilder table(rb2OfTwo,
                       TableBuilder::Margins::Given,
                       shared,
                       [&](Row &row, const StageFit &f, const StageFit *withRb1) {
                           row.push_back(withRb1 ? shared.cells.resistor(*withRb1) : NoteCell{});
                           row.push_back(milliampsCell(f.computed, point));
                           row.push_back(shared.cells.resistor(f));
                           row.push_back(shared.cells.margin(f));
                           row.push_back(shared.cells.worstMargin(f, u"Q2"));
                       });
    for (const SeriesFit &s : fits.series)
        table.add(s, rb2Of(s), rb2ToBuyOf(s));
    return table.finish(
        std::move(notes),
        {fill(Note::legendaAcquistoQ2,
              {marginText(fits.design.maggIb2, point), limitValue(fits.corners, point)}),
         std::u16string(Note::legendaSubitoSottoRb2),
         std::u16string(Note::legendaRb2Ricalcolata),
         std::u16string(Note::legendaMargineQ2)});
}

ResultNotes iiNotesWith(double Ii, Shared &shared)
{
    const StandardFits &fits = shared.fits;
    const std::u16string_view point = shared.point;
    const bool two = fits.twoTransistors();
    const std::u16string_view feeding = two ? u"Rb2" : u"Rb1"; // the resistor Ii flows through
    ResultNotes notes;
    const std::u16string shown = formatThreeSignificant(Ii, point);
    const std::u16string caption = formatHundredths(Ii, point);
    notes.title = fill(Note::titoloIi, {shown});
    if (asShownThreeSignificant(Ii) != asShownHundredths(Ii))
        notes.title += fill(Note::arrotondataNelRisultato, {caption});
    if (Ii < cmosOutputLimit && reachesCmosLimit(Ii))
        notes.title += Note::appenaSotto4mA;
    notes.columns = {seriesColumn,
                     resistorColumn(feeding),
                     {u"Ii", mA, u"Ii"},
                     {Note::iiMax, mA, Note::iiMaxDetta}};
    TableBuilder table(two ? rb2OfTwo : rb1OfOne,
                       TableBuilder::Margins::NotGiven,
                       shared,
                       [&](Row &row, const StageFit &f, const StageFit *) {
                           row.push_back(shared.cells.resistor(f));
                           row.push_back(shared.cells.current(f));
                           row.push_back(shared.cells.largestCurrent(f));
                       });
    addFeedingRows(table, fits);
    const std::u16string magg = marginText(two ? fits.design.maggIb2 : fits.design.maggIb1, point);
    return table.finish(
        std::move(notes),
        {fill(two ? Note::legendaAcquistoQ2 : Note::legendaAcquistoQ1Cmos,
              {magg, limitValue(fits.corners, point)}),
         std::u16string(two ? Note::legendaSubitoSottoRb2 : Note::legendaSubitoSotto),
         fill(Note::legendaIi, {feeding})});
}

ResultNotes summaryNotesWith(Shared &shared)
{
    const StandardFits &fits = shared.fits;
    const bool two = fits.twoTransistors();
    ResultNotes notes;
    const CornerRanges &c = fits.corners;
    notes.title =
        std::u16string(Note::titoloRiepilogo) + u", "
        + (c.Tmin == Temperature::datasheet && c.Tmax == Temperature::datasheet
               ? std::u16string(Note::aVenticinqueGradi)
               : fill(Note::daAGradi,
                      {celsiusText(c.Tmin, shared.point), celsiusText(c.Tmax, shared.point)}));
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
        row.push_back(rb1 ? shared.cells.resistor(*rb1) : none);
        if (two)
            row.push_back(rb2 ? shared.cells.resistor(*rb2) : none);
        row.push_back(rb1 ? shared.cells.worstMargin(*rb1, u"Q1") : NoteCell{});
        if (two)
            row.push_back(rb2 ? shared.cells.worstMargin(*rb2, u"Q2") : NoteCell{});
        row.push_back(feeding ? shared.cells.largestCurrent(*feeding) : NoteCell{});
        notes.rows.push_back(std::move(row));
        // Why a series has nothing to buy, as its table says it.
        const StageNames &stage = (!rb1 || !two) ? (two ? rb1OfTwo : rb1OfOne) : rb2OfTwo;
        const Purchase &missing = (!rb1 || !two) ? s.buyRb1 : *s.buyRb2;
        if (const auto *reason = std::get_if<NoPurchase>(&missing)) {
            const auto &nearest = (!rb1 || !two) ? s.rb1 : *s.rb2;
            notes.lines.push_back(
                saidByNearest(*reason, nearest, stage)
                    ? noFitLine(std::get<NoFit>(nearest), seriesName(s.series), stage.resistor)
                    : noPurchaseLine(*reason, s.series, stage, shared));
            // What the output would have to deliver.
            if (*reason == NoPurchase::OutputLimit)
                if (const auto beyond = beyondOutputLimit(fits, s.series))
                    notes.lines.push_back(
                        fill(Note::oltreLimiteUscita,
                             {seriesName(s.series),
                              resistorText(beyond->resistor, shared.point),
                              formatThreeSignificant(beyond->largestCurrent, shared.point)}));
        }
    }
    // Whether each transistor stays off, whatever is bought: the summary's alone, with what it
    // assumes.
    // What the values to buy guarantee of each transistor, and what saturation asks for.
    if (anyToBuy)
        for (std::u16string &line : guaranteeLines(fits, shared.point))
            notes.lines.push_back(std::move(line));
    for (std::u16string &line : saturationLines(fits, shared.point))
        notes.lines.push_back(std::move(line));
    const OffCheck off = offCheck(fits);
    for (std::u16string &line : offSummaryLines(off, c, shared.point))
        notes.lines.push_back(std::move(line));
    // The margins' sentence where a row has them; R1 (and R2) as the worst case buys them.
    if (anyToBuy)
        notes.legend.emplace_back(Note::legendaRiepilogo);
    notes.legend.emplace_back(two ? Report::acquistoR1R2 : Report::acquistoR1);
    explainDashes(notes, fits);
    notes.assumptions = shared.assumptions;
    for (std::u16string &line : offAssumptionLines(off, c, shared.point))
        notes.assumptions.push_back(std::move(line));
    return notes;
}

} // namespace

DesignNotes designNotes(double Ii, const StandardFits &fits, std::u16string_view point)
{
    Shared shared = sharedOf(fits, point);
    DesignNotes notes;
    notes.results.push_back(rb1NotesWith(shared));
    if (fits.twoTransistors())
        notes.results.push_back(rb2NotesWith(shared));
    notes.results.push_back(iiNotesWith(Ii, shared));
    return notes;
}

ResultNotes rb1Notes(const StandardFits &fits, std::u16string_view point)
{
    Shared shared = sharedOf(fits, point);
    return rb1NotesWith(shared);
}

ResultNotes rb2Notes(const StandardFits &fits, std::u16string_view point)
{
    Shared shared = sharedOf(fits, point);
    return rb2NotesWith(shared);
}

ResultNotes iiNotes(double Ii, const StandardFits &fits, std::u16string_view point)
{
    Shared shared = sharedOf(fits, point);
    return iiNotesWith(Ii, shared);
}

ResultNotes summaryNotes(const StandardFits &fits, std::u16string_view point)
{
    Shared shared = sharedOf(fits, point);
    return summaryNotesWith(shared);
}

ResultNotes summaryNotes(const StandardFits &fits,
                         std::u16string_view point,
                         std::vector<std::u16string> assumptions)
{
    Shared shared = sharedOf(fits, point, std::move(assumptions));
    return summaryNotesWith(shared);
}
