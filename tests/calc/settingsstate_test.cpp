#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "worstcase/settingsstate.h"

#include "namedcase.h"

namespace {

const std::u16string where = u"/home/progettista/.config/Brenvola/Brenvola.conf";

using StoredTexts = std::array<std::optional<std::u16string>, cornerFieldCount>;

StoredTexts storing(std::initializer_list<std::pair<CornerField, std::u16string>> values)
{
    StoredTexts texts;
    for (const auto &[field, text] : values)
        texts[static_cast<std::size_t>(field)] = text;
    return texts;
}

// What the report and the form say of the settings: as read at start-up, then, where given, after
// the form was confirmed with the save's outcome.
struct StateCase
{
    const char *name;
    SettingsProblem readProblem;
    StoredTexts stored;
    std::optional<SettingsProblem> saved; // none: the form not confirmed
    std::vector<std::u16string> lines;
    std::vector<std::pair<CornerField, std::u16string>> marks;
    std::optional<std::u16string> failure; // the message on confirming
};

class SettingsStateTest : public ::testing::TestWithParam<StateCase>
{};

TEST_P(SettingsStateTest, SaysWhatBecameOfTheStoredSettings)
{
    const StateCase &c = GetParam();
    SettingsState state(where,
                        c.readProblem,
                        c.readProblem == SettingsProblem::None ? readStoredCorners(c.stored)
                                                               : StoredCorners{});
    if (c.saved) {
        CornerRanges confirmed;
        confirmed.Tmax = 60;
        EXPECT_EQ(state.confirm(confirmed, *c.saved), c.failure);
        EXPECT_EQ(state.ranges(), confirmed);
    }
    EXPECT_EQ(state.reportLines(), c.lines);
    std::vector<std::pair<CornerField, std::u16string>> marks;
    for (const SettingsState::FieldMark &mark : state.replacedMarks())
        marks.emplace_back(mark.field, mark.text);
    EXPECT_EQ(marks, c.marks);
}

const std::u16string notValid =
    u"Impostazioni salvate non valide, sostituite con i valori "
    u"predefiniti: Vbe minima [V], Vbe massima [V], Tolleranza E12 [%].";

INSTANTIATE_TEST_SUITE_P(
    Settings,
    SettingsStateTest,
    ::testing::Values(
        StateCase{"NothingStored", SettingsProblem::None, {}, std::nullopt, {}, {}, std::nullopt},
        StateCase{"EmptyFile",
                  SettingsProblem::EmptyFile,
                  {},
                  std::nullopt,
                  {u"Impostazioni salvate non lette (/home/progettista/.config/Brenvola/"
                   u"Brenvola.conf: il file è vuoto): valgono i valori predefiniti."},
                  {},
                  std::nullopt},
        // A range refused takes both its ends: the one stored says what it was, the other that
        // the range was refused.
        StateCase{
            "ReplacedFieldsNamedAndMarked",
            SettingsProblem::None,
            storing({{CornerField::VbeLowest, u"0.95"},
                     {CornerField::ToleranceE12, u"dieci"},
                     {CornerField::ToleranceE24, u"1"}}),
            std::nullopt,
            {notValid},
            {{CornerField::VbeLowest, u"Salvato \u00ab0.95\u00bb, non valido: qui il predefinito."},
             {CornerField::VbeHighest, u"Intervallo salvato non valido: qui il predefinito."},
             {CornerField::ToleranceE12,
              u"Salvato \u00abdieci\u00bb, non valido: qui il predefinito."}},
            std::nullopt},
        StateCase{"ConfirmedAndSavedSaysNothing",
                  SettingsProblem::None,
                  storing({{CornerField::VbeLowest, u"0.95"}}),
                  SettingsProblem::None,
                  {},
                  {},
                  std::nullopt},
        StateCase{"ConfirmedAfterAnUnreadFile",
                  SettingsProblem::UnreadableFile,
                  {},
                  SettingsProblem::None,
                  {},
                  {},
                  std::nullopt},
        StateCase{"ConfirmedButNotSaved",
                  SettingsProblem::None,
                  storing({{CornerField::ToleranceE12, u"dieci"}}),
                  SettingsProblem::ReadOnlyFile,
                  {u"Ipotesi non salvate: il file è di sola lettura; valgono fino alla chiusura "
                   u"del programma."},
                  {},
                  u"Non è stato possibile salvare le ipotesi del caso peggiore in "
                  u"/home/progettista/.config/Brenvola/Brenvola.conf: il file è di sola lettura. "
                  u"Valgono solo fino alla chiusura del programma."}),
    CaseName());

// A failed save is said until a later one holds.
TEST(SettingsState, LaterSaveClearsTheUnsavedLine)
{
    SettingsState state(where, SettingsProblem::None, {});
    EXPECT_TRUE(state.confirm(CornerRanges{}, SettingsProblem::FolderInTheWay));
    EXPECT_EQ(state.reportLines().size(), 1U);
    EXPECT_FALSE(state.confirm(CornerRanges{}, SettingsProblem::None));
    EXPECT_TRUE(state.reportLines().empty());
}

} // namespace
