#pragma once

#include <cstddef>

// The nine entry fields of the window, by control name.
enum class Entry : std::size_t {
    Text1, // Vcc [V]
    Text2, // IL [mA]
    Text3, // Vi [V]
    Text4, // hFE1min
    Text5, // hFE2min
    Text6, // maggIb1 [%]
    Text7, // maggIb2 [%]
    Text8, // R1 [kohm]
    Text9, // R2 [kohm]
};

inline constexpr std::size_t entryCount = 9;
