#include "notes/datasheetchecknotes.h"

#include <tuple>

#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "notes/notecells.h"
#include "worstcase/datasheetcheck.h"
#include <algorithm>

namespace {

namespace Note = Messages::Note;
using Messages::fill;

NoteCell text(std::u16string shown)
{
    return {std::move(shown), {}};
}

// Writes each check as a row: its figures, worked out, to three significant digits; a datasheet's
// own at their shortest.
class CheckTable
{
public:
    CheckTable(const StandardFits &fits, std::u16string_view point) : fits_(fits), point_(point)
    {
        for (const SeriesFit &s : fits.series)
            toBuy_[static_cast<std::size_t>(s.series)] =
                seriesToBuyCell(s.series, fits.corners, point);
    }

    void add(const DatasheetCheck &c)
    {
        const NoteCell series = c.series ? toBuy_[static_cast<std::size_t>(*c.series)]
                                         : NoteCell{std::u16string(Note::tutteLeSerie), {}};
        switch (c.figure) {
        case CheckedFigure::CollectorCurrent:
            row(series,
                {.check = fill(Note::verificaIc, {c.name}),
                 .value = figure(*c.value),
                 .limit = shortest(*c.limit),
                 .condition = fill(Note::condIcMax, {c.part->key}),
                 .verdict = verdictText(c.verdict)});
            break;
        case CheckedFigure::Gain:
            if (c.gainAt)
                row(series,
                    {.check = fill(Note::verificaGuadagno, {c.name}),
                     .value = figure(*c.value),
                     .limit = gainText(*c.limit, point_),
                     .condition = gainCondition(*c.part, *c.gainAt, point_),
                     .verdict = verdictText(c.verdict),
                     .note = gainNote(c)});
            else
                row(series,
                    {.check = fill(Note::verificaGuadagno, {c.name}),
                     .value = figure(*c.value),
                     .limit = std::u16string(Note::nonCalcolabile),
                     .condition = fill(Note::condNessunGuadagno,
                                       {c.part->key, shortest(c.part->gain.back().Ic)}),
                     .verdict = verdictText(c.verdict),
                     .note = std::u16string(Note::esitoNessunGuadagno)});
            break;
        case CheckedFigure::ForcedGain:
            row(series,
                {.check = fill(Note::verificaForzato, {c.name}),
                 .value = c.value ? figure(*c.value) : std::u16string(Note::spento),
                 .limit = c.limit ? figure(*c.limit) : std::u16string(Note::nonCalcolabile),
                 .condition = c.saturationRow
                                  ? fill(Note::condSaturazione,
                                         {shortest(c.saturationRow->max),
                                          shortest(c.saturationRow->Ic),
                                          shortest(c.saturationRow->Ib)})
                                  : fill(Note::condNessunaSaturazione,
                                         {c.part->key, shortest(c.part->VceSat.back().Ic)}),
                 .verdict = verdictText(c.verdict),
                 .note = vceVerdict(c)});
            if (c.name == u"Q2" && c.vce != VceGuaranteed::None
                && c.VceGuaranteedMax > fits_.corners.VceSatHighest)
                lines_.push_back(fill(Note::avvisoVceQ2,
                                      {series.shown,
                                       shortest(c.VceGuaranteedMax),
                                       shortest(fits_.corners.VceSatHighest)}));
            break;
        case CheckedFigure::TransistorPower:
            row(series,
                {.check = fill(Note::verificaPotenza, {c.name}),
                 .value = c.value ? figure(*c.value) : std::u16string(Note::nonCalcolabile),
                 .limit = figure(*c.limit),
                 .condition = fill(Note::condPotenza,
                                   {c.part->key,
                                    c.part->power.mounting,
                                    celsiusText(fits_.corners.Tmax, point_)}),
                 .verdict = verdictText(c.verdict),
                 .note = c.verdict == Verdict::NotGuaranteed
                             ? std::u16string(Note::esitoNonVerificabile)
                             : std::u16string()});
            break;
        case CheckedFigure::ResistorPower:
            row(series,
                {.check = fill(Note::verificaPotenza, {c.name}),
                 .value = figure(*c.value),
                 .limit = figure(*c.limit),
                 .condition = fill(Note::condResistore, {celsiusText(fits_.corners.Tmax, point_)}),
                 .verdict = verdictText(c.verdict),
                 .note = std::u16string(ratingText(c.rating))});
            break;
        }
        if (c.verdict == Verdict::Exceeds && c.figure != CheckedFigure::Gain
            && c.figure != CheckedFigure::ForcedGain)
            lines_.push_back(fill(Note::avvisoOltre, {series.shown, rows_.back()[1].shown}));
    }

