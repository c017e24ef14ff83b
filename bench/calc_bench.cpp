#include <benchmark/benchmark.h>

#include <string>

#include "sampledesign.h"
#include "switchcalculation.h"

namespace {

// One press of "Calcola " on the sample design, as the window hands it over.
void pressWithSampleDesign(benchmark::State &state, bool oneTransistor)
{
    PressInput input{oneTransistor, !oneTransistor};
    for (const SampleText &sample : sampleDesign)
        input.texts[static_cast<std::size_t>(sample.entry)] = sample.text;
    FormVariables variables;
    Module1 module;
    for (auto _ : state) {
        PressOutcome outcome = pressCalcola(variables, module, input);
        if (!outcome.messages.empty() || !outcome.results)
            state.SkipWithError("the sample design did not complete without a message");
        benchmark::DoNotOptimize(outcome);
    }
}

void BM_PressOneTransistor(benchmark::State &state)
{
    pressWithSampleDesign(state, true);
}
void BM_PressTwoTransistors(benchmark::State &state)
{
    pressWithSampleDesign(state, false);
}

} // namespace

BENCHMARK(BM_PressOneTransistor);
BENCHMARK(BM_PressTwoTransistors);
