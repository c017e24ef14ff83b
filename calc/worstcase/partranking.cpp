#include "worstcase/partranking.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "worstcase/datasheetcheck.h"
#include "worstcase/offcheck.h"

namespace {

RankVerdict reasonOf(NoPurchase reason)
{
    switch (reason) {
    case NoPurchase::NoGainGuaranteed:
        return RankVerdict::NoGain;
    case NoPurchase::OutputLimit:
    case NoPurchase::PullDownTakesAll:
        return RankVerdict::OutputLimit;
    default:
        return RankVerdict::NothingToBuy;
    }
}

// The worse of two shares, where none is the worse: not bounded.
void takeWorse(std::optional<double> &worst, const std::optional<double> &share, bool &first)
{
    if (first || (worst && (!share || *share > *worst)))
        worst = share;
    first = false;
}

// What the candidate's fits give in the series: the values to buy, the checks of the series
// against the datasheets, and the off check.
RankedSeries rankedSeries(const StandardFits &fits,
                          const SeriesFit &s,
                          bool two,
                          const std::vector<DatasheetCheck> &checks,
                          const OffCheck &off)
{
    RankedSeries r{.series = s.series};
    const auto *rb1 = std::get_if<StageFit>(&s.buyRb1);
    const StageFit *rb2 = two ? std::get_if<StageFit>(&*s.buyRb2) : nullptr;
    if (!rb1) {
        r.verdict = reasonOf(std::get<NoPurchase>(s.buyRb1));
        r.noGainAt = fits.design.IL;
        return r;
    }
    if (two && !rb2) {
        r.verdict = reasonOf(std::get<NoPurchase>(*s.buyRb2));
        r.noGainAt = rb1->largestCurrent;
        return r;
    }
    const StageFit &driven = two ? *rb2 : *rb1; // the stage the logic output feeds
    r.Rb1 = rb1->resistor;
    if (rb2)
        r.Rb2 = rb2->resistor;
    r.margin = rb1->worstMargin;
    if (rb2 && (!r.margin || (rb2->worstMargin && *rb2->worstMargin < *r.margin)))
        r.margin = rb2->worstMargin;
    r.IiMax = driven.largestCurrent;

    bool withinIc = true, withinPower = true, firstIc = true, firstPower = true;
    for (const DatasheetCheck &check : checks) {
        if (check.series && *check.series != s.series)
            continue;
        const auto share = check.value && check.limit && *check.limit > 0
                               ? std::optional(*check.value / *check.limit)
                               : std::nullopt;
        if (check.figure == CheckedFigure::CollectorCurrent) {
            takeWorse(r.IcShare, share, firstIc);
            withinIc = withinIc && check.verdict == Verdict::Holds;
        } else if (check.figure == CheckedFigure::TransistorPower) {
            takeWorse(r.powerShare, share, firstPower);
            withinPower = withinPower && check.verdict == Verdict::Holds;
        }
    }
    const auto i = static_cast<std::size_t>(s.series);
    r.heldOff = std::ranges::all_of(off.transistors,
                                    [&](const TransistorOff &t) { return t.series[i].holds; });
    r.verdict = !withinIc      ? RankVerdict::CollectorCurrent
                : !withinPower ? RankVerdict::Power
                : !r.heldOff   ? RankVerdict::NotOff
                               : RankVerdict::Holds;
    return r;
}

RankedCandidate
candidate(const StandardFits &fits, const TransistorPart *q1, const TransistorPart *q2)
{
    const bool two = fits.twoTransistors();
    const std::vector<DatasheetCheck> checks = datasheetChecks(fits);
    const OffCheck off = offCheck(fits);
    RankedCandidate c{.parts = {q1, q2}};
    for (std::size_t i = 0; i < c.series.size(); ++i)
        c.series[i] = rankedSeries(fits, fits.series[i], two, checks, off);
    c.verdict = std::ranges::min(c.series, {}, &RankedSeries::verdict).verdict;
    if (std::ranges::any_of(c.series,
                            [](const RankedSeries &s) { return s.verdict == RankVerdict::Holds; }))
        c.verdict = RankVerdict::Holds;
    return c;
}

// The order of the table: those that hold first, the largest margin in the ranking series first,
// then the least power share; then by name.
bool ranksBefore(const RankedCandidate &a, const RankedCandidate &b)
{
    if (a.holds() != b.holds())
        return a.holds();
    const auto names = [](const RankedCandidate &c) {
        return std::tuple(c.parts[0]->key, c.parts[1] ? c.parts[1]->key : std::u16string_view());
    };
    if (!a.holds())
        return names(a) < names(b);
    const RankedSeries &sa = a.series[static_cast<std::size_t>(rankingSeries)];
    const RankedSeries &sb = b.series[static_cast<std::size_t>(rankingSeries)];
    // A series that does not hold ranks below every one that does.
    const auto margin = [](const RankedSeries &s) {
        return s.verdict == RankVerdict::Holds ? s.margin.value_or(HUGE_VAL) : -HUGE_VAL;
    };
    const auto power = [](const RankedSeries &s) { return s.powerShare.value_or(HUGE_VAL); };
    if (margin(sa) != margin(sb))
        return margin(sa) > margin(sb);
    if (power(sa) != power(sb))
        return power(sa) < power(sb);
    return names(a) < names(b);
}

} // namespace

