#include "worstcase/standardresistor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::array<int, 12> e12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                  33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 96> e96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

// Two resistances closer than this, relative to the standard value, count as equal. Far below
// what a result shows, far above rounding noise.
constexpr double standardValueTolerance = 1e-9;

constexpr int decades = 7; // 1 ohm to 9.x Mohm; 10 Mohm closes the range

// The value as a double: an exact integer times or over an exact power of ten, so one correctly
// rounded operation, the same double as the literal ("7.5", "0.001").
double kiloohmsOf(StandardResistor r)
{
    double power = 1.0;
    for (int i = 0; i < std::abs(r.exponent - 3); ++i)
        power *= 10.0;
    const auto digits = static_cast<double>(r.digits);
    return r.exponent < 3 ? digits / power : digits * power;
}

// Every value of a series from 1 ohm to 10 Mohm, rising.
struct Values
{
    std::vector<StandardResistor> resistors;
    std::vector<double> kiloohms;
};

template <std::size_t N> Values valuesOf(const std::array<int, N> &series, int digitCount)
{
    Values values;
    for (int decade = 0; decade <= decades; ++decade) {
        for (const int digits : series) {
            const StandardResistor r{digits, decade - (digitCount - 1)};
            values.resistors.push_back(r);
            values.kiloohms.push_back(kiloohmsOf(r));
            if (decade == decades)
                return values; // 10 Mohm
        }
    }
    return values;
}

const Values &valuesOf(Series series)
{
    static const Values e12Values = valuesOf(e12, 2);
    static const Values e24Values = valuesOf(e24, 2);
    static const Values e96Values = valuesOf(e96, 3);
    switch (series) {
    case Series::E12:
        return e12Values;
    case Series::E24:
        return e24Values;
    case Series::E96:
        break;
    }
    return e96Values;
}

// The standard value s is not above r, within the tolerance.
bool notAbove(double s, double r)
{
    return s <= r || s - r <= standardValueTolerance * s;
}

} // namespace

bool isComputedValue(StandardResistor resistor, double kiloohms)
{
    const double s = resistor.kiloohms();
    return std::fabs(s - kiloohms) <= standardValueTolerance * s;
}

double StandardResistor::kiloohms() const
{
    return kiloohmsOf(*this);
}

std::variant<StandardResistor, NoStandardValue> largestNotAbove(Series series, double kiloohms)
{
    if (!(kiloohms > 0.0))
        return NoStandardValue::NotPositive;
    const Values &values = valuesOf(series);
    const double top = values.kiloohms.back(); // 10 Mohm
    if (kiloohms > top && kiloohms - top > standardValueTolerance * top)
        return NoStandardValue::AboveRange;
    const auto above = std::partition_point(values.kiloohms.begin(),
                                            values.kiloohms.end(),
                                            [&](double s) { return notAbove(s, kiloohms); });
    if (above == values.kiloohms.begin())
        return NoStandardValue::BelowRange;
    return values.resistors[static_cast<std::size_t>(above - values.kiloohms.begin()) - 1];
}

std::optional<StandardResistor> nextBelow(Series series, StandardResistor resistor)
{
    const Values &values = valuesOf(series);
    const auto at =
        std::lower_bound(values.kiloohms.begin(), values.kiloohms.end(), kiloohmsOf(resistor));
    const auto index = static_cast<std::size_t>(at - values.kiloohms.begin());
    if (index == 0 || index == values.resistors.size() || values.resistors[index] != resistor)
        return std::nullopt;
    return values.resistors[index - 1];
}

namespace {

std::u16string digitsOf(StandardResistor resistor)
{
    std::u16string digits;
    for (int d = resistor.digits; d > 0; d /= 10)
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + d % 10));
    return digits;
}

// The digits with the decimal point after the first `whole` of them, zeros added on either side
// as needed, without trailing zeros after the point: ("75", 1) "7,5"; ("47", 0) "0,47"; ("10", 3)
// "100".
std::u16string withPoint(std::u16string_view digits, int whole, std::u16string_view decimalPoint)
{
    std::u16string text;
    std::u16string fraction;
    if (whole <= 0) {
        text = u"0";
        fraction.assign(static_cast<std::size_t>(-whole), u'0').append(digits);
    } else {
        const auto w = static_cast<std::size_t>(whole);
        text = digits.substr(0, w);
        text.append(w > digits.size() ? w - digits.size() : 0, u'0');
        if (digits.size() > w)
            fraction = digits.substr(w);
    }
    while (!fraction.empty() && fraction.back() == u'0')
        fraction.pop_back();
    if (!fraction.empty())
        text.append(decimalPoint).append(fraction);
    return text;
}

} // namespace

std::u16string resistorText(StandardResistor resistor, std::u16string_view decimalPoint)
{
    static constexpr std::array<std::u16string_view, 3> units{u" ohm", u" kohm", u" Mohm"};
    const std::u16string digits = digitsOf(resistor);
    // The decade of the leading digit picks the unit (ohm up to 999, kohm, then Mohm) and how
    // many digits stand before the point of that unit.
    const int decade = resistor.exponent + static_cast<int>(digits.size()) - 1;
    return withPoint(digits, decade % 3 + 1, decimalPoint)
        .append(units[static_cast<std::size_t>(decade / 3)]);
}

std::u16string kiloohmsText(StandardResistor resistor, std::u16string_view decimalPoint)
{
    const std::u16string digits = digitsOf(resistor);
    return withPoint(digits, static_cast<int>(digits.size()) + resistor.exponent - 3, decimalPoint);
}

std::u16string_view seriesName(Series series)
{
    switch (series) {
    case Series::E12:
        return u"E12";
    case Series::E24:
        return u"E24";
    case Series::E96:
        break;
    }
    return u"E96";
}
