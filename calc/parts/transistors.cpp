#include "parts/transistors.h"

#include <algorithm>
#include <array>

#include "parts/keyed.h"
#include "parts/temperaturelaws.h"

namespace {

// TO-92 in free air: 625 mW at 25 °C, 5.0 mW/°C above; where a datasheet gives 500 mW without a
// derating, it is taken linearly to 0 at 150 °C, 4.0 mW/°C, and the same for SOT-23's 250 mW.
constexpr PowerRating to92{625, 5.0, u"TO-92"};
constexpr PowerRating to92At500{500, 4.0, u"TO-92"};
constexpr PowerRating sot23{250, 2.0, u"SOT-23"};
// Semtech rates the BC817 in SOT-23 at 200 mW, below the others' 250.
constexpr PowerRating sot23At200{200, 1.6, u"SOT-23"};
constexpr PowerRating to126{1250, 10.0, u"TO-126 in aria libera"};

constexpr std::array<SaturationRow, 1> vceSat500{{{500, 50, 0.7}}};
constexpr std::array<SaturationRow, 1> vbeSat500{{{500, 50, 1.2}}};
// Diotec's "BC817 ... BC818" guarantees only 1.3 V.
constexpr std::array<SaturationRow, 1> bc817VbeSat{{{500, 50, 1.3}}};
constexpr std::array<SaturationRow, 0> none{};
constexpr std::array<VbeOnRow, 0> noVbeOn{};

// NPN
constexpr std::array<GainRow, 2> bc337_25{{{100, 1, 160}, {300, 1, 60}}};
constexpr std::array<GainRow, 2> bc337_40{{{100, 1, 250}, {300, 1, 60}}};
constexpr std::array<VbeOnRow, 1> bc337On{{{300, 1.2}}};

constexpr std::array<GainRow, 1> bc547b{{{2, 5, 200}}};
constexpr std::array<GainRow, 1> bc547c{{{2, 5, 420}}};
constexpr std::array<SaturationRow, 2> bc547VceSat{{{10, 0.5, 0.25}, {100, 5, 0.6}}};
constexpr std::array<SaturationRow, 1> bc547VbeSat{{{100, 5, 1.0}}};
constexpr std::array<VbeOnRow, 2> bc547On{{{2, 0.70}, {10, 0.77}}};

constexpr std::array<GainRow, 2> bc817_25{{{100, 1, 160}, {500, 1, 40}}};
constexpr std::array<GainRow, 2> bc817_40{{{100, 1, 250}, {500, 1, 40}}};
constexpr std::array<VbeOnRow, 1> on500{{{500, 1.2}}};

constexpr std::array<GainRow, 5> n3904{
    {{0.1, 1, 40}, {1, 1, 70}, {10, 1, 100}, {50, 1, 60}, {100, 1, 30}}};
constexpr std::array<SaturationRow, 2> n3904VceSat{{{10, 1, 0.2}, {50, 5, 0.3}}};
// The same for the 2N3906.
constexpr std::array<SaturationRow, 2> n3904And3906VbeSat{{{10, 1, 0.85}, {50, 5, 0.95}}};

// At 150 mA the 1 V row (50), below the 10 V one (100).
constexpr std::array<GainRow, 5> pn2222a{
    {{0.1, 10, 35}, {1, 10, 50}, {10, 10, 75}, {150, 1, 50}, {500, 10, 40}}};
// onsemi P2N2222A: 35 at 10 mA, 10 V and -55 °C.
constexpr std::array<ColdGainRow, 1> pn2222aCold{{{-55, 10, 10, 35}}};
constexpr std::array<SaturationRow, 2> pn2222aVceSat{{{150, 15, 0.3}, {500, 50, 1.0}}};
constexpr std::array<SaturationRow, 2> pn2222aVbeSat{{{150, 15, 1.2}, {500, 50, 2.0}}};

// 25 at 5 mA (Fairchild), below Central's 40.
constexpr std::array<GainRow, 3> bd139_16{{{5, 2, 25}, {150, 2, 100}, {500, 2, 25}}};
// The BD140-16 has the same VCE(sat) and VBE(on) rows.
constexpr std::array<SaturationRow, 1> bd139VceSat{{{500, 50, 0.5}}};
constexpr std::array<VbeOnRow, 1> bd139On{{{500, 1.0}}};

// PNP
constexpr std::array<GainRow, 2> bc327_25{{{100, 1, 160}, {300, 1, 40}}};
constexpr std::array<GainRow, 2> bc327_40{{{100, 1, 250}, {300, 1, 40}}};
constexpr std::array<VbeOnRow, 1> bc327On{{{300, 1.2}}};

// 180 (MCC, Weitron), below Fairchild's 200 and ST's 220.
constexpr std::array<GainRow, 1> bc557b{{{2, 5, 180}}};
constexpr std::array<SaturationRow, 2> bc557VceSat{{{10, 0.5, 0.30}, {100, 5, 0.65}}};
constexpr std::array<VbeOnRow, 2> bc557On{{{2, 0.75}, {10, 0.82}}};
// MCC and Weitron guarantee it.
constexpr std::array<SaturationRow, 1> bc557VbeSat{{{100, 5, 1.0}}};

constexpr std::array<GainRow, 5> n3906{
    {{0.1, 1, 60}, {1, 1, 80}, {10, 1, 100}, {50, 1, 60}, {100, 1, 30}}};
constexpr std::array<SaturationRow, 2> n3906VceSat{{{10, 1, 0.25}, {50, 5, 0.40}}};

constexpr std::array<GainRow, 5> pn2907a{
    {{0.1, 10, 75}, {1, 10, 100}, {10, 10, 100}, {150, 10, 100}, {500, 10, 50}}};
constexpr std::array<SaturationRow, 2> pn2907aVceSat{{{150, 15, 0.4}, {500, 50, 1.6}}};
constexpr std::array<SaturationRow, 2> pn2907aVbeSat{{{150, 15, 1.3}, {500, 50, 2.6}}};

constexpr std::array<GainRow, 3> bd140_16{{{5, 2, 25}, {150, 2, 100}, {500, 2, 25}}};

constexpr std::array<TransistorPart, 17> parts{{
    {u"BC337-25",
     Polarity::Npn,
     bc337_25,
     vceSat500,
     none,
     bc337On,
     500,
     to92,
     u"onsemi BC337/D; ST BC337 (IC max 0,5 A)"},
    {u"BC337-40",
     Polarity::Npn,
     bc337_40,
     vceSat500,
     none,
     bc337On,
     500,
     to92,
     u"onsemi BC337/D; ST BC337 (IC max 0,5 A)"},
    {u"BC547B",
     Polarity::Npn,
     bc547b,
     bc547VceSat,
     bc547VbeSat,
     bc547On,
     100,
     to92At500,
     u"Fairchild BC546-550; MCC BC547 (VBE(sat), VBE(on) a 10 mA)"},
    {u"BC547C",
     Polarity::Npn,
     bc547c,
     bc547VceSat,
     bc547VbeSat,
     bc547On,
     100,
     to92At500,
     u"Fairchild BC546-550; MCC BC547 (VBE(sat), VBE(on) a 10 mA)"},
    {u"BC817-25",
     Polarity::Npn,
     bc817_25,
     vceSat500,
     bc817VbeSat,
     on500,
     500,
     sot23At200,
     u"Nexperia BC817; Semtech BC817 (Ptot 200 mW); Diotec BC817 … BC818 (VBE(sat))"},
    {u"BC817-40",
     Polarity::Npn,
     bc817_40,
     vceSat500,
     bc817VbeSat,
     on500,
     500,
     sot23At200,
     u"Nexperia BC817; Semtech BC817 (Ptot 200 mW); Diotec BC817 … BC818 (VBE(sat))"},
    {u"2N3904",
     Polarity::Npn,
     n3904,
     n3904VceSat,
     n3904And3906VbeSat,
     noVbeOn,
     200,
     to92,
     u"onsemi 2N3903/D; MCC 2N3904",
     {},
     {1.5, u"modello SPICE Fairchild 2N3904"}},
    {u"PN2222A",
     Polarity::Npn,
     pn2222a,
     pn2222aVceSat,
     pn2222aVbeSat,
     noVbeOn,
     600,
     to92,
     u"onsemi P2N2222A/D; NXP PMBT2222A",
     pn2222aCold},
    {u"BD139-16",
     Polarity::Npn,
     bd139_16,
     bd139VceSat,
     none,
     bd139On,
     1500,
     to126,
     u"Central BD135/137/139; Fairchild BD139 (hFE a 5 mA); onsemi (derating)"},
    {u"BC327-25",
     Polarity::Pnp,
     bc327_25,
     vceSat500,
     vbeSat500,
     bc327On,
     500,
     to92,
     u"onsemi BC327/D; MCC BC327 (VBE(sat)); NXP BC807; BC807W; BC327 (IC max 500 mA)"},
    {u"BC327-40",
     Polarity::Pnp,
     bc327_40,
     vceSat500,
     vbeSat500,
     bc327On,
     500,
     to92,
     u"onsemi BC327/D; MCC BC327 (VBE(sat)); NXP BC807; BC807W; BC327 (IC max 500 mA)"},
    {u"BC557B",
     Polarity::Pnp,
     bc557b,
     bc557VceSat,
     bc557VbeSat,
     bc557On,
     100,
     to92At500,
     u"Fairchild BC556-560; ST BC557B (VBE(on) a 10 mA); MCC BC557 e Weitron BC557 (hFE, "
     u"VBE(sat))"},
    {u"BC807-25",
     Polarity::Pnp,
     bc817_25,
     vceSat500,
     vbeSat500,
     on500,
     500,
     sot23,
     u"ST BC807; CDIL BC807; Infineon BC807 (VBE(sat))"},
    {u"BC807-40",
     Polarity::Pnp,
     bc817_40,
     vceSat500,
     vbeSat500,
     on500,
     500,
     sot23,
     u"ST BC807; CDIL BC807; Infineon BC807 (VBE(sat))"},
    {u"2N3906",
     Polarity::Pnp,
     n3906,
     n3906VceSat,
     n3904And3906VbeSat,
     noVbeOn,
     200,
     to92,
     u"ST 2N3906; MCC 2N3906"},
    {u"PN2907A",
     Polarity::Pnp,
     pn2907a,
     pn2907aVceSat,
     pn2907aVbeSat,
     noVbeOn,
     500,
     to92,
     u"Fairchild PN2907A (IC max 500 mA); onsemi MPS2907A"},
    {u"BD140-16",
     Polarity::Pnp,
     bd140_16,
     bd139VceSat,
     none,
     bd139On,
     1500,
     to126,
     u"CDIL BD136/138/140; Fairchild BD140"},
}};

// The first row at or above the current, or the last beyond them all; none without rows.
template <typename Row> const Row *rowAtOrAbove(std::span<const Row> rows, double Ic)
{
    if (rows.empty())
        return nullptr;
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const Row &r) { return r.Ic >= Ic; });
    return row == rows.end() ? &rows.back() : &*row;
}

} // namespace

