#include "notes/rankingnotes.h"

#include <algorithm>

#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "notes/notecells.h"

namespace {

namespace Note = Messages::Note;
using Messages::fill;

constexpr std::u16string_view pc = u"%";
constexpr std::u16string_view mA = u"mA";

NoteCell words(std::u16string_view text)
{
    return {std::u16string(text), std::u16string(text)};
}

std::u16string verdictText(const RankedSeries &s, std::u16string_view point)
{
    switch (s.verdict) {
    case RankVerdict::Holds:
        return std::u16string(Note::esitoRegge);
    case RankVerdict::NoGain:
        return fill(Note::esitoSenzaGuadagno, {figureText(s.noGainAt, point)});
    case RankVerdict::CollectorCurrent:
        return std::u16string(Note::esitoOltreIcMax);
    case RankVerdict::Power:
        // Beyond Ptot, or not bounded where no VCE is guaranteed at the forced gain.
        return std::u16string(s.powerShare ? Note::esitoOltrePtot : Note::esitoNonVerificabile);
    case RankVerdict::NotOff:
        return std::u16string(Note::esitoNonSpento);
    case RankVerdict::OutputLimit:
        return std::u16string(Note::esitoLimiteUscita);
    case RankVerdict::NothingToBuy:
        break;
    }
    return std::u16string(Note::esitoNessunValore);
}

// A share [-] in percent, whole from 1 % up; "—" where it is not bounded.
NoteCell shareCell(const std::optional<double> &share, std::u16string_view point)
{
    return percentCell(share ? std::optional(*share * 100) : std::nullopt, point);
}

NoteCell partCell(const TransistorPart *part)
{
    return words(part ? part->key : std::u16string_view());
}

} // namespace

ResultNotes
rankingNotes(const PartRanking &ranking, const CornerRanges &corners, std::u16string_view point)
{
    const bool two = ranking.twoTransistors;
    ResultNotes notes;
    notes.title = Note::titoloClassifica;
    notes.columns.push_back({u"Q1", {}, u"Q1", false, true});
    if (two)
        notes.columns.push_back({u"Q2", {}, u"Q2", false, true});
    notes.columns.push_back({Note::serie, {}, Note::serie, false, true});
    notes.columns.push_back({u"Rb1", Note::kohm, u"Rb1"});
    if (two)
        notes.columns.push_back({u"Rb2", Note::kohm, u"Rb2"});
    notes.columns.push_back({Note::marginePeggiore, pc, Note::marginePeggioreDetto});
    notes.columns.push_back({Note::iiMax, mA, Note::iiMaxDetta});
    notes.columns.push_back({Note::quotaIc, pc, Note::quotaIcDetta});
    notes.columns.push_back({Note::quotaPotenza, pc, Note::quotaPotenzaDetta});
    notes.columns.push_back({Note::restaSpento, {}, Note::restaSpento, false, true});
    notes.columns.push_back({Note::esito, {}, Note::esito, false, true});

    const NoteCell dash{std::u16string(Note::nonCalcolabile), std::u16string(Note::nonCalcolabile)};
    std::size_t shown = 0;
    for (const RankedCandidate &c : ranking.candidates) {
        // Pairs: only those that hold, the best first.
        if (two && (!c.holds() || shown == shownPairs))
            break;
        ++shown;
        const std::u16string choice = choiceKey(c);
        bool first = true;
        for (const RankedSeries &s : c.series) {
            // A candidate with nothing to buy in any series: one row, its reason.
            if (!c.anythingToBuy() && !first)
                break;
            std::vector<NoteCell> row;
            row.push_back(first ? partCell(c.parts[0]) : NoteCell{});
            if (two)
                row.push_back(first ? partCell(c.parts[1]) : NoteCell{});
            // The candidate's first row chooses it.
            notes.choices.push_back(first ? choice : std::u16string());
            first = false;
            if (!c.anythingToBuy()) {
                row.push_back(dash);
                row.insert(row.end(), two ? 7 : 6, NoteCell{});
                // The first reason, as the candidate's verdict takes it.
                row.push_back(words(
                    verdictText(std::ranges::min(c.series, {}, &RankedSeries::verdict), point)));
                notes.rows.push_back(std::move(row));
                continue;
            }
            row.push_back(seriesToBuyCell(s.series, corners, point));
            row.push_back(s.Rb1 ? kiloohmsCell(*s.Rb1, point) : dash);
            if (two)
                row.push_back(s.Rb2 ? kiloohmsCell(*s.Rb2, point) : dash);
            if (s.Rb1) {
                row.push_back(percentCell(s.margin, point));
                row.push_back(milliampsCell(*s.IiMax, point));
                row.push_back(shareCell(s.IcShare, point));
                row.push_back(shareCell(s.powerShare, point));
                row.push_back(words(s.heldOff ? Note::si : Note::no));
            } else {
                row.insert(row.end(), 5, NoteCell{});
            }
            row.push_back(words(verdictText(s, point)));
            notes.rows.push_back(std::move(row));
        }
    }
    notes.legend = {std::u16string(Note::legendaClassifica)};
    const std::u16string tried =
        formatShortest(static_cast<double>(ranking.candidates.size()), point);
    const std::u16string holding = formatShortest(static_cast<double>(ranking.holding), point);
    notes.lines.push_back(
        two ? fill(Note::provateCoppie,
                   {tried, holding, formatShortest(static_cast<double>(shown), point)})
            : fill(Note::provatiTransistor, {tried, holding}));
    return notes;
}

std::u16string choiceLine(const PartChoice &choice)
{
    return fill(Note::sceltiDallaClassifica,
                {choice.q2 ? fill(Note::sceltaDue, {choice.q1->key, choice.q2->key})
                           : fill(Note::sceltaUno, {choice.q1->key})});
}
