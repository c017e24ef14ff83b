#include "worstcase/cornersettings.h"

#include <algorithm>
#include <utility>

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
enum class Kind {
    Voltage,
    Tolerance,
    OutputVoltage,
    OutputCurrent,
    Temperature,
    Key,
    Part,
    Leakage,
    ForcedGain
};

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
    case CornerField::OutputLow:
        return Kind::OutputVoltage;
    case CornerField::FloatingLeakage:
        return Kind::Leakage;
    case CornerField::SaturationForcedGain:
        return Kind::ForcedGain;
    case CornerField::OutputCurrent:
        return Kind::OutputCurrent;
    case CornerField::Tmin:
    case CornerField::Tmax:
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
constexpr std::array<CornerField, 12> numberFields{CornerField::VbeLowest,
                                                   CornerField::VbeHighest,
                                                   CornerField::VceSatLowest,
                                                   CornerField::VceSatHighest,
                                                   CornerField::ToleranceE12,
                                                   CornerField::ToleranceE24,
                                                   CornerField::ToleranceE96,
                                                   CornerField::VccTolerance,
                                                   CornerField::Tmin,
                                                   CornerField::Tmax,
                                                   CornerField::VbeOff,
                                                   CornerField::OutputLow};

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

// The two ends of each range of voltages, and of the temperatures.
struct RangeFields
{
    CornerField lowest;
    CornerField highest;
};
constexpr std::array<RangeFields, 3> ranges{
    {{CornerField::VbeLowest, CornerField::VbeHighest},
     {CornerField::VceSatLowest, CornerField::VceSatHighest},
     {CornerField::Tmin, CornerField::Tmax}}};
constexpr RangeFields outputRange{CornerField::ViLowest, CornerField::ViHighest};

// The highest voltage a junction or a saturated transistor can be set to [V], the highest level
// of a logic output [V], its highest current [mA], and the tolerance that every setting stays
// below [%].
constexpr double highestVoltage = 2.0;
constexpr double highestOutputVoltage = 30.0;
constexpr double highestOutputCurrent = 1000.0;
constexpr double toleranceLimit = 50.0;
// The temperatures a datasheet's ratings span [°C].
constexpr double coldest = -55.0;
constexpr double hottest = 150.0;
// The most a pin may leak [µA].
constexpr double highestLeakage = 1000.0;
// The highest forced gain a saturated transistor may be typed with [-].
constexpr double highestForcedGain = 1000.0;

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
    case CornerField::Tmin:
        return r.Tmin;
    case CornerField::Tmax:
        return r.Tmax;
    case CornerField::VbeOff:
        return r.VbeOff;
    case CornerField::OutputLow:
        return r.VOL;
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
    case Kind::Leakage:
        return within(*value >= 0 && *value <= highestLeakage);
    case Kind::ForcedGain:
        return within(*value >= 1 && *value <= highestForcedGain);
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
    case Kind::Leakage:
        pattern = Text::dispersione;
        break;
    case Kind::ForcedGain:
        pattern = Text::guadagnoForzato;
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

// The off state's threshold refused, with the lowest Vbe and Tmax it must fit.
CornerRefusal offThresholdRefused(const CornerRanges &read, std::u16string_view point)
{
    return {CornerField::VbeOff,
            fill(Text::sogliaSpento,
                 {cornerFieldName(CornerField::VbeOff),
                  formatShortest(read.VbeLowest, point),
                  formatShortest(read.Tmax, point)})};
}

// The list's entry the output is, where the key names one with the same figures.
const LogicOutput *entryFor(std::u16string_view key, const DrivingOutput &output)
{
    const LogicOutput *entry = logicOutputByKey(key);
    return entry && entry->figures == output ? entry : nullptr;
}

// The texts read: one for each field, or none where nothing is stored for it.
using FieldTexts = std::array<std::optional<std::u16string_view>, cornerFieldCount>;

// A rule a text broke: the refusal, which names the field and why, and the fields that fall with
// it to their defaults.
struct Broken
{
    CornerRefusal refusal;
    std::vector<CornerField> fallen;
};

// The ranges the texts give, with the rules they broke in the form's order: each number in the
// fields' order (the output's figures where any of them is given), the ranges of voltages each the
// right way up, each part in the list and of its polarity, the output's range the right way up.
// A field with no text, or that fell, holds its default; the output's figures stand or fall
// together, and where one is given a missing one is refused as an empty one.
struct Reading
{
    CornerRanges ranges;
    std::vector<Broken> broken;
};

