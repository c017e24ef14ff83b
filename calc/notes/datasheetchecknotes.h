#pragma once

#include <string_view>

#include "notes/notemodel.h"
#include "worstcase/standardfit.h"

// The checks of the values to buy against the datasheets as a table for the report: per series,
// the check, its figure and the datasheet's limit, the condition the limit holds under and the
// verdict; a line below each figure beyond its limit.
ResultNotes datasheetCheckNotes(const StandardFits &fits, std::u16string_view decimalPoint);
