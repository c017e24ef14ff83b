#include "cornersettings.h"

#include <algorithm>

#include "messages.h"
#include "numbertext.h"

namespace {

namespace Text = Messages::Corners;
using Messages::fill;

constexpr std::array<CornerField, cornerFieldCount> allFields{CornerField::VbeLowest,
                                                              CornerField::VbeHighest,
                                                              CornerField::VceSatLowest,
                                                              CornerField::VceSatHighest,
                                                              CornerField::ToleranceE12,
                                                              CornerField::ToleranceE24,
                                                              CornerField::ToleranceE96};

// The two ends of each range of voltages.
struct RangeFields
{
    CornerField lowest;
    CornerField highest;
};
constexpr std::array<RangeFields, 2> ranges{
    {{CornerField::VbeLowest, CornerField::VbeHighest},
     {CornerField::VceSatLowest, CornerField::VceSatHighest}}};

std::size_t index(CornerField field)
{
    return static_cast<std::size_t>(field);
}

bool isTolerance(CornerField field)
{
    return field >= CornerField::ToleranceE12;
}

// The highest voltage a junction or a saturated transistor can be set to [V], and the tolerance
// that every setting stays below [%].
constexpr double highestVoltage = 2.0;
constexpr double toleranceLimit = 50.0;

// The field's value in the ranges, in the form's units.
template <typename Ranges> auto &member(Ranges &r, CornerField field)
{
    switch (field) {
    case CornerField::VbeLowest:
        return r.VbeLowest;
    case CornerField::VbeHighest:
        return r.VbeHighest;
    case CornerField::VceSatLowest:
        return r.VceSatLowest;
    case CornerField::VceSatHighest:
        return r.VceSatHighest;
    default:
        break;
    }
    return r.tolerancePercent[index(field) - index(CornerField::ToleranceE12)];
}

// The value a field's text gives, in the form's units, if the field accepts it.
std::optional<double> accepted(CornerField field, std::u16string_view text)
{
    const std::optional<double> value = parseWholeNumber(text);
    if (!value)
        return std::nullopt;
    if (isTolerance(field))
        return *value >= 0 && *value < toleranceLimit ? value : std::nullopt;
    return *value >= 0 && *value <= highestVoltage ? value : std::nullopt;
}

} // namespace

std::u16string_view cornerFieldName(CornerField field)
{
    return Text::nomi[index(field)];
}

std::variant<CornerRanges, CornerRefusal> readCorners(const CornerTexts &texts)
{
    CornerRanges read;
    for (const CornerField field : allFields) {
        const std::optional<double> value = accepted(field, texts[index(field)]);
        if (!value)
            return CornerRefusal{field,
                                 fill(isTolerance(field) ? Text::tolleranza : Text::tensione,
                                      {cornerFieldName(field)})};
        member(read, field) = *value;
    }
    for (const RangeFields &range : ranges)
        if (member(read, range.lowest) > member(read, range.highest))
            return CornerRefusal{
                range.lowest,
                fill(Text::intervallo,
                     {cornerFieldName(range.lowest), cornerFieldName(range.highest)})};
    return read;
}

CornerTexts cornerTexts(const CornerRanges &r)
{
    CornerTexts texts;
    for (const CornerField field : allFields)
        texts[index(field)] = formatShortest(member(r, field), u".");
    return texts;
}

StoredCorners
readStoredCorners(const std::array<std::optional<std::u16string>, cornerFieldCount> &texts)
{
    StoredCorners stored;
    stored.texts = texts;
    const CornerRanges defaults;
    for (const CornerField field : allFields) {
        const auto &text = texts[index(field)];
        if (!text)
            continue;
        if (const std::optional<double> value = accepted(field, *text))
            member(stored.ranges, field) = *value;
        else
            stored.replaced.push_back(field);
    }
    for (const RangeFields &range : ranges) {
        if (member(stored.ranges, range.lowest) <= member(stored.ranges, range.highest))
            continue;
        for (const CornerField end : {range.lowest, range.highest}) {
            member(stored.ranges, end) = member(defaults, end);
            if (std::find(stored.replaced.begin(), stored.replaced.end(), end)
                == stored.replaced.end())
                stored.replaced.push_back(end);
        }
    }
    std::sort(stored.replaced.begin(), stored.replaced.end());
    return stored;
}
