#pragma once

#include <string_view>

#include "notes/resultnotes.h"
#include "worstcase/standardfit.h"

// The values to buy checked against the datasheets, per series: for each transistor bought from
// the parts list, its largest collector current against IC max, the gain typed against the
// datasheet's at that current, the forced gain at the least base current and what the datasheet
// then guarantees of VCE, and its power against Ptot derated at the ambient temperature; for each
// resistor, always, its power at its worst corner against 1/8 W and 1/4 W, derated above 70 °C.
ResultNotes datasheetChecks(const StandardFits &fits, std::u16string_view decimalPoint);

// A resistor's rating [mW] at the ambient temperature [°C]: as rated up to 70 °C, then linearly
// down to nothing at 155 °C.
double resistorRating(double rated, double ambient);