Reading readFields(const FieldTexts &texts, std::u16string_view point)
{
    Reading reading;
    CornerRanges &read = reading.ranges;
    const auto given = [&](CornerField field) {
        const std::optional<std::u16string_view> &text = texts[index(field)];
        return text && !text->empty();
    };
    const bool outputGiven = std::any_of(outputFields.begin(), outputFields.end(), given);
    const std::vector<CornerField> output(outputFields.begin(), outputFields.end());
    bool outputFell = false;
    std::array<double, cornerFieldCount> values{};
    for (std::size_t i = 0; i < cornerFieldCount; ++i) {
        const auto field = static_cast<CornerField>(i);
        const bool ofOutput =
            std::find(outputFields.begin(), outputFields.end(), field) != outputFields.end();
        if (kindOf(field) == Kind::Key || kindOf(field) == Kind::Part || (ofOutput && !outputGiven)
            || (!texts[i] && !ofOutput))
            continue;
        // Left empty, the pin never floats; saturation is not asked for.
        if ((field == CornerField::FloatingLeakage || field == CornerField::SaturationForcedGain)
            && texts[i]->empty())
            continue;
        const std::optional<double> value = accepted(field, texts[i].value_or(u""), point);
        if (!value) {
            reading.broken.push_back(
                {refusal(field, point), ofOutput ? output : std::vector<CornerField>{field}});
            outputFell = outputFell || ofOutput;
            continue;
        }
        values[i] = *value;
        if (field == CornerField::FloatingLeakage)
            read.floatingLeakage = *value;
        else if (field == CornerField::SaturationForcedGain)
            read.saturationForcedGain = *value;
        else if (!ofOutput)
            member(read, field) = *value;
    }
    const CornerRanges defaults;
    for (const RangeFields &range : ranges) {
        if (member(read, range.lowest) <= member(read, range.highest))
            continue;
        reading.broken.push_back({upsideDown(range), {range.lowest, range.highest}});
        for (const CornerField end : {range.lowest, range.highest})
            member(read, end) = member(defaults, end);
    }
    // Off below a voltage at which the transistor still conducts nothing, down to Tmax.
    if (!(read.VbeOff > 0) || read.VbeOff >= read.VbeLowest
        || !(Temperature::offThreshold(read.VbeOff, read.Tmax) > 0)) {
        reading.broken.push_back({offThresholdRefused(read, point), {CornerField::VbeOff}});
        read.VbeOff = defaults.VbeOff;
    }
    for (const PartField &f : partFields) {
        const std::optional<std::u16string_view> &text = texts[index(f.field)];
        if (!text)
            continue;
        if (const auto part = partFor(f, *text))
            read.parts[f.slot] = *part;
        else
            reading.broken.push_back({refusal(f.field, point), {f.field}});
    }
    if (outputGiven && !outputFell) {
        if (values[index(outputRange.lowest)] > values[index(outputRange.highest)]) {
            reading.broken.push_back({upsideDown(outputRange), output});
        } else {
            read.output = DrivingOutput{values[index(CornerField::ViLowest)],
                                        values[index(CornerField::OutputCurrent)],
                                        values[index(CornerField::ViHighest)]};
            read.outputEntry =
                entryFor(texts[index(CornerField::Output)].value_or(u""), *read.output);
        }
    }
    return reading;
}

} // namespace

std::u16string_view cornerFieldName(CornerField field)
{
    return Text::nomi[index(field)];
}

std::variant<CornerRanges, CornerRefusal> readCorners(const CornerTexts &texts,
                                                      std::u16string_view point)
{
    FieldTexts given;
    std::copy(texts.begin(), texts.end(), given.begin());
    Reading reading = readFields(given, point);
    if (!reading.broken.empty())
        return std::move(reading.broken.front().refusal);
    return reading.ranges;
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
    if (r.floatingLeakage)
        texts[index(CornerField::FloatingLeakage)] = formatShortest(*r.floatingLeakage, point);
    if (r.saturationForcedGain)
        texts[index(CornerField::SaturationForcedGain)] =
            formatShortest(*r.saturationForcedGain, point);
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
    FieldTexts stored;
    std::transform(texts.begin(), texts.end(), stored.begin(), [](const auto &text) {
        return text ? std::optional<std::u16string_view>(*text) : std::nullopt;
    });
    const Reading reading = readFields(stored, u".");
    StoredCorners read{reading.ranges, {}, texts};
    for (const Broken &broken : reading.broken)
        read.replaced.insert(read.replaced.end(), broken.fallen.begin(), broken.fallen.end());
    std::sort(read.replaced.begin(), read.replaced.end());
    read.replaced.erase(std::unique(read.replaced.begin(), read.replaced.end()),
                        read.replaced.end());
    return read;
}