    ResultNotes finish(ResultNotes notes)
    {
        notes.rows = std::move(rows_);
        notes.lines = std::move(lines_);
        return notes;
    }

private:
    // Each column's numbers to three significant digits at their shortest: "40", "41,1", "625".
    std::u16string figure(double value) const { return figureText(value, point_); }
    std::u16string shortest(double value) const { return formatShortest(value, point_); }

    std::u16string gainNote(const DatasheetCheck &c) const
    {
        if (c.gainAt->at25.belowRows)
            return fill(Note::esitoSottoRighe,
                        {shortest(c.part->gain.front().Ic), gainText(*c.limit, point_)});
        if (c.verdict == Verdict::Holds)
            return {};
        return fill(Note::esitoGuadagnoUsato, {gainText(*c.limit, point_)});
    }

    static std::u16string verdictText(Verdict verdict)
    {
        switch (verdict) {
        case Verdict::Holds:
            return std::u16string(Note::esitoEntro);
        case Verdict::Exceeds:
            return std::u16string(Note::esitoOltre);
        case Verdict::NotGuaranteed:
        case Verdict::NoFigure:
            break;
        }
        return std::u16string(Note::esitoNonGarantito);
    }

    std::u16string vceVerdict(const DatasheetCheck &c) const
    {
        switch (c.vce) {
        case VceGuaranteed::Saturation:
            return fill(Note::esitoSaturazione, {shortest(c.VceGuaranteedMax)});
        case VceGuaranteed::GainTest:
            return fill(Note::esitoSoloVce, {shortest(c.VceGuaranteedMax)});
        case VceGuaranteed::None:
            break;
        }
        return std::u16string(Note::esitoNessunaGaranzia);
    }

    static std::u16string_view ratingText(ResistorRating rating)
    {
        switch (rating) {
        case ResistorRating::EighthWatt:
            return Note::esitoOttavo;
        case ResistorRating::QuarterWatt:
            return Note::esitoQuarto;
        case ResistorRating::BeyondQuarterWatt:
            break;
        }
        return Note::esitoOltreQuarto;
    }

    // A row's cells after its series, as they read.
    struct Cells
    {
        std::u16string check;     // "Ic Q1 [mA]"
        std::u16string value;     // the figure worked out
        std::u16string limit;     // the datasheet's
        std::u16string condition; // what the limit holds under
        std::u16string verdict;   // «entro», «oltre», «non garantito»
        std::u16string note = {}; // what the datasheet then guarantees, or a resistor's rating
    };

    void row(const NoteCell &series, Cells cells)
    {
        rows_.push_back({series,
                         text(std::move(cells.check)),
                         text(std::move(cells.value)),
                         text(std::move(cells.limit)),
                         text(std::move(cells.condition)),
                         text(std::move(cells.verdict)),
                         text(std::move(cells.note))});
    }

    const StandardFits &fits_;
    std::u16string_view point_;
    std::array<NoteCell, 3> toBuy_;
    std::vector<std::vector<NoteCell>> rows_;
    std::vector<std::u16string> lines_;
};

} // namespace

ResultNotes datasheetCheckNotes(const StandardFits &fits, std::u16string_view point)
{
    ResultNotes notes;
    notes.title = Note::titoloVerifica;
    notes.columns = {{Note::serie, {}, {}},
                     {Note::verifica, {}, Note::verifica, false, true},
                     {Note::valore, {}, Note::valore},
                     {Note::limite, {}, Note::limite},
                     {Note::condizione, {}, Note::condizione, false, true},
                     {Note::esito, {}, Note::esito, false, true},
                     {Note::nota, {}, Note::nota, false, true}};
    CheckTable table(fits, point);
    const std::vector<DatasheetCheck> checks = datasheetChecks(fits);
    for (const DatasheetCheck &check : checks)
        table.add(check);
    notes = table.finish(std::move(notes));
    if (notes.rows.empty())
        return notes;
    // What the rows shown check, and nothing else.
    const auto shown = [&](CheckedFigure figure) {
        return std::ranges::any_of(checks,
                                   [&](const DatasheetCheck &c) { return c.figure == figure; });
    };
    std::u16string legend(Note::legendaVerifica);
    for (const auto &[figure, part] :
         {std::pair(CheckedFigure::Gain, Note::legendaVerificaHfe),
          std::pair(CheckedFigure::ForcedGain, Note::legendaVerificaIcIb),
          std::pair(CheckedFigure::TransistorPower, Note::legendaVerificaPotenza),
          std::pair(CheckedFigure::ResistorPower, Note::legendaVerificaResistenze)})
        if (shown(figure))
            legend.append(u" ").append(part);
    notes.legend = {std::move(legend)};
    return notes;
}

