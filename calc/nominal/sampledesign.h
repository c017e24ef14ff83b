#pragma once

#include <array>
#include <string_view>

#include "nominal/entry.h"

// The sample design of "Valori esempio", in the order it is written: Vcc 12 V, IL 40 mA, Vi 5 V,
// hFE1min and hFE2min 100, R1 and R2 10 kohm, both margins 20 %. Plain digits, whatever the locale.
struct SampleText
{
    Entry entry;
    std::u16string_view text;
};

inline constexpr std::array<SampleText, entryCount> sampleDesign{{
    {Entry::Text1, u"12"},
    {Entry::Text2, u"40"},
    {Entry::Text3, u"5"},
    {Entry::Text4, u"100"},
    {Entry::Text5, u"100"},
    {Entry::Text8, u"10"},
    {Entry::Text9, u"10"},
    {Entry::Text6, u"20"},
    {Entry::Text7, u"20"},
}};
