#include "parts/cutoffcurrents.h"

#include <algorithm>
#include <array>

#include "parts/keyed.h"
#include "parts/temperaturelaws.h"

namespace {

// NXP's small-signal parts: 15 nA (BC547/BC557 families) or 100 nA at 25 °C, 5 µA at Tj 150 °C.
constexpr std::array<CutoffRow, 2> nxp15nA{{{25, 15, 30}, {150, 5000, 30}}};
constexpr std::array<CutoffRow, 2> nxp100nA{{{25, 100, 20}, {150, 5000, 20}}};
// onsemi's 2N3904 and 2N3906 give ICEX only, at VCE 30 V and 3 V of reverse base-emitter bias.
constexpr std::array<CutoffRow, 1> icex50nA{{{25, 50, 30}}};
constexpr std::array<CutoffRow, 2> pn2222a{{{25, 10, 60}, {125, 10000, 60}}};
constexpr std::array<CutoffRow, 2> pn2907a{{{25, 10, 50}, {125, 10000, 50}}};
constexpr std::array<CutoffRow, 2> bd139{{{25, 100, 30}, {125, 10000, 30}}};
constexpr std::array<CutoffRow, 1> typed{{{25, 50, 0}}};

constexpr std::u16string_view icbo = u"ICBO";
constexpr std::u16string_view icex = u"ICEX";
constexpr std::u16string_view nxpBc547 = u"NXP BC547; BC547A; BC547B; BC547C";
constexpr std::u16string_view nxpBc557 = u"NXP BC557; BC557A; BC557B; BC557C";
constexpr std::u16string_view nxpBc817 = u"NXP BC817; BC817W; BC337";
constexpr std::u16string_view nxpBc807 = u"NXP BC807; BC807W; BC327";
constexpr std::u16string_view bdSeries = u"ST BD135-BD136-BD139-BD140";

constexpr std::array<CutoffFigures, 17> figures{{
    {u"BC337-25", icbo, nxp100nA, nxpBc817},
    {u"BC337-40", icbo, nxp100nA, nxpBc817},
    {u"BC547B", icbo, nxp15nA, nxpBc547},
    {u"BC547C", icbo, nxp15nA, nxpBc547},
    {u"BC817-25", icbo, nxp100nA, nxpBc817},
    {u"BC817-40", icbo, nxp100nA, nxpBc817},
    {u"2N3904", icex, icex50nA, u"onsemi 2N3904/D"},
    {u"PN2222A", icbo, pn2222a, u"Fairchild PN2222A"},
    {u"BD139-16", icbo, bd139, bdSeries},
    {u"BC327-25", icbo, nxp100nA, nxpBc807},
    {u"BC327-40", icbo, nxp100nA, nxpBc807},
    {u"BC557B", icbo, nxp15nA, nxpBc557},
    {u"BC807-25", icbo, nxp100nA, nxpBc807},
    {u"BC807-40", icbo, nxp100nA, nxpBc807},
    {u"2N3906", icex, icex50nA, u"onsemi 2N3906/D"},
    {u"PN2907A", icbo, pn2907a, u"Fairchild PN2907A"},
    {u"BD140-16", icbo, bd139, bdSeries},
}};

constexpr CutoffFigures asTyped{{}, icbo, typed, {}};

} // namespace

const CutoffFigures &cutoffFigures(const TransistorPart *part)
{
    if (!part)
        return asTyped;
    const CutoffFigures *found = entryByKey<CutoffFigures>(figures, part->key);
    return found ? *found : asTyped;
}

LeakageAt leakageAt(const CutoffFigures &f, double celsius)
{
    const auto warmer = std::find_if(
        f.rows.begin(), f.rows.end(), [&](const CutoffRow &r) { return r.celsius > celsius; });
    const CutoffRow &from = warmer == f.rows.begin() ? f.rows.front() : *(warmer - 1);
    LeakageAt at{from.max
                     * Temperature::leakageScale(from.celsius, std::max(celsius, from.celsius)),
                 celsius,
                 from};
    if (warmer != f.rows.end() && warmer != f.rows.begin() && at.nA > warmer->max) {
        at.nA = warmer->max;
        at.cappedByRow = true;
        at.cap = *warmer;
    }
    return at;
}
