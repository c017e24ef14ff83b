#pragma once

// The fixed values of the design, in the units of the calculation (V, mA).
namespace SwitchConstants {

inline constexpr double Vbe = 0.7;             // base-emitter voltage of a conducting junction [V]
inline constexpr double VceSat = 0.3;          // collector-emitter voltage of Q2 in saturation [V]
inline constexpr double VdropTwoStage = 1.0;   // Vbe of Q1 plus Vce(sat) of Q2 [V]
inline constexpr double cmosOutputLimit = 4.0; // current a CMOS output can deliver [mA]

// The spread of a junction's Vbe between parts and over some ±40 °C (about -2 mV/°C).
inline constexpr double VbeLowest = 0.6;  // [V]
inline constexpr double VbeHighest = 0.8; // [V]

// Rb1 of the two-transistor circuit drops Vcc less the two, exactly as the design's 1 V.
static_assert(Vbe + VceSat == VdropTwoStage);

} // namespace SwitchConstants