std::span<const TransistorPart> transistorParts()
{
    return parts;
}

const TransistorPart *transistorByKey(std::u16string_view key)
{
    return entryByKey<TransistorPart>(parts, key);
}

std::optional<GainAt> guaranteedGain(const TransistorPart &part, double Ic)
{
    const auto rows = part.gain;
    if (rows.empty() || Ic > rows.back().Ic)
        return std::nullopt;
    if (Ic < rows.front().Ic)
        return GainAt{*std::ranges::min_element(rows, {}, &GainRow::hFEmin), true};
    const auto above =
        std::find_if(rows.begin(), rows.end(), [&](const GainRow &r) { return r.Ic >= Ic; });
    if (above->Ic == Ic)
        return GainAt{*above};
    const GainRow &below = *(above - 1);
    return GainAt{below.hFEmin < above->hFEmin ? below : *above};
}

std::optional<GainAtTemperature>
guaranteedGainAt(const TransistorPart &part, double Ic, double celsius)
{
    const auto at25 = guaranteedGain(part, Ic);
    if (!at25)
        return std::nullopt;
    using Basis = GainAtTemperature::Basis;
    GainAtTemperature gain{*at25, at25->row.hFEmin, 1.0, celsius, Basis::At25};
    if (celsius >= Temperature::datasheet)
        return gain;
    // The warmest cold row at or below the temperature: the least fall that still covers it.
    const auto cold = std::find_if(part.coldGain.rbegin(),
                                   part.coldGain.rend(),
                                   [&](const ColdGainRow &r) { return r.celsius <= celsius; });
    const auto reference =
        cold != part.coldGain.rend() ? guaranteedGain(part, cold->Ic) : std::nullopt;
    if (reference) {
        gain.factor = cold->hFEmin / reference->row.hFEmin;
        gain.basis = Basis::ColdRow;
        gain.coldRow = *cold;
    } else {
        gain.factor = Temperature::gainScale(celsius, part.gainLaw.XTB);
        gain.basis = Basis::ModelLaw;
    }
    gain.hFEmin = at25->row.hFEmin * gain.factor;
    return gain;
}

