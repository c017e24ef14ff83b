#pragma once

// The fixed values of the design, in the units of the calculation (V, mA).
namespace SwitchConstants {

inline constexpr double Vbe = 0.7;             // base-emitter voltage of a conducting junction [V]
inline constexpr double VdropTwoStage = 1.0;   // Vbe of Q1 plus Vce(sat) of Q2 [V]
inline constexpr double cmosOutputLimit = 4.0; // current a CMOS output can deliver [mA]

} // namespace SwitchConstants
