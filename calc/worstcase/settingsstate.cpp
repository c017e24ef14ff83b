#include "worstcase/settingsstate.h"

#include <utility>

#include "nominal/messages.h"

SettingsState::SettingsState(std::u16string where,
                             SettingsProblem readProblem,
                             StoredCorners stored)
    : ranges_(stored.ranges), storedTexts_(std::move(stored.texts)),
      replaced_(std::move(stored.replaced)), readProblem_(readProblem), where_(std::move(where))
{}

std::vector<std::u16string> SettingsState::reportLines() const
{
    std::vector<std::u16string> lines;
    if (readProblem_ != SettingsProblem::None)
        lines.push_back(readNotice(readProblem_, where_));
    if (saveProblem_ != SettingsProblem::None)
        lines.push_back(unsavedNotice(saveProblem_));
    if (!replaced_.empty()) {
        std::u16string names;
        for (const CornerField field : replaced_)
            names.append(names.empty() ? u"" : u", ").append(cornerFieldName(field));
        lines.push_back(Messages::fill(Messages::Note::impostazioniSostituite, {names}));
    }
    return lines;
}

std::vector<SettingsState::FieldMark> SettingsState::replacedMarks() const
{
    std::vector<FieldMark> marks;
    for (const CornerField field : replaced_)
        marks.push_back({field, replacedMark(storedTexts_[static_cast<std::size_t>(field)])});
    return marks;
}

std::optional<std::u16string> SettingsState::confirm(const CornerRanges &ranges,
                                                     SettingsProblem saveProblem)
{
    ranges_ = ranges;
    replaced_.clear();
    readProblem_ = SettingsProblem::None;
    saveProblem_ = saveProblem;
    if (saveProblem_ == SettingsProblem::None)
        return std::nullopt;
    return saveFailure(saveProblem_, where_);
}