std::optional<VbeLimit> highestVbe(const TransistorPart &part, double Ic, double Ib)
{
    using Basis = VbeLimit::Basis;
    const auto sat = part.VbeSat;
    if (!sat.empty()) {
        const auto row = std::ranges::find_if(
            sat, [&](const SaturationRow &r) { return r.Ic >= Ic && r.Ib >= Ib; });
        if (row != sat.end())
            return VbeLimit{row->max, row->Ic, row->Ib, Basis::Saturation};
        return VbeLimit{
            sat.back().max + standInMargin, sat.back().Ic, sat.back().Ib, Basis::BeyondSaturation};
    }
    if (const VbeOnRow *row = rowAtOrAbove(part.VbeOn, Ic))
        return VbeLimit{row->max + standInMargin, row->Ic, 0, Basis::OnStandIn};
    return std::nullopt;
}

std::optional<SaturationRow> saturationAt(const TransistorPart &part, double Ic)
{
    const auto rows = part.VceSat;
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const SaturationRow &r) { return r.Ic >= Ic; });
    if (row == rows.end())
        return std::nullopt;
    return *row;
}

double deratedPower(const PowerRating &rating, double ambient)
{
    return std::max(0.0, rating.Ptot - rating.derating * std::max(0.0, ambient - 25));
}
