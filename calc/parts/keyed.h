#pragma once

#include <algorithm>
#include <span>
#include <string_view>

// The entry of a list kept under the key; none for a key this version does not know.
template <typename Entry>
const Entry *entryByKey(std::span<const Entry> entries, std::u16string_view key)
{
    const auto found =
        std::find_if(entries.begin(), entries.end(), [&](const Entry &e) { return e.key == key; });
    return found == entries.end() ? nullptr : &*found;
}
