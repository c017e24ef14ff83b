#include "worstcase/settingsstatus.h"

#include "nominal/messages.h"

namespace {

namespace Text = Messages::Settings;

std::u16string_view reason(SettingsProblem problem)
{
    switch (problem) {
    case SettingsProblem::EmptyFile:
        return Text::fileVuoto;
    case SettingsProblem::UnreadableFile:
        return Text::fileIlleggibile;
    case SettingsProblem::ReadOnlyFile:
        return Text::soloLettura;
    case SettingsProblem::FolderInTheWay:
        return Text::cartellaAlPosto;
    case SettingsProblem::FolderNotWritable:
        return Text::cartellaNonScrivibile;
    case SettingsProblem::None:
    case SettingsProblem::NotWritten:
        break;
    }
    return Text::nonScritto;
}

} // namespace

std::u16string saveFailure(SettingsProblem problem, std::u16string_view where)
{
    return Messages::fill(Text::nonSalvate, {where, reason(problem)});
}

std::u16string readNotice(SettingsProblem problem, std::u16string_view where)
{
    return Messages::fill(Text::nonLette, {where, reason(problem)});
}

std::u16string unsavedNotice(SettingsProblem problem)
{
    return Messages::fill(Text::ipotesiNonSalvate, {reason(problem)});
}

std::u16string replacedMark(const std::optional<std::u16string> &stored)
{
    if (!stored)
        return std::u16string(Text::sostituitoConLAltroEstremo);
    return Messages::fill(Text::sostituito, {*stored});
}