std::vector<std::u16string> guaranteeLines(const StandardFits &fits, std::u16string_view point)
{
    const bool two = fits.twoTransistors();
    const CornerRanges &c = fits.corners;
    // The checks only where a transistor is bought: one typed guarantees only its gain.
    const bool bought = two ? c.parts[CornerRanges::Q1TwoTransistors] || c.parts[CornerRanges::Q2]
                            : c.parts[CornerRanges::Q1OneTransistor] != nullptr;
    const std::vector<DatasheetCheck> checks =
        bought ? datasheetChecks(fits) : std::vector<DatasheetCheck>{};
    std::vector<std::u16string> lines;
    for (const auto &[name, slot] :
         {std::pair(u"Q1", two ? CornerRanges::Q1TwoTransistors : CornerRanges::Q1OneTransistor),
          std::pair(u"Q2", CornerRanges::Q2)}) {
        if (slot == CornerRanges::Q2 && !two)
            break;
        if (!c.parts[slot]) {
            lines.push_back(fill(Note::garantisceComeInserito, {name}));
            continue;
        }
        // Per series, the series that say the same joined: "E12 e E24 …; E96 …"; "in ogni serie".
        std::vector<std::pair<std::vector<Series>, std::u16string>> said; // series, guarantee
        for (const DatasheetCheck &check : checks) {
            if (check.figure != CheckedFigure::ForcedGain || check.name != name)
                continue;
            std::u16string what;
            const auto shortest = [&](double v) { return formatShortest(v, point); };
            switch (check.vce) {
            case VceGuaranteed::Saturation:
                what = fill(Note::garantisceSaturazione,
                            {shortest(check.VceGuaranteedMax),
                             shortest(check.saturationRow->Ic / check.saturationRow->Ib),
                             shortest(check.saturationRow->Ic)});
                break;
            case VceGuaranteed::GainTest:
                what = fill(Note::garantisceSoloVce, {shortest(check.VceGuaranteedMax)});
                break;
            case VceGuaranteed::None:
                what = std::u16string(Note::esitoNessunaGaranzia);
                break;
            }
            if (!said.empty() && said.back().second == what)
                said.back().first.push_back(*check.series);
            else
                said.emplace_back(std::vector<Series>{*check.series}, std::move(what));
        }
        if (said.empty())
            continue;
        std::u16string line;
        for (const auto &[series, what] : said) {
            if (!line.empty())
                line += u"; ";
            if (series.size() == fits.series.size()) {
                line.append(Note::inOgniSerie);
            } else {
                for (std::size_t i = 0; i < series.size(); ++i)
                    line.append(i == 0 ? u"" : u" e ").append(seriesName(series[i]));
            }
            line.append(u" ").append(what);
        }
        lines.push_back(fill(Note::garantisce, {name, c.parts[slot]->key, line}));
    }
    return lines;
}

std::vector<std::u16string> saturationLines(const StandardFits &fits, std::u16string_view point)
{
    const CornerRanges &c = fits.corners;
    std::vector<std::u16string> lines;
    if (!c.saturationForcedGain)
        return lines;
    const bool two = fits.twoTransistors();
    // Q2's collector current is Rb1's largest: that of the first series with an Rb1 to buy.
    std::optional<double> q2Current;
    for (const SeriesFit &s : fits.series)
        if (const auto *rb1 = std::get_if<StageFit>(&s.buyRb1); rb1 && !q2Current)
            q2Current = rb1->largestCurrent;
    for (const auto &[name, slot, Ic] :
         {std::tuple(u"Q1",
                     two ? CornerRanges::Q1TwoTransistors : CornerRanges::Q1OneTransistor,
                     std::optional(fits.design.IL)),
          std::tuple(u"Q2", CornerRanges::Q2, q2Current)}) {
        if ((slot == CornerRanges::Q2 && !two) || !Ic)
            continue;
        const TransistorPart *part = c.parts[slot];
        const auto row = part ? saturationAt(*part, *Ic) : std::nullopt;
        if (part && !row)
            continue; // said where nothing is to buy
        const double limit = row ? row->Ic / row->Ib : *c.saturationForcedGain;
        const auto figure = [&](double v) { return figureText(v, point); };
        lines.push_back(fill(Note::saturazioneRichiesta,
                             {name,
                              figure(limit),
                              figure(*Ic),
                              figure(*Ic / limit),
                              row ? fill(Note::saturazioneRiga,
                                         {part->key,
                                          formatShortest(row->max, point),
                                          formatShortest(row->Ic, point),
                                          formatShortest(row->Ib, point)})
                                  : std::u16string(Note::saturazioneInserita)}));
    }
    return lines;
}
