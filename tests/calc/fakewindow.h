#pragma once

#include <array>
#include <string>
#include <vector>

#include "sampledesign.h"
#include "switchcalculation.h"

// A window without a toolkit: entry texts and options are set by the test, and every message
// shown and every caption written is recorded in order.
class FakeWindow : public SwitchWindow
{
public:
    enum class Circuit { None, OneTransistor, TwoTransistors };

    explicit FakeWindow(Circuit circuit = Circuit::OneTransistor, char16_t separator = u'.')
        : circuit(circuit), separator(separator)
    {}

    void fillSample()
    {
        for (const SampleText &sample : sampleDesign)
            text(sample.entry) = sample.text;
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
