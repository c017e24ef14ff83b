#include "controltable.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace ControlTable {
namespace {

using enum Kind;
using enum Background;

// Row by row from the top of the window, left to right.
// clang-format off
constexpr std::array<Control, 40> table{{
    {"Option1", OptionButton, u"Carico con entrambi i pin fuori massa", 7770, 180, 3705, 285, 34, Orange},
    {"Command1", PushButton, u"Calcola ", 11820, 600, 2415, 375, 2, Default},
    {"Option2", OptionButton, u"Carico con un pin a massa", 7770, 690, 3135, 315, 35, Orange},
    {"Label1", Label, u"Vcc", 7710, 1170, 405, 225, 4, Orange},
    {"Text1", EntryField, u"", 8190, 1110, 2025, 375, 3, Default, "Label1", "Label2"},
    {"Label2", Label, u"[V]", 10290, 1170, 315, 255, 5, Orange},
    {"Label3", Label, u"IL", 12210, 1170, 255, 225, 7, Orange},
    {"Text2", EntryField, u"", 12510, 1110, 2055, 375, 6, Default, "Label3", "Label4"},
    {"Label4", Label, u"[mA]", 14640, 1170, 465, 255, 8, Orange},
    {"Label6", Label, u"Vi", 7800, 1740, 315, 225, 11, Orange},
    {"Text3", EntryField, u"", 8160, 1680, 2055, 375, 9, Default, "Label6", "Label5"},
    {"Label5", Label, u"[V]", 10320, 1740, 315, 255, 10, Orange},
    {"Label7", Label, u"hFE1min", 11640, 1770, 795, 225, 13, Orange},
    {"Text4", EntryField, u"", 12510, 1680, 2085, 375, 12, Default, "Label7"},
    {"Label13", Label, u"R1", 7800, 2280, 315, 225, 23, Orange},
    {"Text8", EntryField, u"", 8160, 2190, 2055, 375, 21, Default, "Label13", "Label15"},
    {"Label15", Label, u"[kohm]", 10350, 2280, 615, 255, 25, Orange},
    {"Label8", Label, u"hFE2min", 11640, 2280, 795, 225, 14, Orange},
    {"Text5", EntryField, u"", 12510, 2190, 2085, 405, 39, Default, "Label8"},
    {"Label14", Label, u"R2", 7800, 2820, 315, 225, 24, Orange},
    {"Text9", EntryField, u"", 8160, 2730, 2055, 375, 22, Default, "Label14", "Label16"},
    {"Label16", Label, u"[kohm]", 10380, 2820, 615, 255, 26, Orange},
    {"Label9", Label, u"maggiorazione corrente di base  per Q1", 9060, 3300, 3375, 255, 16, Orange},
    {"Text6", EntryField, u"", 12540, 3270, 2085, 375, 15, Default, "Label9", "Label10"},
    {"Label10", Label, u"[%]", 14700, 3300, 315, 255, 17, Orange},
    {"Label12", Label, u"maggiorazione corrente di base  per Q2", 9060, 3780, 3405, 255, 20, Orange},
    {"Text7", EntryField, u"", 12540, 3720, 2085, 375, 18, Default, "Label12", "Label11"},
    {"Label11", Label, u"[%]", 14700, 3780, 315, 255, 19, Orange},
    {"Command2", PushButton, u"Valori esempio", 8220, 4260, 2115, 375, 27, Default},
    {"Label25", Label, u"Ii", 12210, 4380, 195, 225, 38, Orange},
    {"Label23", ResultLabel, u"", 12540, 4320, 2145, 345, 36, White, "Label25", "Label24"},
    {"Label24", Label, u"[mA]", 14760, 4350, 465, 255, 37, Orange},
    {"Label18", Label, u"Rb1", 7680, 5010, 405, 225, 29, Orange},
    {"Label17", ResultLabel, u"", 8160, 4950, 2175, 375, 28, White, "Label18", "Label19"},
    {"Label19", Label, u"[kohm]", 10500, 5010, 615, 255, 30, Orange},
    {"Label21", Label, u"Rb2", 12090, 4980, 405, 225, 32, Orange},
    {"Label20", ResultLabel, u"", 12540, 4890, 2175, 375, 31, White, "Label21", "Label22"},
    {"Label22", Label, u"[kohm]", 14760, 4950, 615, 255, 33, Orange},
    {"Picture1", PictureBox, u"", 210, 360, 5025, 5115, 0, LightOrange},
    {"Picture2", PictureBox, u"", 210, 390, 7155, 5055, 1, Default},
}};
// clang-format on

} // namespace

std::span<const Control> controls()
{
    return table;
}

const Control &control(const char *name)
{
    for (const Control &row : table)
        if (std::strcmp(row.name, name) == 0)
            return row;
    throw std::invalid_argument(name);
}

} // namespace ControlTable
