#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notes/notemodel.h"
#include "worstcase/standardfit.h"

// The checks of the values to buy against the datasheets as a table for the report: per series,
// the check, its figure and the datasheet's limit, the condition the limit holds under and the
// verdict; a line below each figure beyond its limit.
ResultNotes datasheetCheckNotes(const StandardFits &fits, std::u16string_view decimalPoint);

// What the values to buy guarantee of each transistor at the worst corner, a line each, for the
// summary: per series, VCE(sat) where the forced gain is within the datasheet's VCE(sat) test,
// only the VCE of its gain's test, or nothing; for a transistor typed, its gain as typed.
std::vector<std::u16string> guaranteeLines(const StandardFits &fits,
                                           std::u16string_view decimalPoint);

// Where saturation guaranteed by the datasheet is asked for, what it takes of each transistor: the
// highest Ic/Ib, where it comes from, and the least base current it asks for at the largest
// collector current.
std::vector<std::u16string> saturationLines(const StandardFits &fits,
                                            std::u16string_view decimalPoint);
