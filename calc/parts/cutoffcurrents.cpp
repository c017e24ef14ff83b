#include "parts/cutoffcurrents.h"

#include <algorithm>
#include <array>

#include "parts/keyed.h"
#include "parts/temperaturelaws.h"

namespace {

// BC547: 15 nA at 25 °C, 5 µA at 150 °C (NXP, Fairchild); BC557: 4 µA at 150 °C (Philips).
constexpr std::array<CutoffRow, 2> bc547{{{25, 15, 30}, {150, 5000, 30}}};
constexpr std::array<CutoffRow, 2> bc557{{{25, 15, 30}, {150, 4000, 30}}};
// BC817 and BC807: 100 nA at 25 °C; at 150 °C Infineon allows 50 µA, ten times NXP's 5 µA.
constexpr std::array<CutoffRow, 2> bc817{{{25, 100, 20}, {150, 50000, 25}}};
// BC337 and BC327: 100 nA at 25 °C, no hot figure confirmed: doubling all the way.
constexpr std::array<CutoffRow, 1> bc337{{{25, 100, 20}}};
// onsemi's 2N3904 and 2N3906 give ICEX only, at VCE 30 V and 3 V of reverse base-emitter bias.
constexpr std::array<CutoffRow, 1> icex50nA{{{25, 50, 30}}};
constexpr std::array<CutoffRow, 2> pn2222a{{{25, 10, 60}, {125, 10000, 60}}};
constexpr std::array<CutoffRow, 2> pn2907a{{{25, 20, 50}, {150, 20000, 50}}};
constexpr std::array<CutoffRow, 2> bd139{{{25, 100, 30}, {125, 10000, 30}}};
constexpr std::array<CutoffRow, 1> typed{{{25, 50, 0}}};

constexpr std::u16string_view icbo = u"ICBO";
constexpr std::u16string_view icex = u"ICEX";
constexpr std::u16string_view bc547Source = u"NXP BC847/BC848; Fairchild BC547";
constexpr std::u16string_view bc557Source = u"Philips BC557";
constexpr std::u16string_view bc817Source = u"NXP BC817; Infineon BC817 (50 \u00b5A a 150 \u00b0C)";
constexpr std::u16string_view bc807Source = u"NXP BC807; Infineon BC807 (50 \u00b5A a 150 \u00b0C)";
constexpr std::u16string_view bc337Source = u"onsemi BC337/D";
constexpr std::u16string_view bc327Source = u"onsemi BC327/D";
constexpr std::u16string_view bd139Source = u"ST BD135-BD136-BD139-BD140 (a TC 125 \u00b0C)";
constexpr std::u16string_view bd140Source = u"CDIL BD140 (a TC 125 \u00b0C)";

constexpr std::array<CutoffFigures, 17> figures{{
    {u"BC337-25", icbo, bc337, bc337Source},
    {u"BC337-40", icbo, bc337, bc337Source},
    {u"BC547B", icbo, bc547, bc547Source},
    {u"BC547C", icbo, bc547, bc547Source},
    {u"BC817-25", icbo, bc817, bc817Source},
    {u"BC817-40", icbo, bc817, bc817Source},
    {u"2N3904", icex, icex50nA, u"onsemi 2N3904/D"},
    {u"PN2222A", icbo, pn2222a, u"Fairchild PN2222A"},
    {u"BD139-16", icbo, bd139, bd139Source},
    {u"BC327-25", icbo, bc337, bc327Source},
    {u"BC327-40", icbo, bc337, bc327Source},
    {u"BC557B", icbo, bc557, bc557Source},
    {u"BC807-25", icbo, bc817, bc807Source},
    {u"BC807-40", icbo, bc817, bc807Source},
    {u"2N3906", icex, icex50nA, u"onsemi 2N3906/D"},
    {u"PN2907A", icbo, pn2907a, u"Fairchild PN2907A"},
    {u"BD140-16", icbo, bd139, bd140Source},
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
