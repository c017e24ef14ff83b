#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nominal/module1.h"

#include "namedcase.h"

namespace {

struct CheckCase
{
    const char *name;
    std::u16string text;
    bool passes;
};

class ControlloDatiTest : public ::testing::TestWithParam<CheckCase>
{
protected:
    // Runs the check the way the calculation does and returns the messages it showed.
    std::vector<std::u16string> check(const std::u16string &text)
    {
        std::vector<std::u16string> shown;
        module.Dato = text;
        module.MsgVuoto = u"vuoto";
        module.MsgErrore = u"errore";
        module.ControlloDati(module.Dato, [&](std::u16string_view m) { shown.emplace_back(m); });
        return shown;
    }
    Module1 module;
};

TEST_P(ControlloDatiTest, PassesOnlyAllowedCharacters)
{
    const CheckCase &c = GetParam();
    const std::vector<std::u16string> shown = check(c.text);
    if (c.passes) {
        EXPECT_EQ(module.Errore, 0);
        EXPECT_TRUE(shown.empty());
    } else {
        EXPECT_EQ(module.Errore, 1);
        ASSERT_EQ(shown.size(), 1U) << "one box, however many characters are wrong";
        EXPECT_EQ(shown[0], c.text.empty() ? u"vuoto" : u"errore");
    }
    // The check only reads its variables.
    EXPECT_EQ(module.Dato, c.text);
    EXPECT_EQ(module.MsgVuoto, u"vuoto");
    EXPECT_EQ(module.MsgErrore, u"errore");
}

INSTANTIATE_TEST_SUITE_P(
    Texts,
    ControlloDatiTest,
    ::testing::Values(
        CheckCase{"Empty", u"", false},
        CheckCase{"OneBlank", u" ", false},
        CheckCase{"BlankBefore", u" 12", false},
        CheckCase{"BlankAfter", u"12 ", false},
        CheckCase{"CommaDecimal", u"1,5", false},
        CheckCase{"Integer", u"12", true},
        CheckCase{"Decimal", u"1.23", true},
        CheckCase{"NegativeExponent", u"1E-5", true},
        CheckCase{"Exponent", u"5E3", true},
        CheckCase{"LowerExponentPlus", u"1e+3", true},
        CheckCase{"Minus", u"-4", true},
        CheckCase{"Plus", u"+4", true},
        CheckCase{"LeadingPoint", u".5", true},
        CheckCase{"TrailingPoint", u"5.", true},
        // The check filters characters; it does not parse.
        CheckCase{"TwoPoints", u"1.2.3", true},
        CheckCase{"TwoMinus", u"--", true},
        CheckCase{"LoneLowerE", u"e", true},
        CheckCase{"LoneUpperE", u"E", true},
        CheckCase{"LonePlus", u"+", true},
        CheckCase{"LonePoint", u".", true},
        CheckCase{"MinusInside", u"1-2", true},
        CheckCase{"TwoExponents", u"1e2e3", true},
        CheckCase{"FortranLowerD", u"1d5", false},
        CheckCase{"FortranUpperD", u"1D5", false},
        CheckCase{"Hex", u"0x10", false},
        CheckCase{"TrailingLetter", u"12a", false},
        CheckCase{"Word", u"abc", false},
        CheckCase{"SeveralBad", u"a b c", false},
        CheckCase{"FullWidthDigit", u"\uFF11\uFF12", false},
        CheckCase{"ArabicIndicDigit", u"\u0663", false},
        CheckCase{"DevanagariDigit", u"1\u0967", false},
        CheckCase{"SurrogatePair", u"1\U0001D7CE", false}, // mathematical bold digit zero
        CheckCase{"NulCharacter", std::u16string{u'1', u'\0', u'2'}, false},
        CheckCase{"Digits32766", std::u16string(32766, u'7'), true},
        // The position counter of old was 16 bits; the walk here reaches the end of any text.
        CheckCase{"BadAfter40000Digits", std::u16string(40000, u'7') + u"x", false},
        CheckCase{"Digits1000000", std::u16string(1'000'000, u'7'), true}),
    CaseName());

TEST_F(ControlloDatiTest, PassAfterRejectClearsErrore)
{
    check(u"");
    ASSERT_EQ(module.Errore, 1);
    EXPECT_TRUE(check(u"12").empty());
    EXPECT_EQ(module.Errore, 0);
}

TEST_F(ControlloDatiTest, ErroreIsSetOnlyAfterTheBoxCloses)
{
    // The box sees the flag at 0: the check sets it once the user has closed it.
    std::int16_t duringBox = -1;
    module.MsgVuoto = u"vuoto";
    module.ControlloDati(u"", [&](std::u16string_view) { duringBox = module.Errore; });
    EXPECT_EQ(duringBox, 0);
    EXPECT_EQ(module.Errore, 1);
}

} // namespace
