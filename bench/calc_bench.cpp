#include <benchmark/benchmark.h>

#include "fakewindow.h"

namespace {

void pressWithSampleDesign(benchmark::State &state, FakeWindow::Circuit circuit)
{
    FakeWindow window(circuit);
    window.fillSample();
    FormVariables variables;
    Module1 module;
    for (auto _ : state) {
        // Not const: Google Benchmark 1.8 deprecates DoNotOptimize on a const value.
        PressOutcome outcome = pressCalcola(variables, module, window);
        benchmark::DoNotOptimize(outcome);
        window.writes.clear();
    }
    if (!window.messages.empty())
        state.SkipWithError("the sample design showed a message box");
}

void BM_PressOneTransistor(benchmark::State &state)
{
    pressWithSampleDesign(state, FakeWindow::Circuit::OneTransistor);
}
void BM_PressTwoTransistors(benchmark::State &state)
{
    pressWithSampleDesign(state, FakeWindow::Circuit::TwoTransistors);
}

} // namespace

BENCHMARK(BM_PressOneTransistor);
BENCHMARK(BM_PressTwoTransistors);
