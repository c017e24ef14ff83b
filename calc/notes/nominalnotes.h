#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "worstcase/standardfit.h"

// The nominal results beside the values to buy: where the worst case in force does not hold a
// computed base resistor, a line under the results says that it is the calculation's nominal
// figure, what the standard value just below it leaves in E96, and which value to buy instead.
// Nothing where the worst case holds it.
std::vector<std::u16string> nominalLines(const StandardFits &fits, std::u16string_view point);
