#pragma once

#include "checked.h"
#include "circuitconstants.h"

// The stages of the switch, each written once: the press and the standard-value fits both use
// them. Volts, milliamperes and kilohms throughout: V / kohm gives mA, V / mA gives kohm.

// Where a stage is worked out: its junction's base-emitter voltage and its two resistors as
// multiples of their nominal values. The design itself is the nominal corner.
struct Corner
{
    double Vbe = SwitchConstants::Vbe; // [V]
    double Rb = 1;                     // the base resistor, over its nominal value
    double Rbe = 1;                    // the base-emitter resistor, over its nominal value
};

namespace Corners {

// The least base current with resistors of tolerance t: the junction at its highest Vbe, the
// base resistor at +t, the base-emitter resistor at -t taking its largest share.
constexpr Corner leastBaseCurrent(double t)
{
    return {SwitchConstants::VbeHighest, 1 + t, 1 - t};
}

// The largest current through a base resistor of tolerance t: the junction at its lowest Vbe,
// the resistor at -t.
constexpr Corner largestCurrent(double t)
{
    return {SwitchConstants::VbeLowest, 1 - t, 1};
}

} // namespace Corners

namespace Stage {

// The base current asked of a transistor [mA]: its collector current Ic [mA] over its minimum
// gain, raised by the margin magg [%].
inline Checked baseCurrent(Checked magg, Checked Ic, Checked hFEmin)
{
    return (magg / 100 + 1) * Ic / hFEmin;
}

// The current through a base resistor [mA]: the base current Ib [mA] and the current of the
// base-emitter resistor Rbe [kohm], which has Vbe across it.
inline Checked baseResistorCurrent(Checked Rbe, Checked Ib, Corner c = {})
{
    return c.Vbe / (Rbe * c.Rbe) + Ib;
}

// What is left of the current I through a base resistor for the base [mA], once Rbe [kohm]
// has taken its share.
inline Checked baseCurrentLeft(Checked I, Checked Rbe, Corner c = {})
{
    return I - c.Vbe / (Rbe * c.Rbe);
}

// The voltage across a base resistor [V]: its source Vs (Vi, or Vcc for Rb1 of the
// two-transistor circuit) less the junction it feeds and what conducts in series with it
// (inSeries: Q2's Vce(sat) for that Rb1, otherwise 0).
inline Checked acrossBaseResistor(Checked Vs, double inSeries, Corner c = {})
{
    return Vs - (c.Vbe + inSeries);
}

// The resistor [kohm] that drops V [V] at the current I [mA].
inline Checked resistorFor(Checked V, Checked I)
{
    return V / I;
}

// The current [mA] that V [V] drives through the base resistor Rb [kohm].
inline Checked currentThrough(Checked V, Checked Rb, Corner c = {})
{
    return V / (Rb * c.Rb);
}

// The margin a base current Ib gives over the least that saturates the transistor at the
// collector current Ic [%]: Ib x hFEmin / Ic - 1.
inline Checked marginObtained(Checked Ib, Checked hFEmin, Checked Ic)
{
    return (Ib * hFEmin / Ic - 1) * 100;
}

} // namespace Stage
