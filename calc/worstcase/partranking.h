#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "worstcase/standardfit.h"

// Every transistor of the list tried in the design as pressed, at the worst case in force: one
// transistor, each NPN as Q1; two transistors, each PNP as Q1 with each NPN as Q2. Each is fitted,
// checked against its datasheets and for the off state as the part the designer names would be,
// and the candidates ranked: those that hold first, the best first.

// Why a candidate does not hold, in the order they are looked for; Holds where one series has a
// value to buy that passes every check.
enum class RankVerdict {
    Holds,
    NoGain,           // a datasheet guarantees no gain at the transistor's largest current
    CollectorCurrent, // a largest collector current beyond IC max
    Power,            // beyond Ptot at Tmax, or no VCE guaranteed to bound it
    NotOff,           // not held off at Tmax with the resistors bought
    OutputLimit,      // Ii max reaches the output's limit before the margin holds
    NothingToBuy,     // no value to buy for another reason (NoPurchase)
};

// A candidate in one series: the values to buy and what they give.
struct RankedSeries
{
    Series series;
    std::optional<StandardResistor> Rb1 = {}, Rb2 = {}; // to buy; none: nothing to buy
    std::optional<double> margin = {};     // the least worst margin of the transistors [%]
    std::optional<double> IiMax = {};      // from the logic output [mA]
    std::optional<double> IcShare = {};    // the largest collector current / IC max, the worse
    std::optional<double> powerShare = {}; // P / Ptot at Tmax, the worse; none: not bounded
    bool heldOff = false;
    RankVerdict verdict = RankVerdict::NothingToBuy;
    // NoGain: the collector current at which the datasheet guarantees none [mA].
    double noGainAt = 0;
};

struct RankedCandidate
{
    std::array<const TransistorPart *, 2> parts{};   // Q1, Q2 (two transistors only)
    std::array<RankedSeries, 3> series{};            // E12, E24, E96
    RankVerdict verdict = RankVerdict::NothingToBuy; // Holds, or the first reason of any series

    bool holds() const { return verdict == RankVerdict::Holds; }
    // Whether any series has a value to buy, whatever its checks say.
    bool anythingToBuy() const;
};

struct PartRanking
{
    std::vector<RankedCandidate> candidates = {}; // those that hold first, ranked; then by name
    std::size_t holding = 0;                      // how many hold

    bool twoTransistors = false;
};

// The series whose margin ranks the candidates: the one the designer reads first.
inline constexpr Series rankingSeries = Series::E24;

// Every candidate of the fits' circuit, at their design and corners; the part named in the form
// is replaced by each candidate in turn.
PartRanking rankParts(const StandardFits &fits);

// The parts of a candidate as one key ("2N3904", "BC327-25+BC337-40"), for the window to hand back
// when the designer chooses it; and back, none for a key of no known parts.
std::u16string choiceKey(const RankedCandidate &candidate);
struct PartChoice
{
    const TransistorPart *q1 = nullptr;
    const TransistorPart *q2 = nullptr; // two transistors
};
std::optional<PartChoice> choiceOf(std::u16string_view key);

// The corners with the choice in force: its parts in the circuit's slots.
CornerRanges withChoice(CornerRanges corners, const PartChoice &choice);
