#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "notes/rankingnotes.h"
#include "worstcase/partranking.h"

#include "namedcase.h"
#include "samplevariables.h"

namespace {

// The sample's Rb1 as the press computes it [kohm], and Rb2 with the two-transistor Rb1.
const double sampleRb1One = (5.0 - 0.7) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0);
const double sampleRb1Two = (12.0 - 1.0) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0);
const double sampleRb2Two = 4.3 / (0.07 + 0.0066);

std::u16string key(std::string_view text)
{
    return {text.begin(), text.end()};
}

// The sample design, a 74HC at 5 V, from -40 to 85 °C, with parts as typed in the form.
StandardFits sampleFits(bool two)
{
    CornerRanges c;
    c.Tmin = -40;
    c.Tmax = 85;
    c.outputEntry = logicOutputByKey(u"74HC-5V");
    c.output = c.outputEntry->figures;
    FormVariables v = sample(two ? sampleRb1Two : sampleRb1One);
    v.Rb2 = sampleRb2Two;
    return two ? fitTwoTransistors(v, c) : fitOneTransistor(v, c);
}

const RankedCandidate &candidateOf(const PartRanking &ranking, std::u16string_view choice)
{
    const auto c = std::ranges::find_if(
        ranking.candidates, [&](const RankedCandidate &r) { return choiceKey(r) == choice; });
    EXPECT_NE(c, ranking.candidates.end());
    return *c;
}

const RankedSeries &e24(const RankedCandidate &c)
{
    return c.series[static_cast<std::size_t>(Series::E24)];
}

// Each part of the list against the sample one-transistor design: which hold, and why the others
// do not, in the order the verdicts are looked for.
struct VerdictCase
{
    const char *name;
    const char *part;
    RankVerdict verdict;
    std::u16string cell; // the verdict as the table writes it, on the part's first row
};

class RankingVerdictTest : public ::testing::TestWithParam<VerdictCase>
{};

TEST_P(RankingVerdictTest, SampleOneTransistor)
{
    const VerdictCase &c = GetParam();
    const StandardFits fits = sampleFits(false);
    const PartRanking ranking = rankParts(fits);
    EXPECT_EQ(candidateOf(ranking, key(c.part)).verdict, c.verdict);
    const ResultNotes notes = rankingNotes(ranking, fits.corners, u",");
    const auto row = std::ranges::find_if(
        notes.rows, [&](const std::vector<NoteCell> &r) { return r[0].shown == key(c.part); });
    ASSERT_NE(row, notes.rows.end());
    EXPECT_EQ(row->back().shown, c.cell);
}

INSTANTIATE_TEST_SUITE_P(
    Parts,
    RankingVerdictTest,
    ::testing::Values(
        VerdictCase{"Holds", "2N3904", RankVerdict::Holds, u"regge"},
        // Its datasheet guarantees hFE at 2 mA only.
        VerdictCase{
            "NoGainAtIL", "BC547B", RankVerdict::NoGain, u"nessun guadagno garantito a 40\u00a0mA"},
        // Its gain is guaranteed from 100 mA only, its VCE(sat) at 500 mA: no VCE to bound the
        // power at 40 mA.
        VerdictCase{"PowerNotBounded", "BC337-25", RankVerdict::Power, u"senza VCE garantita"},
        // The least gain at -40 °C needs more base current than the 74HC holds 3,84 V up to.
        VerdictCase{"OutputLimit", "PN2222A", RankVerdict::OutputLimit, u"limite dell'uscita"}),
    CaseName());

