#include "nominal/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

std::size_t skipDigits(std::u16string_view text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// The decimal exponent of the leading significant digit of a number that std::from_chars found
// out of range: above 0 it overflowed, below it underflowed. Saturated, so no count can wrap.
std::int64_t decimalMagnitude(std::string_view number)
{
    const auto saturated = [](std::int64_t n) {
        constexpr std::int64_t limit = 1'000'000'000'000'000;
        return std::clamp(n, -limit, limit);
    };
    std::size_t i = (number.front() == '-') ? 1 : 0;
    while (i < number.size() && number[i] == '0')
        ++i;
    std::int64_t integerDigits = 0; // significant digits before the point
    for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i)
        integerDigits = saturated(integerDigits + 1);
    std::int64_t magnitude = integerDigits - 1;
    if (i < number.size() && number[i] == '.') {
        ++i;
        std::int64_t zeros = 0;
        for (; i < number.size() && number[i] == '0'; ++i)
            zeros = saturated(zeros + 1);
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
            exponent = saturated(exponent * 10 + (number[i] - '0'));
        magnitude = saturated(magnitude + (negative ? -exponent : exponent));
    }
    return magnitude;
}

} // namespace

namespace {

// Where the longest leading number of the text ends, and whether it has any digit of mantissa.
struct LeadingNumber
{
    std::size_t mantissaStart; // after the sign
    std::size_t end;
    bool hasDigits;
};

LeadingNumber findLeadingNumber(std::u16string_view text)
{
    std::size_t end = 0;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    const std::size_t mantissaStart = end;
    end = skipDigits(text, end);
    std::size_t digits = end - mantissaStart;
    if (end < text.size() && text[end] == u'.') {
        const std::size_t fractionStart = end + 1;
        end = skipDigits(text, fractionStart);
        digits += end - fractionStart;
    }
    if (digits > 0 && end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        std::size_t exponentStart = end + 1;
        if (exponentStart < text.size()
            && (text[exponentStart] == u'+' || text[exponentStart] == u'-'))
            ++exponentStart;
        const std::size_t exponentEnd = skipDigits(text, exponentStart);
        if (exponentEnd > exponentStart)
            end = exponentEnd;
    }
    return {mantissaStart, end, digits > 0};
}

} // namespace

std::optional<double> parseWholeNumber(std::u16string_view text)
{
    const LeadingNumber number = findLeadingNumber(text);
    if (!number.hasDigits || number.end != text.size())
        return std::nullopt;
    return parseLeadingNumber(text);
}

std::optional<double> parseWholeNumber(std::u16string_view text, std::u16string_view decimalPoint)
{
    if (decimalPoint.empty() || decimalPoint == u"." || text.find(u'.') != text.npos)
        return parseWholeNumber(text);
    const std::size_t at = text.find(decimalPoint);
    if (at == text.npos)
        return parseWholeNumber(text);
    std::u16string withPoint(text.substr(0, at));
    withPoint += u'.';
    withPoint += text.substr(at + decimalPoint.size());
    return parseWholeNumber(withPoint);
}

std::optional<double> parseLeadingNumber(std::u16string_view text)
{
    // The longest leading number.
    const auto [mantissaStart, end, hasDigits] = findLeadingNumber(text);
    if (!hasDigits)
        return 0.0;

    // Every code unit of the number is ASCII, so it narrows losslessly. std::from_chars reads "."
    // whatever the locale; it takes a "-" in front but no "+". A number typed by hand fits the
    // array; a longer one, pasted, goes to the heap.
    const bool negative = text.front() == u'-';
    const std::size_t length = (negative ? 1 : 0) + (end - mantissaStart);
    std::array<char, 64> shortNumber; // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::string longNumber;
    char *first = shortNumber.data();
    if (length > shortNumber.size()) {
        longNumber.resize(length);
        first = longNumber.data();
    }
    char *out = first;
    if (negative)
        *out++ = '-';
    for (std::size_t i = mantissaStart; i < end; ++i)
        *out++ = static_cast<char>(text[i]);
    const std::string_view number(first, length);

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

namespace {

// The characters std::to_chars wrote, with the locale's decimal point and an upper-case "E".
std::u16string widened(const char *first, const char *last, std::u16string_view decimalPoint)
{
    std::u16string text;
    text.reserve(static_cast<std::size_t>(last - first) + decimalPoint.size());
    for (const char *p = first; p != last; ++p) {
        if (*p == '.')
            text.append(decimalPoint);
        else
            text.push_back(*p == 'e' ? u'E' : static_cast<char16_t>(*p));
    }
    return text;
}

std::u16string
format(double value, std::chars_format style, int precision, std::u16string_view decimalPoint)
{
    // 309 integer digits at most for a finite double, sign, point and the decimals.
    std::array<char, 650> buffer; // NOLINT(cppcoreguidelines-pro-type-member-init): written first
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, style, precision);
    if (ec != std::errc())
        return {};
    return widened(buffer.data(), end, decimalPoint);
}

} // namespace

std::u16string formatShortest(double value, std::u16string_view decimalPoint)
{
    if (value == 0.0)
        value = 0.0; // no minus before a zero
    // 24 characters hold the shortest form of any double.
    std::array<char, 32> buffer; // NOLINT(cppcoreguidelines-pro-type-member-init): written first
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (ec != std::errc())
        return {};
    return widened(buffer.data(), end, decimalPoint);
}

std::u16string formatFixed(double value, int decimals, std::u16string_view decimalPoint)
{
    return format(value, std::chars_format::fixed, decimals, decimalPoint);
}

std::u16string formatHundredths(double value, std::u16string_view decimalPoint)
{
    if (value == 0.0)
        value = 0.0; // a zero of either sign shows without a minus
    return formatFixed(value, 2, decimalPoint);
}

std::u16string formatThreeSignificant(double value, std::u16string_view decimalPoint)
{
    if (value == 0.0)
        value = 0.0; // no minus before a zero
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e6))
        return format(value, std::chars_format::scientific, 2, decimalPoint);
    if (!(magnitude < 1.0) || magnitude == 0.0)
        return formatFixed(value, 2, decimalPoint);
    // Below 1, 2 - e decimals, e the decimal exponent of the leading digit. Rounding may carry into
    // the next decade (0.09996 gives 0.1000), and log10 may place a value next to a power of ten in
    // the decade below: either way the text then has a fourth digit and one decimal too many.
    const int decimals = 2 - static_cast<int>(std::floor(std::log10(magnitude)));
    std::u16string text = formatFixed(value, decimals, decimalPoint);
    const std::size_t point =
        text.size() - static_cast<std::size_t>(decimals) - decimalPoint.size();
    int significant = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((i < point || i >= point + decimalPoint.size()) && isDigit(text[i])
            && (significant > 0 || text[i] != u'0'))
            ++significant;
    if (significant > 3)
        text = formatFixed(value, decimals - 1, decimalPoint);
    return text;
}

// The decimal rounding is the formatting's own, so the text is made with "." and read back.
double asShownThreeSignificant(double value)
{
    return parseLeadingNumber(formatThreeSignificant(value, u".")).value_or(value);
}

double asShownHundredths(double value)
{
    return parseLeadingNumber(formatHundredths(value, u".")).value_or(value);
}
