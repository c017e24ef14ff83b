#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number text, for reading entries and writing results, independent of the C library's locale.

// Reads the longest leading decimal number of the text: optional sign, digits, optional "." and
// digits, optional exponent ("E" or "e", optional sign, digits); the rest is ignored. "." is the
// only decimal point. A text that does not start with a number reads as 0, and one that underflows
// as 0 of its sign. A number beyond the range of a double gives no value.
std::optional<double> parseLeadingNumber(std::u16string_view text);

// Reads a text that is one decimal number as parseLeadingNumber reads it, whole: none where the
// text is empty, holds anything else, or lies beyond the range of a double.
std::optional<double> parseWholeNumber(std::u16string_view text);

// The same, with the locale's decimal point taken as well as ".": the program's own forms accept
// "0,9" where the locale writes it so.
std::optional<double> parseWholeNumber(std::u16string_view text, std::u16string_view decimalPoint);

// The shortest text that reads back as the same double ("0.6", "5", "1E-05"), with the given
// decimal point; "-" before a negative value, never before a zero. The value must be finite.
std::u16string formatShortest(double value, std::u16string_view decimalPoint);

// Formats like the pattern "0.00": at least one digit before the decimal point, exactly two after,
// rounded to the nearest hundredth (a tie to the even hundredth), "-" before a negative value,
// never a group separator. The decimal point is the locale's whole text, of one or more code
// units. The value must be finite.
std::u16string formatHundredths(double value, std::u16string_view decimalPoint);

// Formats with the given number of decimals, rounded to nearest (a tie to the even neighbour), "-"
// before a negative value, never a group separator, the decimal point being the locale's whole
// text. The value must be finite and below 1E308 in magnitude, with at most 330 decimals.
std::u16string formatFixed(double value, int decimals, std::u16string_view decimalPoint);

// Formats to three significant digits, never fewer than two decimals (0.632, 0.0768, 4.87, 48.70),
// from 1E6 on as the entries accept it, in powers of ten (1.20E+298); rounded as formatFixed
// rounds, without "-" before a zero. The value must be finite.
std::u16string formatThreeSignificant(double value, std::u16string_view decimalPoint);

// The number a finite value reads as once formatted by formatThreeSignificant or formatHundredths:
// what two figures show, compared as numbers ("4,00" for 3.9996 reaches 4).
double asShownThreeSignificant(double value);
double asShownHundredths(double value);
