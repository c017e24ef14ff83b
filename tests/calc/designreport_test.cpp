#include <gtest/gtest.h>

#include <string>

#include "designreport.h"
#include "messages.h"
#include "standardfit.h"

#include "samplevariables.h"

namespace {

std::string utf8(const std::u16string &text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::size_t count(const std::string &text, const std::string &part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The sample two-transistor design as the window hands it over after "Calcola ".
TEST(DesignReport, SampleTwoTransistorsAsTabSeparatedText)
{
    const StandardFits fits = fitTwoTransistors(sample(11.0 / 0.55));
    DesignReport report{
        u"Carico con un pin a massa",
        {{u"Vcc", u"12", u"[V]"},
         {u"IL", u"40", u"[mA]"},
         {u"hFE1min", u"100", u""},
         {u"maggiorazione corrente di base  per Q2", u"20", u"[%]"}},
        {{u"Rb1", u"20,00", u"[kohm]"}, {u"Rb2", u"56,14", u"[kohm]"}, {u"Ii", u"0,08", u"[mA]"}},
        {rb1Notes(fits, u","), rb2Notes(fits, u","), iiNotes(0.0766, fits, u",")}};
    const std::string text = utf8(report.plainText());

    EXPECT_EQ(text.substr(0, text.find("Rb1 da acquistare")),
              "Interruttore a transistor pilotato da un'uscita CMOS\n"
              "\n"
              "Circuito\tCarico con un pin a massa\n"
              "\n"
              "Dati inseriti\n"
              "Vcc\t12\t[V]\n"
              "IL\t40\t[mA]\n"
              "hFE1min\t100\t\n"
              "maggiorazione corrente di base  per Q2\t20\t[%]\n"
              "\n"
              "Risultati\n"
              "Rb1\t20,00\t[kohm]\n"
              "Rb2\t56,14\t[kohm]\n"
              "Ii\t0,08\t[mA]\n"
              "\n");
    // Each table: its headings, its units under them, a row per value, tab-separated.
    EXPECT_NE(text.find("Rb2 da acquistare in ogni serie\n"
                        "Serie\tRb2\tIi\tmargine\tIi max\n"
                        "\t\tmA\t%\tmA\n"
                        "E12 \xC2\xB1"
                        "10\xC2\xA0%\t33 kohm\t0,130\t722 (226)\t0,148\n"
                        "E12 pi\xC3\xB9 vicino\t47 kohm\t0,0915\t252 (spento)\t0,104\n"),
              std::string::npos)
        << text;
    // What the worst case assumes, once, at the end.
    const std::string assumption = utf8(std::u16string(Messages::Note::ipotesiVbe));
    EXPECT_EQ(count(text, assumption), 1U);
    const std::size_t heading = text.find("\nIpotesi del caso peggiore\n");
    ASSERT_NE(heading, std::string::npos);
    EXPECT_GT(text.find(assumption), heading);
    EXPECT_TRUE(text.ends_with(utf8(std::u16string(Messages::Note::ipotesiIngressi)) + "\n"));
}

} // namespace
