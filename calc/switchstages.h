#pragma once

#include "checked.h"
#include "circuitconstants.h"

// The stages of the switch, each written once: the press and the standard-value fits both use
// them. Volts, milliamperes and kilohms throughout: V / kohm gives mA, V / mA gives kohm.
namespace Stage {

// The base current asked of a transistor [mA]: its collector current Ic [mA] over its minimum
// gain, raised by the margin magg [%].
inline Checked baseCurrent(Checked magg, Checked Ic, Checked hFEmin)
{
    return (magg / 100 + 1) * Ic / hFEmin;
}

// The current through a base resistor [mA]: the base current Ib [mA] and the current of the
// base-emitter resistor Rbe [kohm], which has Vbe across it.
inline Checked baseResistorCurrent(Checked Rbe, Checked Ib)
{
    return SwitchConstants::Vbe / Rbe + Ib;
}

// What is left of the current I through a base resistor for the base [mA], once Rbe [kohm]
// has taken its share.
inline Checked baseCurrentLeft(Checked I, Checked Rbe)
{
    return I - SwitchConstants::Vbe / Rbe;
}

// The resistor [kohm] that drops V [V] at the current I [mA].
inline Checked resistorFor(Checked V, Checked I)
{
    return V / I;
}

// The current [mA] that V [V] drives through R [kohm].
inline Checked currentThrough(Checked V, Checked R)
{
    return V / R;
}

// The margin a base current Ib gives over the least that saturates the transistor at the
// collector current Ic [%]: Ib x hFEmin / Ic - 1.
inline Checked marginObtained(Checked Ib, Checked hFEmin, Checked Ic)
{
    return (Ib * hFEmin / Ic - 1) * 100;
}

} // namespace Stage