// The order: those that hold first, the largest E24 margin first; the count and the line.
TEST(RankingTest, OrderAndCount)
{
    struct Case
    {
        bool two;
        std::vector<std::u16string> holding; // in order
        std::size_t tried;
        std::u16string line;
    };
    for (const Case &c :
         {Case{false, {u"2N3904"}, 9, u"Provati 9 transistor NPN: ne reggono 1."},
          Case{true,
               {u"2N3906+2N3904", u"2N3906+PN2222A", u"BD140-16+2N3904", u"BD140-16+PN2222A"},
               72,
               u"Provate 72 coppie (ogni PNP per Q1 con ogni NPN per Q2): ne reggono 4; qui le "
               u"prime 4."}}) {
        const StandardFits fits = sampleFits(c.two);
        const PartRanking ranking = rankParts(fits);
        EXPECT_EQ(ranking.candidates.size(), c.tried);
        ASSERT_EQ(ranking.holding, c.holding.size());
        std::vector<std::u16string> holding;
        for (std::size_t i = 0; i < ranking.holding; ++i)
            holding.push_back(choiceKey(ranking.candidates[i]));
        EXPECT_EQ(holding, c.holding);
        // Ranked by the E24 margin, the best first.
        for (std::size_t i = 1; i < ranking.holding; ++i)
            EXPECT_GE(*e24(ranking.candidates[i - 1]).margin, *e24(ranking.candidates[i]).margin);
        EXPECT_TRUE(std::ranges::none_of(ranking.candidates.begin() + ranking.holding,
                                         ranking.candidates.end(),
                                         &RankedCandidate::holds));
        const ResultNotes notes = rankingNotes(ranking, fits.corners, u",");
        EXPECT_EQ(notes.lines.back(), c.line);
        // Pairs: only those that hold, three series each.
        if (c.two) {
            EXPECT_EQ(notes.rows.size(), 3 * c.holding.size());
        }
    }
}

// A row is the fit of its parts: the 2N3904 row's E24 value and margin are those of the design
// with the 2N3904 chosen, 2,0 k and 25 %.
TEST(RankingTest, RowIsTheFitOfItsChoice)
{
    const StandardFits fits = sampleFits(false);
    const PartRanking ranking = rankParts(fits);
    const RankedCandidate &row = candidateOf(ranking, u"2N3904");
    const auto choice = choiceOf(choiceKey(row));
    ASSERT_TRUE(choice);
    const StandardFits chosen = fitOneTransistor(fits.design, withChoice(fits.corners, *choice));
    const auto &buy =
        std::get<StageFit>(chosen.series[static_cast<std::size_t>(Series::E24)].buyRb1);
    EXPECT_EQ(buy.resistor.kiloohms(), 2.0);
    EXPECT_EQ(e24(row).Rb1->kiloohms(), 2.0);
    EXPECT_DOUBLE_EQ(*e24(row).margin, *buy.worstMargin);
    EXPECT_NEAR(*e24(row).margin, 25, 0.5);
}

// A key names parts of the polarities their places take, or nothing.
TEST(RankingTest, ChoiceKeys)
{
    struct Case
    {
        const char16_t *key;
        const char16_t *q1, *q2; // none: no choice
    };
    for (const Case &c : {Case{u"2N3904", u"2N3904", nullptr},
                          Case{u"BC327-25+BC337-40", u"BC327-25", u"BC337-40"},
                          Case{u"BC327-25", nullptr, nullptr},        // a PNP alone
                          Case{u"2N3904+BC337-40", nullptr, nullptr}, // an NPN over an NPN
                          Case{u"BC327-25+BC327-40", nullptr, nullptr},
                          Case{u"2N3904+", nullptr, nullptr},
                          Case{u"", nullptr, nullptr},
                          Case{u"BC999", nullptr, nullptr}}) {
        const auto choice = choiceOf(c.key);
        EXPECT_EQ(choice.has_value(), c.q1 != nullptr) << std::u16string(c.key).size();
        if (!choice || !c.q1)
            continue;
        EXPECT_EQ(choice->q1->key, c.q1);
        EXPECT_EQ(choice->q2 ? choice->q2->key : std::u16string_view(),
                  c.q2 ? std::u16string_view(c.q2) : std::u16string_view());
    }
}

} // namespace
