// libFuzzer target for the input check, the number texts and a whole press of "Calcola ".
// Input: one byte choosing what to exercise, then UTF-16 code units, little-endian.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "messages.h"
#include "module1.h"
#include "numbertext.h"
#include "switchcalculation.h"

namespace {

void require(bool condition, const char *property)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", property);
        std::abort();
    }
}

std::u16string codeUnits(const std::uint8_t *data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The shape of "0.00": optional minus, digits, the separator, two digits.
bool hasHundredthsShape(std::u16string_view text, char16_t separator)
{
    std::size_t i = (!text.empty() && text[0] == u'-') ? 1 : 0;
    const std::size_t firstDigit = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > firstDigit && text.size() == i + 3 && text[i] == separator && isDigit(text[i + 1])
           && isDigit(text[i + 2]);
}

// The caption reads back within half a hundredth of the value (and the value's own rounding).
void requireReadsBack(std::u16string caption, char16_t separator, double value)
{
    require(hasHundredthsShape(caption, separator), "caption shaped like 0.00");
    for (char16_t &c : caption)
        if (c == separator)
            c = u'.';
    const std::optional<double> back = parseLeadingNumber(caption);
    require(back.has_value(), "caption reads back");
    require(std::fabs(*back - value) <= 0.005 + std::fabs(value) * 0x1p-50, "within 0.005");
}

class CountingWindow : public SwitchWindow
{
public:
    std::vector<std::u16string> texts = std::vector<std::u16string>(entryCount);
    int circuit = 0; // 0 none, 1 one transistor, 2 two transistors
    char16_t separator = u'.';
    std::vector<std::pair<ResultLabel, std::u16string>> writes;
    std::vector<std::u16string> boxes;

    bool option1() const override { return circuit == 1; }
    bool option2() const override { return circuit == 2; }
    std::u16string entryText(Entry entry) const override
    {
        return texts[static_cast<std::size_t>(entry)];
    }
    void setResult(ResultLabel label, std::u16string_view caption) override
    {
        writes.emplace_back(label, caption);
    }
    void showMessage(std::u16string_view message) override { boxes.emplace_back(message); }
    char16_t decimalSeparator() const override { return separator; }
};

void fuzzCheck(const std::u16string &text)
{
    Module1 module;
    module.Dato = text;
    module.MsgVuoto = u"vuoto";
    module.MsgErrore = u"errore";
    int boxes = 0;
    module.ControlloDati(module.Dato, [&](std::u16string_view message) {
        ++boxes;
        require(message == (text.empty() ? u"vuoto" : u"errore"), "the right message");
    });
    require(boxes <= 1, "at most one box per check");
    require(module.Errore == (boxes == 1 ? 1 : 0), "Errore tells whether a box was shown");
    require(module.Dato == text, "the check leaves Dato alone");
}

void fuzzConversion(const std::u16string &text)
{
    const std::optional<double> value = parseLeadingNumber(text);
    require(!value || std::isfinite(*value), "a converted value is finite");
}

void fuzzFormat(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (size < sizeof value)
        return;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return;
    for (const char16_t separator : {u'.', u','})
        requireReadsBack(formatHundredths(value, separator), separator, value);
}

void fuzzPress(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return;
    CountingWindow window;
    window.circuit = data[0] % 3;
    window.separator = (data[0] & 0x80) ? u',' : u'.';
    // The nine texts, separated by the code unit U+FFFF.
    std::size_t entry = 0;
    for (const char16_t c : codeUnits(data + 1, size - 1)) {
        if (c == u'\uFFFF') {
            if (++entry == entryCount)
                break;
            continue;
        }
        window.texts[entry].push_back(c);
    }

    FormVariables v;
    Module1 module;
    const PressOutcome outcome = pressCalcola(v, module, window);

    const std::size_t warnings =
        (!window.boxes.empty() && window.boxes[0] == Messages::correnteIngresso) ? 1 : 0;
    const std::size_t others = window.boxes.size() - warnings;
    require(others <= 1, "at most one box for the press's outcome");
    const std::size_t all = window.circuit == 2 ? 3 : window.circuit == 1 ? 2 : 0;
    switch (outcome) {
    case PressOutcome::Completed:
        require(others == 0, "a completed press shows only the warning");
        require(window.writes.size() == all, "a completed press writes all its captions");
        for (const auto &[label, caption] : window.writes) {
            const double value = label == ResultLabel::Label17   ? v.Rb1
                                 : label == ResultLabel::Label20 ? v.Rb2
                                                                 : v.Ii;
            requireReadsBack(caption, window.separator, value);
        }
        require(warnings == (v.Ii >= 4 ? 1U : 0U), "the warning exactly when Ii reaches 4 mA");
        break;
    case PressOutcome::NoCircuitSelected:
        require(window.boxes.empty() && window.writes.empty(), "nothing selected, nothing done");
        break;
    case PressOutcome::EntryRejected:
    case PressOutcome::OutOfRange:
        require(warnings == 0 && others == 1, "one box for a refused entry");
        require(window.writes.empty(), "a refused entry writes no caption");
        break;
    case PressOutcome::ArithmeticFault:
        require(others == 1, "one box for the fault");
        require(window.writes.empty(), "a fault writes no caption");
        break;
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
        fuzzConversion(codeUnits(data, size));
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
