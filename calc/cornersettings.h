#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cornerranges.h"

// The worst case's ranges as the designer sets them: seven texts, in the form and in the stored
// settings alike, read as the window's entries are ("." the only decimal point), each whole.

enum class CornerField : std::size_t {
    VbeLowest,     // [V]
    VbeHighest,    // [V]
    VceSatLowest,  // Q2's [V]
    VceSatHighest, // Q2's [V]
    ToleranceE12,  // [%]
    ToleranceE24,  // [%]
    ToleranceE96,  // [%]
};

inline constexpr std::size_t cornerFieldCount = 7;

using CornerTexts = std::array<std::u16string, cornerFieldCount>;

// The field's name with its unit, as the form labels it and its message names it:
// "Tolleranza E24 [%]".
std::u16string_view cornerFieldName(CornerField field);

// The first field refused, and why: what the field accepts, or the range it closes.
struct CornerRefusal
{
    CornerField field;
    std::u16string message;
};

// The ranges the texts give, or the first refusal: a text that is not a number; a voltage below 0
// or above 2 V; a tolerance below 0 % or at 50 % and above; a range whose lower end is above its
// upper end.
std::variant<CornerRanges, CornerRefusal> readCorners(const CornerTexts &texts);

// The texts of the ranges, in the form's units: "0.6", "0.8", "0", "0.3", "10", "5", "1".
CornerTexts cornerTexts(const CornerRanges &ranges);

// Stored settings, field by field: a missing text takes its default; a refused one (a range
// refused takes both its ends) takes its default and is listed, so the user can be told.
struct StoredCorners
{
    CornerRanges ranges;
    std::vector<CornerField> replaced;
    std::array<std::optional<std::u16string>, cornerFieldCount> texts; // as stored
};
StoredCorners
readStoredCorners(const std::array<std::optional<std::u16string>, cornerFieldCount> &texts);
