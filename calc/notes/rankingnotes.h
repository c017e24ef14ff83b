#pragma once

#include <string>
#include <string_view>

#include "notes/notemodel.h"
#include "worstcase/partranking.h"

// The ranking of the parts as a table for the report, "Transistor che reggono": per candidate and
// series the value(s) to buy, the worst margin, Ii max, the shares of IC max and Ptot used,
// whether it stays off and the verdict; the part's cell chooses it. One transistor: every NPN;
// two transistors: the pairs that hold, at most the best shownPairs, with a line saying how many
// were tried and how many hold.
inline constexpr std::size_t shownPairs = 10;

ResultNotes rankingNotes(const PartRanking &ranking,
                         const CornerRanges &corners,
                         std::u16string_view decimalPoint);

// The report's line once the designer chose a candidate's parts from the table: which are now in
// force.
std::u16string choiceLine(const PartChoice &choice);
