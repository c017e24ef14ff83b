#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The decimal exponent of the leading significant digit, saturated: enough to tell an overflow
// from an underflow when std::from_chars reports a value out of range.
std::int64_t decimalMagnitude(std::string_view number)
{
    std::size_t i = (number.front() == '-') ? 1 : 0;
    while (i < number.size() && number[i] == '0')
        ++i;
    std::int64_t integerDigits = 0; // significant digits before the point
    for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i)
        ++integerDigits;
    std::int64_t magnitude = integerDigits - 1;
    if (i < number.size() && number[i] == '.') {
        ++i;
        std::int64_t zeros = 0;
        for (; i < number.size() && number[i] == '0'; ++i)
            ++zeros;
        if (integerDigits == 0)
            magnitude = -(zeros + 1);
        while (i < number.size() && number[i] >= '0' && number[i] <= '9')
            ++i;
    }
    if (i < number.size()) { // the exponent
        ++i;
        const bool negative = number[i] == '-';
        if (number[i] == '-' || number[i] == '+')
            ++i;
        std::int64_t exponent = 0;
        for (; i < number.size(); ++i)
            exponent = std::min<std::int64_t>(exponent * 10 + (number[i] - '0'), 1'000'000'000'000);
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

// 10^0 to 10^22: every one is a double exactly.
constexpr std::array<double, 23> exactPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

std::optional<double> parseLeadingNumber(std::u16string_view text)
{
    // Find the longest leading number. Every code unit in it is ASCII, so it narrows losslessly.
    // On the way, gather what the fast path below needs: the significant digits as an integer,
    // how many of them follow the point, and the exponent.
    std::size_t end = 0;
    bool negative = false;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-')) {
        negative = text[end] == u'-';
        ++end;
    }
    const std::size_t mantissaStart = end;
    std::size_t digits = 0;
    std::uint64_t significand = 0;
    int significantDigits = 0;
    std::int64_t fractionDigits = 0;
    const auto takeDigit = [&](char16_t c) {
        if (significand == 0 && c == u'0')
            return; // a leading zero
        if (++significantDigits <= 19)
            significand = significand * 10 + static_cast<std::uint64_t>(c - u'0');
    };
    for (; end < text.size() && isDigit(text[end]); ++end, ++digits)
        takeDigit(text[end]);
    if (end < text.size() && text[end] == u'.') {
        ++end;
        for (; end < text.size() && isDigit(text[end]); ++end, ++digits) {
            takeDigit(text[end]);
            if (significantDigits <= 19)
                ++fractionDigits;
        }
    }
    if (digits == 0)
        return 0.0;
    std::int64_t exponent = 0;
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        std::size_t exponentEnd = end + 1;
        bool negativeExponent = false;
        if (exponentEnd < text.size() && (text[exponentEnd] == u'+' || text[exponentEnd] == u'-')) {
            negativeExponent = text[exponentEnd] == u'-';
            ++exponentEnd;
        }
        if (exponentEnd < text.size() && isDigit(text[exponentEnd])) {
            for (; exponentEnd < text.size() && isDigit(text[exponentEnd]); ++exponentEnd)
                exponent =
                    std::min<std::int64_t>(exponent * 10 + (text[exponentEnd] - u'0'), 1'000'000);
            end = exponentEnd;
            if (negativeExponent)
                exponent = -exponent;
        }
    }

    // Fast path: an exact integer of at most 2^53 times or divided by an exact power of ten is
    // one correctly rounded operation, the same double as the full conversion gives.
    const std::int64_t scale = exponent - fractionDigits;
    if (significand == 0 && significantDigits == 0)
        return negative ? -0.0 : 0.0;
    if (significantDigits <= 19 && significand <= (std::uint64_t{1} << 53) && scale >= -22
        && scale <= 22) {
        const double w = static_cast<double>(significand);
        const double value = scale < 0 ? w / exactPowersOfTen[static_cast<std::size_t>(-scale)]
                                       : w * exactPowersOfTen[static_cast<std::size_t>(scale)];
        return negative ? -value : value;
    }

    // std::from_chars reads "." whatever the locale; it takes no "+" in front.
    const std::size_t length = (negative ? 1 : 0) + (end - mantissaStart);
    std::string number;
    number.reserve(length);
    if (negative)
        number.push_back('-');
    for (std::size_t i = mantissaStart; i < end; ++i)
        number.push_back(static_cast<char>(text[i]));

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (decimalMagnitude(number) > 0)
            return std::nullopt;
        return negative ? -0.0 : 0.0;
    }
    return value;
}

std::u16string formatHundredths(double value, char16_t decimalSeparator)
{
    if (value == 0.0)
        value = 0.0; // a zero of either sign shows without a minus
    std::u16string text;

    // Fast path, for every value a design gives: the number of hundredths rounded to nearest.
    // p = |value| x 100 is rounded, but fma gives its error exactly, and that error decides
    // whenever p lies on a half; below 2^52 the halves are doubles, so it cannot cross one
    // elsewhere. An exact half goes to the even neighbour, as the general path does.
    const double magnitude = std::fabs(value);
    if (magnitude < 1e13) {
        const double p = magnitude * 100.0;
        const double error = std::fma(magnitude, 100.0, -p);
        double hundredths = std::floor(p);
        const double fraction = p - hundredths;
        if (fraction > 0.5
            || (fraction == 0.5
                && (error > 0.0 || (error == 0.0 && std::fmod(hundredths, 2.0) == 1.0))))
            hundredths += 1.0;
        std::array<char16_t, 24> digits{};
        std::size_t n = 0;
        auto count = static_cast<std::uint64_t>(hundredths);
        do {
            if (n == 2)
                digits[n++] = decimalSeparator;
            digits[n++] = static_cast<char16_t>(u'0' + count % 10);
            count /= 10;
        } while (count != 0 || n < 4);
        if (value < 0.0)
            digits[n++] = u'-';
        text.assign(digits.rend() - static_cast<std::ptrdiff_t>(n), digits.rend());
        return text;
    }

    // 309 integer digits at most for a finite double, sign, point and two decimals.
    std::array<char, 320> buffer{};
    const auto [end, ec] = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2);
    if (ec != std::errc())
        return text;
    text.reserve(static_cast<std::size_t>(end - buffer.data()));
    for (const char *p = buffer.data(); p != end; ++p)
        text.push_back(*p == '.' ? decimalSeparator : static_cast<char16_t>(*p));
    return text;
}
