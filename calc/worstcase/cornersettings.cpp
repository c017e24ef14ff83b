#include "worstcase/cornersettings.h"

#include <algorithm>

#include "nominal/messages.h"
#include "nominal/numbertext.h"

namespace {

namespace Text = Messages::Corners;
using Messages::fill;

std::size_t index(CornerField field)
{
    return static_cast<std::size_t>(field);
}

// What a field holds, and so what it accepts.
enum class Kind { Voltage, Tolerance, OutputVoltage, OutputCurrent, Temperature, Key, Part };

Kind kindOf(CornerField field)
{
    switch (field) {
    case CornerField::ToleranceE12:
    case CornerField::ToleranceE24:
    case CornerField::ToleranceE96:
    case CornerField::VccTolerance:
        return Kind::Tolerance;
    case CornerField::Output:
        return Kind::Key;
    case CornerField::ViLowest:
    case CornerField::ViHighest:
        return Kind::OutputVoltage;
    case CornerField::OutputCurrent:
        return Kind::OutputCurrent;
    case CornerField::Ambient:
        return Kind::Temperature;
    case CornerField::Q1OneTransistor:
    case CornerField::Q1TwoTransistors:
    case CornerField::Q2:
        return Kind::Part;
    default:
        break;
    }
    return Kind::Voltage;
}

// The fields that always hold a number, each a member of the ranges.
constexpr std::array<CornerField, 9> numberFields{CornerField::VbeLowest,
                                                  CornerField::VbeHighest,
                                                  CornerField::VceSatLowest,
                                                  CornerField::VceSatHighest,
                                                  CornerField::ToleranceE12,
                                                  CornerField::ToleranceE24,
                                                  CornerField::ToleranceE96,
                                                  CornerField::VccTolerance,
                                                  CornerField::Ambient};

// The transistors' fields, with the slot of each and the polarity it takes.
struct PartField
{
    CornerField field;
    CornerRanges::Slot slot;
    Polarity polarity;
};
constexpr std::array<PartField, 3> partFields{
    {{CornerField::Q1OneTransistor, CornerRanges::Q1OneTransistor, Polarity::Npn},
     {CornerField::Q1TwoTransistors, CornerRanges::Q1TwoTransistors, Polarity::Pnp},
     {CornerField::Q2, CornerRanges::Q2, Polarity::Npn}}};

// The part a key names, where it has the polarity; empty: none, as typed.
std::optional<const TransistorPart *> partFor(const PartField &f, std::u16string_view key)
{
    if (key.empty())
        return nullptr;
    const TransistorPart *part = transistorByKey(key);
    if (!part || part->polarity != f.polarity)
        return std::nullopt;
    return part;
}

// The output's figures: all three given, or none (Vi as typed).
constexpr std::array<CornerField, 3> outputFields{
    CornerField::ViLowest, CornerField::OutputCurrent, CornerField::ViHighest};

// The two ends of each range of voltages.
struct RangeFields
{
    CornerField lowest;
    CornerField highest;
};
constexpr std::array<RangeFields, 2> ranges{
    {{CornerField::VbeLowest, CornerField::VbeHighest},
     {CornerField::VceSatLowest, CornerField::VceSatHighest}}};
constexpr RangeFields outputRange{CornerField::ViLowest, CornerField::ViHighest};

// The highest voltage a junction or a saturated transistor can be set to [V], the highest level
// of a logic output [V], its highest current [mA], and the tolerance that every setting stays
// below [%].
constexpr double highestVoltage = 2.0;
constexpr double highestOutputVoltage = 30.0;
constexpr double highestOutputCurrent = 1000.0;
constexpr double toleranceLimit = 50.0;
// The ambient temperatures a datasheet's ratings span [°C].
constexpr double coldest = -55.0;
constexpr double hottest = 150.0;

// A number field's value in the ranges, in the form's units.
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
    case CornerField::VccTolerance:
        return r.VccTolerancePercent;
    case CornerField::Ambient:
        return r.ambientCelsius;
    default:
        break;
    }
    return r.tolerancePercent[index(field) - index(CornerField::ToleranceE12)];
}

// The value a field's text gives, in the form's units, if the field accepts it.
std::optional<double>
accepted(CornerField field, std::u16string_view text, std::u16string_view point)
{
    const std::optional<double> value = parseWholeNumber(text, point);
    if (!value)
        return std::nullopt;
    const auto within = [&](bool inRange) { return inRange ? value : std::nullopt; };
    switch (kindOf(field)) {
    case Kind::Tolerance:
        return within(*value >= 0 && *value < toleranceLimit);
    case Kind::OutputVoltage:
        return within(*value >= 0 && *value <= highestOutputVoltage);
    case Kind::OutputCurrent:
        return within(*value > 0 && *value <= highestOutputCurrent);
    case Kind::Voltage:
        return within(*value >= 0 && *value <= highestVoltage);
    case Kind::Temperature:
        return within(*value >= coldest && *value <= hottest);
    case Kind::Key:
    case Kind::Part:
        break;
    }
    return std::nullopt;
}

// What a refused field accepts.
CornerRefusal refusal(CornerField field, std::u16string_view point)
{
    const std::u16string separators = point == u"." ? std::u16string(Text::separatorePunto)
                                                    : fill(Text::separatoreLocale, {point});
    std::u16string_view pattern = Text::tensione;
    switch (kindOf(field)) {
    case Kind::Tolerance:
        pattern = Text::tolleranza;
        break;
    case Kind::OutputVoltage:
        pattern = Text::tensioneUscita;
        break;
    case Kind::OutputCurrent:
        pattern = Text::correnteUscita;
        break;
    case Kind::Temperature:
        pattern = Text::temperatura;
        break;
    case Kind::Part:
        pattern = Text::transistor;
        break;
    default:
        break;
    }
    return {field, fill(pattern, {cornerFieldName(field), separators})};
}