bool RankedCandidate::anythingToBuy() const
{
    return std::ranges::any_of(series, [](const RankedSeries &s) { return s.Rb1.has_value(); });
}

PartRanking rankParts(const StandardFits &fits)
{
    PartRanking ranking{.twoTransistors = fits.twoTransistors()};
    const FormVariables &v = fits.design;
    std::vector<const TransistorPart *> npn, pnp;
    for (const TransistorPart &part : transistorParts())
        (part.polarity == Polarity::Npn ? npn : pnp).push_back(&part);

    CornerRanges corners = fits.corners;
    if (!ranking.twoTransistors) {
        for (const TransistorPart *q1 : npn) {
            corners.parts[CornerRanges::Q1OneTransistor] = q1;
            ranking.candidates.push_back(candidate(fitOneTransistor(v, corners), q1, nullptr));
        }
    } else {
        for (const TransistorPart *q1 : pnp) {
            // Q1's stage does not depend on Q2's part: fitted once for every Q2.
            corners.parts[CornerRanges::Q1TwoTransistors] = q1;
            corners.parts[CornerRanges::Q2] = nullptr;
            const StandardFits first = fitTwoTransistors(v, corners);
            for (const TransistorPart *q2 : npn)
                ranking.candidates.push_back(candidate(withSecondStage(first, q2), q1, q2));
        }
    }
    std::ranges::sort(ranking.candidates, ranksBefore);
    ranking.holding = static_cast<std::size_t>(
        std::ranges::count_if(ranking.candidates, &RankedCandidate::holds));
    return ranking;
}

std::u16string choiceKey(const RankedCandidate &candidate)
{
    std::u16string key(candidate.parts[0]->key);
    if (candidate.parts[1])
        key.append(u"+").append(candidate.parts[1]->key);
    return key;
}

std::optional<PartChoice> choiceOf(std::u16string_view key)
{
    const std::size_t plus = key.find(u'+');
    PartChoice choice{transistorByKey(key.substr(0, plus))};
    if (plus != std::u16string_view::npos)
        choice.q2 = transistorByKey(key.substr(plus + 1));
    // Of the polarities their places take: an NPN alone, or a PNP over an NPN.
    const bool two = plus != std::u16string_view::npos;
    if (!choice.q1 || (two && !choice.q2)
        || choice.q1->polarity != (two ? Polarity::Pnp : Polarity::Npn)
        || (two && choice.q2->polarity != Polarity::Npn))
        return std::nullopt;
    return choice;
}

CornerRanges withChoice(CornerRanges corners, const PartChoice &choice)
{
    if (choice.q2) {
        corners.parts[CornerRanges::Q1TwoTransistors] = choice.q1;
        corners.parts[CornerRanges::Q2] = choice.q2;
    } else {
        corners.parts[CornerRanges::Q1OneTransistor] = choice.q1;
    }
    return corners;
}
