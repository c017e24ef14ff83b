#pragma once

#include "nominal/formvariables.h"

namespace {

// The sample design: Vcc 12, IL 40, Vi 5, hFE 100 and 100, R1 = R2 = 10, both margins 20 %, with
// Rb1 as the press computed it [kohm].
FormVariables sample(double Rb1)
{
    FormVariables v;
    v.Vcc = 12.0;
    v.IL = 40.0;
    v.Vi = 5.0;
    v.hFE1min = v.hFE2min = 100.0;
    v.R1 = v.R2 = 10.0;
    v.maggIb1 = v.maggIb2 = 20.0;
    v.Rb1 = Rb1;
    return v;
}

} // namespace
