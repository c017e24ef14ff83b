// libFuzzer target for the input check, the number texts and a whole press of "Calcola ".
// Each result is compared with a reference worked out another way: a table-driven recogniser and
// the C library's strtod for the numbers read, snprintf for the numbers written.
//
// Input: one byte choosing what to exercise, then
//   0 check       a text of UTF-16 code units, little-endian;
//   1 conversion  a text of one code unit per byte (0-255), also run through the check;
//   2 format      a double (8 bytes, little-endian), then a decimal point of UTF-16 code units;
//   3 press       a byte choosing the circuit (0 none, 1 one transistor, 2 two), then the nine
//                 entry texts, one code unit per byte, separated by the byte 0xFF.
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "nominal/messages.h"
#include "nominal/module1.h"
#include "nominal/numbertext.h"
#include "notes/datasheetchecknotes.h"
#include "notes/designreport.h"
#include "notes/resultnotes.h"
#include "press.h"

namespace {

void require(bool condition, const char *property)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", property);
        std::abort();
    }
}

// The "C" locale, so that no reference depends on the locale of the process.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

std::u16string codeUnits(const std::uint8_t *data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}

std::u16string bytesAsCodeUnits(const std::uint8_t *data, std::size_t size)
{
    return std::u16string(data, data + size);
}

// --- References ---

// The characters an entry may hold, as a set.
bool allowedReference(std::u16string_view text)
{
    return !text.empty() && text.find_first_not_of(u"0123456789.eE-+") == std::u16string_view::npos;
}

// Length of the longest leading number: a finite automaton over character classes, remembering
// the last accepting state it passed.
std::size_t leadingNumberLength(std::u16string_view text)
{
    enum Class { Sign, Digit, Point, Exp, Other };
    enum State { Start, Signed, BarePoint, Integer, Fraction, ExpMark, ExpSigned, ExpDigits, Dead };
    static constexpr State next[Dead][Other + 1] = {
        // Columns by class: Sign, Digit, Point, Exp, Other.
        {Signed, Integer, BarePoint, Dead, Dead}, // Start
        {Dead, Integer, BarePoint, Dead, Dead},   // Signed
        {Dead, Fraction, Dead, Dead, Dead},       // BarePoint: "." or "-." so far
        {Dead, Integer, Fraction, ExpMark, Dead}, // Integer (accepts)
        {Dead, Fraction, Dead, ExpMark, Dead},    // Fraction (accepts)
        {ExpSigned, ExpDigits, Dead, Dead, Dead}, // ExpMark
        {Dead, ExpDigits, Dead, Dead, Dead},      // ExpSigned
        {Dead, ExpDigits, Dead, Dead, Dead},      // ExpDigits (accepts)
    };
    const auto classOf = [](char16_t c) {
        if (c == u'+' || c == u'-')
            return Sign;
        if (c >= u'0' && c <= u'9')
            return Digit;
        if (c == u'.')
            return Point;
        if (c == u'e' || c == u'E')
            return Exp;
        return Other;
    };
    State state = Start;
    std::size_t accepted = 0;
    for (std::size_t i = 0; i < text.size() && state != Dead; ++i) {
        state = next[state][classOf(text[i])];
        if (state == Integer || state == Fraction || state == ExpDigits)
            accepted = i + 1;
    }
    return accepted;
}

