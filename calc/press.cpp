#include "press.h"

#include <utility>

PressOutcome pressCalcola(FormVariables &v,
                          Module1 &module,
                          const PressInput &input,
                          const CornerRanges &corners)
{
    SwitchOutcome nominal = calculateSwitch(v, module, input);
    PressOutcome outcome{std::move(nominal.messages), std::nullopt};
    if (const std::optional<SwitchResults> &results = nominal.results)
        outcome.results = PressResults{
            *results, results->Rb2 ? fitTwoTransistors(v, corners) : fitOneTransistor(v, corners)};
    return outcome;
}
