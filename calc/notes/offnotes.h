#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "worstcase/offcheck.h"

// The off check in words, with the given decimal point: a line per transistor for the summary,
// whether it stays off and up to which base-emitter resistor, with a line for each series whose
// resistors at tolerance let it on; and what the check assumes, each figure with its source.
std::vector<std::u16string> offSummaryLines(const OffCheck &check,
                                            const CornerRanges &corners,
                                            std::u16string_view decimalPoint);
std::vector<std::u16string> offAssumptionLines(const OffCheck &check,
                                               const CornerRanges &corners,
                                               std::u16string_view decimalPoint);