CornerRefusal upsideDown(const RangeFields &range)
{
    return {
        range.lowest,
        fill(Text::intervallo, {cornerFieldName(range.lowest), cornerFieldName(range.highest)})};
}

// The list's entry the output is, where the key names one with the same figures.
const LogicOutput *entryFor(std::u16string_view key, const DrivingOutput &output)
{
    const LogicOutput *entry = logicOutputByKey(key);
    return entry && entry->figures == output ? entry : nullptr;
}

} // namespace

std::u16string_view cornerFieldName(CornerField field)
{
    return Text::nomi[index(field)];
}

std::variant<CornerRanges, CornerRefusal> readCorners(const CornerTexts &texts,
                                                      std::u16string_view point)
{
    const auto text = [&](CornerField field) -> const std::u16string & {
        return texts[index(field)];
    };
    const bool outputGiven = std::any_of(
        outputFields.begin(), outputFields.end(), [&](CornerField f) { return !text(f).empty(); });
    CornerRanges read;
    std::array<double, cornerFieldCount> values{};
    for (std::size_t i = 0; i < cornerFieldCount; ++i) {
        const auto field = static_cast<CornerField>(i);
        const bool ofOutput =
            std::find(outputFields.begin(), outputFields.end(), field) != outputFields.end();
        if (kindOf(field) == Kind::Key || kindOf(field) == Kind::Part || (ofOutput && !outputGiven))
            continue;
        const std::optional<double> value = accepted(field, text(field), point);
        if (!value)
            return refusal(field, point);
        values[i] = *value;
        if (!ofOutput)
            member(read, field) = *value;
    }
    for (const RangeFields &range : ranges)
        if (member(read, range.lowest) > member(read, range.highest))
            return upsideDown(range);
    for (const PartField &f : partFields) {
        const auto part = partFor(f, text(f.field));
        if (!part)
            return refusal(f.field, point);
        read.parts[f.slot] = *part;
    }
    if (outputGiven) {
        if (values[index(outputRange.lowest)] > values[index(outputRange.highest)])
            return upsideDown(outputRange);
        read.output = DrivingOutput{values[index(CornerField::ViLowest)],
                                    values[index(CornerField::OutputCurrent)],
                                    values[index(CornerField::ViHighest)]};
        read.outputEntry = entryFor(text(CornerField::Output), *read.output);
    }
    return read;
}

CornerTexts cornerTexts(const CornerRanges &r, std::u16string_view point)
{
    CornerTexts texts;
    for (const CornerField field : numberFields)
        texts[index(field)] = formatShortest(member(r, field), point);
    if (r.outputEntry)
        texts[index(CornerField::Output)] = r.outputEntry->key;
    for (const PartField &f : partFields)
        if (r.parts[f.slot])
            texts[index(f.field)] = r.parts[f.slot]->key;
    if (r.output) {
        texts[index(CornerField::ViLowest)] = formatShortest(r.output->ViLowest, point);
        texts[index(CornerField::OutputCurrent)] = formatShortest(r.output->currentLimit, point);
        texts[index(CornerField::ViHighest)] = formatShortest(r.output->ViHighest, point);
    }
    return texts;
}

StoredCorners
readStoredCorners(const std::array<std::optional<std::u16string>, cornerFieldCount> &texts)
{
    StoredCorners stored;
    stored.texts = texts;
    const CornerRanges defaults;
    const auto list = [&](CornerField field) {
        if (std::find(stored.replaced.begin(), stored.replaced.end(), field)
            == stored.replaced.end())
            stored.replaced.push_back(field);
    };
    for (const CornerField field : numberFields) {
        const auto &text = texts[index(field)];
        if (!text)
            continue;
        if (const std::optional<double> value = accepted(field, *text, u"."))
            member(stored.ranges, field) = *value;
        else
            list(field);
    }
    for (const RangeFields &range : ranges) {
        if (member(stored.ranges, range.lowest) <= member(stored.ranges, range.highest))
            continue;
        for (const CornerField end : {range.lowest, range.highest}) {
            member(stored.ranges, end) = member(defaults, end);
            list(end);
        }
    }
    for (const PartField &f : partFields) {
        const auto &text = texts[index(f.field)];
        if (!text)
            continue;
        if (const auto part = partFor(f, *text))
            stored.ranges.parts[f.slot] = *part;
        else
            list(f.field);
    }
    // The output's figures stand together: where one is missing or refused, Vi is as typed.
    std::array<std::optional<double>, 3> figures;
    bool anyStored = false;
    for (std::size_t i = 0; i < outputFields.size(); ++i) {
        const auto &text = texts[index(outputFields[i])];
        anyStored = anyStored || (text && !text->empty());
        if (text)
            figures[i] = accepted(outputFields[i], *text, u".");
    }
    if (anyStored) {
        if (std::all_of(figures.begin(), figures.end(), [](const auto &f) { return f.has_value(); })
            && *figures[0] <= *figures[2]) {
            stored.ranges.output = DrivingOutput{*figures[0], *figures[1], *figures[2]};
            stored.ranges.outputEntry =
                entryFor(texts[index(CornerField::Output)].value_or(u""), *stored.ranges.output);
        } else {
            for (const CornerField field : outputFields)
                list(field);
        }
    }
    std::sort(stored.replaced.begin(), stored.replaced.end());
    return stored;
}
