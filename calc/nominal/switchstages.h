#pragma once

#include <optional>

#include "nominal/checked.h"
#include "nominal/circuitconstants.h"

// The stages of the switch, each written once: the press and the standard-value fits both use
// them. Volts, milliamperes and kilohms throughout: V / kohm gives mA, V / mA gives kohm.

// Where a stage is worked out: its junction's base-emitter voltage, Q2's Vce(sat) where Q2
// conducts in series with it, its two resistors as multiples of their nominal values, and its
// source: the logic output's high level, Vcc over its nominal value. The design itself is the
// nominal corner.
struct Corner
{
    double Vbe = SwitchConstants::Vbe;       // [V]
    double VceSat = SwitchConstants::VceSat; // [V]
    double Rb = 1;                           // the base resistor, over its nominal value
    double Rbe = 1;                          // the base-emitter resistor, over its nominal value
    std::optional<double> Vi;                // [V]; none: Vi as typed
    double Vcc = 1;                          // Vcc over its nominal value
};

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

// The voltage across a base resistor [V]: its source less the junction it feeds and, where Q2
// conducts in series with it (Rb1 of the two-transistor circuit, from Vcc), Q2's Vce(sat). Vs is
// the source as typed; the corner sets where it stands.
enum class Source { Vi, VccThroughQ2 };
inline Checked acrossBaseResistor(Checked Vs, Source source, Corner c = {})
{
    if (source == Source::Vi)
        return (c.Vi ? Checked(*c.Vi) : Vs) - c.Vbe;
    return Vs * c.Vcc - (c.Vbe + c.VceSat);
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
