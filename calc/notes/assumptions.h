#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "worstcase/standardfit.h"

// What the worst case of the fits assumed, a line each, for the circuit of the fits, with the
// ranges in force: the resistors' tolerances, the Vbe (and Vce(sat)) ranges and the corners they
// make, the sources, the logic output and the parts bought with their figures and sources.
std::vector<std::u16string> assumptionLines(const StandardFits &fits, std::u16string_view point);
