#pragma once

#include <array>
#include <string>
#include <vector>

#include "switchcalculation.h"

// A window without a toolkit: entry texts and options are set by the test, and every message
// shown and every caption written is recorded in order.
class FakeWindow : public SwitchWindow
{
public:
    enum class Circuit { None, OneTransistor, TwoTransistors };

    explicit FakeWindow(Circuit circuit = Circuit::OneTransistor, char16_t separator = u'.')
        : circuit(circuit), separator(separator)
    {
    }

    // The sample design: Vcc 12 V, IL 40 mA, Vi 5 V, hFE 100 and 100, R1 = R2 = 10 kohm, 20 %.
    void fillSample()
    {
        texts = {u"12", u"40", u"5", u"100", u"100", u"20", u"20", u"10", u"10"};
    }
    std::u16string &text(Entry entry) { return texts[static_cast<std::size_t>(entry)]; }
    const std::u16string &result(ResultLabel label) const
    {
        return results[static_cast<std::size_t>(label)];
    }

    bool option1() const override { return circuit == Circuit::OneTransistor; }
    bool option2() const override { return circuit == Circuit::TwoTransistors; }
    std::u16string entryText(Entry entry) const override
    {
        return texts[static_cast<std::size_t>(entry)];
    }
    void setResult(ResultLabel label, std::u16string_view caption) override
    {
        results[static_cast<std::size_t>(label)] = caption;
        writes.push_back(label);
    }
    void showMessage(std::u16string_view message) override
    {
        messages.emplace_back(message);
        writesBeforeMessage.push_back(writes.size());
    }
    char16_t decimalSeparator() const override { return separator; }

    Circuit circuit;
    char16_t separator;
    std::array<std::u16string, entryCount> texts{};
    std::array<std::u16string, 3> results{};
    std::vector<std::u16string> messages;
    std::vector<std::size_t> writesBeforeMessage; // captions written when each box was shown
    std::vector<ResultLabel> writes;
};