// The value of the text's leading number, as strtod reads it in the "C" locale; 0 without one.
// strtod rounds correctly, subnormals included. Out of range it sets ERANGE and gives either
// +-HUGE_VAL (an overflow: no value) or the tiny result, +-0 when that rounds to zero (an
// underflow, which the program reads as that same value). The number holds no "inf", so an
// infinite result is exactly an overflow.
std::optional<double> parseReference(std::u16string_view text)
{
    const std::size_t length = leadingNumberLength(text);
    if (length == 0)
        return 0.0;
    const std::string number(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

// "%.2f" in the "C" locale, its "." replaced by the decimal point; a zero shows without a minus.
std::u16string formatReference(double value, std::u16string_view decimalPoint)
{
    char buffer[400];
    const locale_t previous = uselocale(cLocale());
    const int length = std::snprintf(buffer, sizeof buffer, "%.2f", value == 0.0 ? 0.0 : value);
    uselocale(previous);
    std::u16string text;
    for (int i = 0; i < length; ++i) {
        if (buffer[i] == '.')
            text.append(decimalPoint);
        else
            text.push_back(static_cast<char16_t>(buffer[i]));
    }
    return text;
}

bool sameValue(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return *a == *b && std::signbit(*a) == std::signbit(*b);
}

// --- The modes ---

void fuzzCheck(const std::u16string &text)
{
    Module1 module;
    module.Dato = text;
    module.MsgVuoto = u"vuoto";
    module.MsgErrore = u"errore";
    std::u16string shown;
    int boxes = 0;
    module.ControlloDati(module.Dato, [&](std::u16string_view message) {
        ++boxes;
        shown = message;
    });
    const bool allowed = allowedReference(text);
    require(module.Errore == (allowed ? 0 : 1), "Errore 0 exactly for allowed characters");
    require(boxes == (allowed ? 0 : 1), "one message for a rejected text, none otherwise");
    if (!allowed)
        require(shown == (text.empty() ? u"vuoto" : u"errore"), "the message of the rejection");
    require(module.Dato == text, "the check leaves Dato alone");
}

void fuzzConversion(const std::u16string &text)
{
    fuzzCheck(text);
    require(sameValue(parseLeadingNumber(text), parseReference(text)), "the value read");
}

void fuzzFormat(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (size < sizeof value)
        return;
    std::memcpy(&value, data, sizeof value);
    // Also a short binary fraction made of the same bytes, so that exact ties of a hundredth
    // (odd multiples of 1/8) come up often.
    std::int32_t whole = 0;
    std::memcpy(&whole, data, sizeof whole);
    const double fraction = std::ldexp(static_cast<double>(whole), -(data[4] % 8));
    const std::u16string fuzzedPoint = codeUnits(data + sizeof value, size - sizeof value);

    for (const double x : {value, fraction}) {
        if (!std::isfinite(x))
            continue;
        for (const std::u16string_view point : {std::u16string_view(u"."),
                                                std::u16string_view(u","),
                                                std::u16string_view(u"\u066B\u066B"),
                                                std::u16string_view(u"\U0001D15F"),
                                                std::u16string_view(fuzzedPoint)})
            require(formatHundredths(x, point) == formatReference(x, point), "the text 0.00");
    }
}

void fuzzPress(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return;
    const int circuit = data[0] % 3;
    std::array<std::u16string, entryCount> texts;
    std::size_t entry = 0;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0xFF) {
            if (++entry == entryCount)
                break;
            continue;
        }
        texts[entry].push_back(data[i]);
    }
    PressInput input;
    input.option1 = circuit == 1;
    input.option2 = circuit == 2;
    for (std::size_t i = 0; i < entryCount; ++i)
        input.texts[i] = texts[i];

    FormVariables v;
    Module1 module;
    const PressOutcome outcome = pressCalcola(v, module, input);

    std::size_t warnings = 0;
    for (std::size_t i = 0; i < outcome.messages.size(); ++i) {
        const PressMessage &message = outcome.messages[i];
        if (message.kind != MessageKind::CurrentWarning)
            continue;
        ++warnings;
        require(i == 0, "the warning comes first");
        require(message.text == Messages::correnteIngresso, "the warning's text");
    }
    const std::size_t others = outcome.messages.size() - warnings;
    require(warnings <= 1 && others <= 1, "at most one message besides the warning");
    if (circuit == 0)
        require(outcome.messages.empty(), "nothing selected, nothing shown");
    require(outcome.results.has_value() == (circuit != 0 && others == 0),
            "results exactly when a selected circuit's press completed");
    require((v.Msg == Messages::correnteIngresso) == (warnings == 1), "the warning is kept");
    if (warnings == 1)
        require(v.Ii >= 4, "the warning only when Ii reaches 4 mA");

    bool allEntriesAllowed = true;
    for (const std::u16string &text : texts)
        allEntriesAllowed = allEntriesAllowed && allowedReference(text);
    for (const PressMessage &message : outcome.messages)
        require(!(allEntriesAllowed && message.kind == MessageKind::EntryRejected),
                "no entry rejected when every entry holds allowed characters");

    if (const std::optional<PressResults> &r = outcome.results) {
        require(r->Rb1 == v.Rb1 && r->Ii == v.Ii, "the results are the kept variables");
        require(r->Rb2.has_value() == (circuit == 2), "Rb2 for a two-transistor press only");
        if (r->Rb2)
            require(*r->Rb2 == v.Rb2, "Rb2 is the kept variable");
        require((warnings == 1) == (r->Ii >= 4), "the warning exactly when Ii reaches 4 mA");

        // A value to buy holds at every corner: its transistor on, the margin asked for, and
        // where the CMOS output drives it, Ii max short of 4 mA.
        for (const SeriesFit &s : r->fits.series) {
            const auto holds = [&](const Purchase &purchase, double magg, bool feedsOutput) {
                const auto *fit = std::get_if<StageFit>(&purchase);
                return !fit
                       || (!fit->offInWorstCase()
                           && (!fit->worstMargin || *fit->worstMargin >= magg)
                           && !(feedsOutput && reachesCmosLimit(fit->largestCurrent)));
            };
            require(holds(s.buyRb1, v.maggIb1, circuit == 1), "Rb1 to buy holds");
            if (s.buyRb2)
                require(holds(*s.buyRb2, v.maggIb2, true), "Rb2 to buy holds");
        }
        // Its notes and its report can always be written.
        DesignNotes notes = designNotes(r->Ii, r->fits, u",");
        DesignReport report;
        report.summary = summaryNotes(r->fits, u",", notes.results.front().assumptions);
        require(report.summary.sentences() == summaryNotes(r->fits, u",").sentences(),
                "the summary is the same with the press's assumptions");
        report.notes = std::move(notes.results);
        report.notes.push_back(datasheetCheckNotes(r->fits, u","));
        require(!report.plainText().empty(), "the report has a text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0] % 4;
    ++data;
    --size;
    switch (mode) {
    case 0:
        fuzzCheck(codeUnits(data, size));
        break;
    case 1:
        fuzzConversion(bytesAsCodeUnits(data, size));
        break;
    case 2:
        fuzzFormat(data, size);
        break;
    case 3:
        fuzzPress(data, size);
        break;
    }
    return 0;
}
