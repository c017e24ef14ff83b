#pragma once

#include <optional>
#include <string>
#include <string_view>

// What became of the stored settings, in words: a file that could not be read or written, and a
// stored value that was replaced.

// What stood in the way of the settings' file, as the window finds it on reading or writing.
enum class SettingsProblem {
    None,
    EmptyFile,         // read: nothing in it
    UnreadableFile,    // read: not allowed, or not a settings file
    ReadOnlyFile,      // written: the file may not be changed
    FolderInTheWay,    // a folder stands where the file goes
    FolderNotWritable, // written: no file may be made in its folder
    NotWritten,        // written: the system refused, for another reason
};

// The message after the form was confirmed and its ranges could not be kept: where, and why.
std::u16string saveFailure(SettingsProblem problem, std::u16string_view where);
// The report's line: the settings at where were not read, the defaults hold.
std::u16string readNotice(SettingsProblem problem, std::u16string_view where);
// The report's line: the ranges confirmed hold until the program ends, not kept.
std::u16string unsavedNotice(SettingsProblem problem);
// Beside a field of the form whose stored value was replaced by its default: what was stored,
// if anything (a range refused replaces both its ends).
std::u16string replacedMark(const std::optional<std::u16string> &stored);
