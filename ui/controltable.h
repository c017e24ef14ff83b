#pragma once

#include <span>

// The controls of the window as data: one row per control, positions in twips
// (1/1440 inch; 15 twips make one device-independent pixel).
namespace ControlTable {

enum class Kind { OptionButton, PushButton, Label, EntryField, ResultLabel, PictureBox };
enum class Background { Orange, White, LightOrange, Default };

struct Control
{
    const char *name; // objectName
    Kind kind;
    const char16_t *text;         // caption; entry fields and result labels start empty
    int left, top, width, height; // twips
    int tabIndex;
    Background background;
    const char *caption = nullptr; // entry fields and results: the label naming the quantity
    const char *unit = nullptr;    // ... and the label with its unit, if it has one
};

constexpr int twipsPerPixel = 15;
// A position or length in twips as the window's device-independent pixels.
constexpr int pixelsOf(int twips)
{
    return twips / twipsPerPixel;
}
constexpr int clientWidth = 15450; // twips
constexpr int clientHeight = 5880; // twips

std::span<const Control> controls();

// The row of the named control; the name must be in the table.
const Control &control(const char *name);

} // namespace ControlTable
