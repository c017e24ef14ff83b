#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "worstcase/cornerranges.h"
#include "worstcase/cornersettings.h"
#include "worstcase/settingsstatus.h"

// The worst case's settings as the program holds them while it runs: the ranges in force; the
// texts read from the stored settings at start-up, and the fields whose stored value was replaced
// by its default; what stood in the way of reading them, and of keeping the ranges last
// confirmed; and where the settings are kept, as the system writes it.
class SettingsState
{
public:
    // The defaults, nothing read, nothing to say.
    SettingsState() = default;
    // As read at start-up from where: the stored settings field by field, or, where a problem
    // stood in the way of the file, the defaults (then stored holds nothing).
    SettingsState(std::u16string where, SettingsProblem readProblem, StoredCorners stored);

    const CornerRanges &ranges() const { return ranges_; }

    // The report's lines about the settings, in order: not read, and why; the ranges confirmed
    // not kept, and why; the stored values replaced by their defaults, by name.
    std::vector<std::u16string> reportLines() const;

    // The mark under each field of the form whose stored value was replaced, in the fields'
    // order: what was stored, if anything.
    struct FieldMark
    {
        CornerField field;
        std::u16string text;
    };
    std::vector<FieldMark> replacedMarks() const;

    // The form confirmed with the ranges, and what stood in the way of keeping them: they are in
    // force, nothing stored is replaced or unread any longer. The message that they could not be
    // kept, where and why, if so.
    std::optional<std::u16string> confirm(const CornerRanges &ranges, SettingsProblem saveProblem);

private:
    CornerRanges ranges_;
    std::array<std::optional<std::u16string>, cornerFieldCount> storedTexts_;
    std::vector<CornerField> replaced_;
    SettingsProblem readProblem_ = SettingsProblem::None;
    SettingsProblem saveProblem_ = SettingsProblem::None;
    std::u16string where_;
};
