#include <benchmark/benchmark.h>

#include <string>

#include "nominal/sampledesign.h"
#include "notes/datasheetchecknotes.h"
#include "notes/designreport.h"
#include "notes/rankingnotes.h"
#include "notes/resultnotes.h"
#include "press.h"

namespace {

// The sample design as the window hands it over.
PressInput sampleInput(bool oneTransistor)
{
    PressInput input{oneTransistor, !oneTransistor};
    for (const SampleText &sample : sampleDesign)
        input.texts[static_cast<std::size_t>(sample.entry)] = sample.text;
    return input;
}

// The notes the window sets after a completed press.
DesignNotes notesOf(const PressResults &results)
{
    return designNotes(results.Ii, results.fits, u",");
}

// One press of "Calcola " on the sample design, with the notes of its results (withNotes).
void pressWithSampleDesign(benchmark::State &state, bool oneTransistor, bool withNotes)
{
    const PressInput input = sampleInput(oneTransistor);
    FormVariables variables;
    Module1 module;
    for (auto _ : state) {
        PressOutcome outcome = pressCalcola(variables, module, input);
        if (!outcome.messages.empty() || !outcome.results)
            state.SkipWithError("the sample design did not complete without a message");
        if (withNotes) {
            DesignNotes notes = notesOf(*outcome.results);
            benchmark::DoNotOptimize(notes);
        }
        benchmark::DoNotOptimize(outcome);
    }
}

void BM_PressOneTransistor(benchmark::State &state)
{
    pressWithSampleDesign(state, true, false);
}
void BM_PressTwoTransistors(benchmark::State &state)
{
    pressWithSampleDesign(state, false, false);
}
void BM_PressWithNotesOneTransistor(benchmark::State &state)
{
    pressWithSampleDesign(state, true, true);
}
void BM_PressWithNotesTwoTransistors(benchmark::State &state)
{
    pressWithSampleDesign(state, false, true);
}

// The report of the sample two-transistor design as text to copy.
void BM_ReportTwoTransistors(benchmark::State &state)
{
    FormVariables variables;
    Module1 module;
    const PressOutcome outcome = pressCalcola(variables, module, sampleInput(false));
    DesignReport report;
    report.circuit = u"Carico con un pin a massa";
    for (const SampleText &sample : sampleDesign)
        report.inputs.push_back(enteredItem(u"Vcc", sample.text, u"[V]", u","));
    report.results = {{u"Rb1", u"20,00", u"[kohm]", {}},
                      {u"Rb2", u"56,14", u"[kohm]", {}},
                      {u"Ii", u"0,08", u"[mA]", {}}};
    for (auto _ : state) {
        DesignNotes notes = notesOf(*outcome.results);
        report.summary =
            summaryNotes(outcome.results->fits, u",", notes.results.front().assumptions);
        report.notes = std::move(notes.results);
        report.notes.push_back(datasheetCheckNotes(outcome.results->fits, u","));
        std::u16string text = report.plainText();
        benchmark::DoNotOptimize(text);
    }
}

// The table "Transistor che reggono" of the sample two-transistor design, every PNP for Q1 with
// every NPN for Q2, at a 74HC at 5 V from -40 to 85 °C: ranked and written.
void BM_RankingTwoTransistors(benchmark::State &state)
{
    CornerRanges corners;
    corners.Tmin = -40;
    corners.Tmax = 85;
    corners.outputEntry = logicOutputByKey(u"74HC-5V");
    corners.output = corners.outputEntry->figures;
    FormVariables variables;
    Module1 module;
    const PressOutcome outcome = pressCalcola(variables, module, sampleInput(false), corners);
    for (auto _ : state) {
        ResultNotes notes = rankingNotes(rankParts(outcome.results->fits), corners, u",");
        benchmark::DoNotOptimize(notes);
    }
}

} // namespace

BENCHMARK(BM_PressOneTransistor);
BENCHMARK(BM_PressTwoTransistors);
BENCHMARK(BM_PressWithNotesOneTransistor);
BENCHMARK(BM_PressWithNotesTwoTransistors);
BENCHMARK(BM_ReportTwoTransistors);
BENCHMARK(BM_RankingTwoTransistors);
