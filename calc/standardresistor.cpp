#include "standardresistor.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

constexpr std::array<int, 12> e12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                  33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

constexpr int decades = 7;             // 1 ohm to 9.1 Mohm
constexpr StandardResistor top{10, 7}; // 10 Mohm closes the range

// Every value of a series from 1 ohm to 10 Mohm, rising.
template <std::size_t N> constexpr auto valuesOf(const std::array<int, N> &series)
{
    std::array<StandardResistor, N * decades + 1> values{};
    std::size_t k = 0;
    for (int decade = 0; decade < decades; ++decade)
        for (const int digits : series)
            values[k++] = {digits, decade};
    values[k] = top;
    return values;
}

// digits x 10^(decade - 4) kohm: an exact integer times or over an exact power of ten, so one
// correctly rounded operation, the same double as the literal ("7.5", "0.001").
constexpr double kiloohmsOf(StandardResistor r)
{
    constexpr std::array<double, 5> powers{1.0, 10.0, 100.0, 1000.0, 10000.0};
    const int exponent = r.decade - 4;
    const auto d = static_cast<double>(r.digits);
    return exponent < 0 ? d / powers[static_cast<std::size_t>(-exponent)]
                        : d * powers[static_cast<std::size_t>(exponent)];
}

template <std::size_t N>
constexpr std::array<double, N> kiloohmsOf(const std::array<StandardResistor, N> &values)
{
    std::array<double, N> kiloohms{};
    for (std::size_t i = 0; i < N; ++i)
        kiloohms[i] = kiloohmsOf(values[i]);
    return kiloohms;
}

constexpr auto e12Values = valuesOf(e12);
constexpr auto e24Values = valuesOf(e24);
constexpr auto e12Kiloohms = kiloohmsOf(e12Values);
constexpr auto e24Kiloohms = kiloohmsOf(e24Values);

std::span<const StandardResistor> valuesOf(Series series)
{
    return series == Series::E12 ? std::span<const StandardResistor>(e12Values)
                                 : std::span<const StandardResistor>(e24Values);
}

std::span<const double> kiloohmsOf(Series series)
{
    return series == Series::E12 ? std::span<const double>(e12Kiloohms)
                                 : std::span<const double>(e24Kiloohms);
}

// The standard value s is not above r, within the tolerance.
bool notAbove(double s, double r)
{
    return s <= r || s - r <= standardValueTolerance * s;
}

// The computed r lies above the standard value s beyond the tolerance.
bool exceeds(double r, double s)
{
    return r > s && r - s > standardValueTolerance * s;
}

} // namespace

double StandardResistor::kiloohms() const
{
    return kiloohmsOf(*this);
}

std::variant<StandardResistor, NoStandardValue> largestNotAbove(Series series, double kiloohms)
{
    if (!(kiloohms > 0.0))
        return NoStandardValue::NotPositive;
    if (exceeds(kiloohms, top.kiloohms()))
        return NoStandardValue::AboveRange;
    const std::span<const double> values = kiloohmsOf(series);
    const auto above = std::partition_point(
        values.begin(), values.end(), [&](double s) { return notAbove(s, kiloohms); });
    if (above == values.begin())
        return NoStandardValue::BelowRange;
    return valuesOf(series)[static_cast<std::size_t>(above - values.begin()) - 1];
}

std::u16string resistorText(StandardResistor resistor, std::u16string_view decimalPoint)
{
    // Ohm for decades 0 to 2, kohm for 3 to 5, Mohm from 6: the first digit sits 0, 1 or 2
    // places before the point of its unit.
    static constexpr std::array<std::u16string_view, 3> units{u" ohm", u" kohm", u" Mohm"};
    const int unit = resistor.decade / 3;
    const int place = resistor.decade % 3;
    const auto first = static_cast<char16_t>(u'0' + resistor.digits / 10);
    const auto second = static_cast<char16_t>(u'0' + resistor.digits % 10);
    std::u16string text(1, first);
    if (place == 0) {
        if (second != u'0')
            text.append(decimalPoint).push_back(second);
    } else {
        text.push_back(second);
        if (place == 2)
            text.push_back(u'0');
    }
    text.append(units[static_cast<std::size_t>(unit)]);
    return text;
}

std::u16string_view seriesName(Series series)
{
    return series == Series::E12 ? u"E12" : u"E24";
}
