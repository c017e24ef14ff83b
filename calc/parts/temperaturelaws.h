#pragma once

#include <algorithm>
#include <cmath>

// How a transistor's figures move with temperature, each law written once with its source. The
// datasheets' figures and the Vbe range are at 25 °C.
namespace Temperature {

inline constexpr double datasheet = 25.0; // [°C]
inline constexpr double kelvin = 273.15;  // 0 °C [K]

// A junction's base-emitter voltage falls about 2 mV/°C as it warms (VBE(sat) about 1.7 mV/°C,
// NXP BC848): it rises by as much below 25 °C [V/°C].
inline constexpr double VbeSlope = -0.002;

// What the highest Vbe rises by at Tmin [°C], below 25 °C; nothing above [V].
inline double VbeRiseInTheCold(double Tmin)
{
    return VbeSlope * (std::min(Tmin, datasheet) - datasheet);
}

// What the lowest Vbe falls by at Tmax [°C], above 25 °C; nothing below [V].
inline double VbeFallInTheHeat(double Tmax)
{
    return -VbeSlope * (std::max(Tmax, datasheet) - datasheet);
}

// The gain at T [°C] from its figure at 25 °C, as the makers' transistor models scale it:
// hFE(T) = hFE(25 °C) x (T / 298.15 K)^XTB (SPICE's Gummel-Poon model, XTB about 1.35-1.5 for
// small-signal parts). Above 25 °C the gain rises: the 25 °C figure stands.
inline double gainScale(double T, double XTB)
{
    if (T >= datasheet)
        return 1.0;
    return std::pow((T + kelvin) / (datasheet + kelvin), XTB);
}

// A junction's reverse leakage doubles about every 10 °C as it warms (onsemi PN2222A: 10 nA at
// 25 °C, 10 µA at 125 °C): the factor from one temperature to a warmer one.
inline constexpr double leakageDoubling = 10.0; // [°C]
inline double leakageScale(double from, double to)
{
    return std::exp2((to - from) / leakageDoubling);
}

// The base-emitter voltage below which a silicon transistor counts as off, at T [°C], from its
// figure at 25 °C: it falls with the junction's Vbe, 2 mV/°C (0.4 V at 25 °C: 0.28 V at 85 °C).
inline double offThreshold(double at25, double T)
{
    return at25 + VbeSlope * (T - datasheet);
}

} // namespace Temperature
