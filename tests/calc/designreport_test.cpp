#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "nominal/messages.h"
#include "notes/designreport.h"
#include "notes/nominalnotes.h"
#include "notes/rankingnotes.h"
#include "notes/resultnotes.h"
#include "worstcase/standardfit.h"

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

std::vector<std::string> cells(const std::string &line)
{
    std::vector<std::string> out(1);
    for (const char c : line) {
        if (c == '\t')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// A design's report as the window hands it over after "Calcola ", with the given decimal point.
DesignReport sampleReport(bool twoTransistors, std::u16string_view point)
{
    const StandardFits fits = twoTransistors ? fitTwoTransistors(sample(11.0 / 0.55))
                                             : fitOneTransistor(sample(4.3 / 0.55));
    DesignReport report{
        u"Brenvola 1.00",
        u"8 dicembre 2026, 20:45",
        summaryNotes(fits, point),
        u"Carico con un pin a massa",
        {enteredItem(u"Vcc", u"12", u"[V]", point),
         enteredItem(u"IL", u"40", u"[mA]", point),
         enteredItem(u"hFE1min", u"100", u"", point),
         enteredItem(u"maggiorazione corrente di base  per Q2", u"20", u"[%]", point)},
        {{u"Rb1", std::u16string(u"20").append(point).append(u"00"), u"[kohm]", {}},
         {u"Rb2", std::u16string(u"56").append(point).append(u"14"), u"[kohm]", {}},
         {u"Ii", std::u16string(u"0").append(point).append(u"08"), u"[mA]", {}}},
        {rb1Notes(fits, point)},
        {u"Impostazioni salvate non valide, sostituite con i valori predefiniti: "
         u"Vbe massima [V]."},
        {}};
    if (twoTransistors)
        report.notes.push_back(rb2Notes(fits, point));
    report.notes.push_back(iiNotes(twoTransistors ? 0.0766 : 0.55, fits, point));
    return report;
}

TEST(DesignReport, SampleTwoTransistorsAsTabSeparatedText)
{
    const std::string text = utf8(sampleReport(true, u",").plainText());

    // The answer first: program, date and time, the settings replaced, then the values to buy.
    EXPECT_EQ(
        text.substr(0, text.find("I margini")),
        "Interruttore a transistor pilotato da un'uscita CMOS\n"
        "Brenvola 1.00, calcolo del giorno 8 dicembre 2026, 20:45\n"
        "Impostazioni salvate non valide, sostituite con i valori predefiniti: Vbe massima "
        "[V].\n"
        "\n"
        "Da acquistare, per serie, con i margini nel caso peggiore, a 25\u00a0\u00b0C soltanto\n"
        "Serie\tRb1\tRb2\tmargine Q1\tmargine Q2\tIi max\n"
        "\tkohm\tkohm\t%\t%\tmA\n"
        "E12 \xC2\xB1"
        "10\xC2\xA0%\t15\t33\t43\t218\t0,148\n"
        "E24 \xC2\xB1"
        "5\xC2\xA0%\t18\t43\t23\t32\t0,108\n"
        "E96 \xC2\xB1"
        "1\xC2\xA0%\t19,1\t46,4\t21\t46\t0,0958\n");
    EXPECT_NE(text.find("\nCircuito\tCarico con un pin a massa\n"
                        "\n"
                        "Dati inseriti\n"
                        "Vcc\t12\t[V]\n"),
              std::string::npos);
    // Each table: its headings, its units under them, a row per value, a number per cell.
    EXPECT_NE(text.find("Serie\tcon Rb1\tRb2 ricalc.\tRb2\tmargine\tpeggiore\n"
                        "\tkohm\tkohm\tkohm\t%\t%\n"
                        "E12 \xC2\xB1"
                        "10\xC2\xA0%\t15\t54,57\t33\t722\t218\n"
                        "E12 subito sotto\t18\t55,60\t47\t252\tspento\n"),
              std::string::npos)
        << text;
    // What the worst case assumes, once, at the end, and the settings replaced again after it.
    const std::string assumption = utf8(sampleReport(true, u",").summary.assumptions[1]);
    EXPECT_EQ(count(text, assumption), 1U);
    const std::size_t heading = text.find("\nIpotesi del caso peggiore\n");
    ASSERT_NE(heading, std::string::npos);
    EXPECT_GT(text.find(assumption), heading);
    EXPECT_TRUE(text.ends_with("Vbe massima [V].\n"));
}

// The notes of a one-transistor design, as the report gives them, as plain text.
std::string oneTransistorReport(double Rb1, double IL)
{
    FormVariables v = sample(Rb1);
    v.IL = IL;
    const StandardFits fits = fitOneTransistor(v);
    const DesignNotes notes = designNotes(0.07 + IL * 1.2 / 100, fits, u",");
    DesignReport report;
    report.summary = summaryNotes(fits, u",");
    report.notes = notes.results;
    return utf8(report.plainText());
}

// Each line once where it applies: why a series has nothing to buy, though three tables give it;
// the summary's sentence on margins only where a row has them; "—" explained where a margin
// shows it.
TEST(DesignReport, LinesWhereTheyApply)
{
    const std::string margins = utf8(std::u16string(Messages::Note::legendaRiepilogo));
    const std::string dash = utf8(std::u16string(Messages::Report::legendaNonCalcolabile));
    // Rb1 = 4.3 / (0.07 + 1.2 x 40 / 100)
    const std::string sample = oneTransistorReport(4.3 / 0.55, 40);
    EXPECT_EQ(count(sample, margins), 1U);
    EXPECT_EQ(count(sample, dash), 0U);
    // IL 300: Ii reaches 4 mA before the margin in every series.
    const std::string none = oneTransistorReport(4.3 / 3.67, 300);
    EXPECT_EQ(count(none, "E96: nessun Rb1 da acquistare: Ii\xC2\xA0max raggiunge"), 1U) << none;
    EXPECT_EQ(count(none, margins), 0U);
    // IL 0: Rb1 = 4.3 / 0.07; no collector current, no margin.
    EXPECT_EQ(count(oneTransistorReport(4.3 / 0.07, 0), dash), 1U);
}

// Each term defined once, though two tables use it.
TEST(DesignReport, EachTermDefinedOnce)
{
    for (const bool two : {false, true}) {
        const std::string text = utf8(sampleReport(two, u",").plainText());
        for (const std::u16string_view term :
             {Messages::Note::legendaSubitoSotto, Messages::Note::legendaSubitoSottoRb2}) {
            const std::size_t n = count(text, utf8(std::u16string(term)));
            EXPECT_LE(n, 1U) << utf8(std::u16string(term));
        }
        EXPECT_EQ(count(text, "Righe con la tolleranza:"), two ? 2U : 1U);
    }
}

// In a spreadsheet every cell after a line's first that starts as a number is one whole number,
// with the locale's decimal point only; with ".", no decimal comma stands between two digits
// anywhere.
TEST(DesignReport, EveryNumericCellIsANumber)
{
    for (const std::u16string_view point : {u",", u"."}) {
        for (const bool two : {false, true}) {
            DesignReport report = sampleReport(two, point);
            const StandardFits fits =
                two ? fitTwoTransistors(sample(11.0 / 0.55)) : fitOneTransistor(sample(4.3 / 0.55));
            report.notes.push_back(rankingNotes(rankParts(fits), fits.corners, point));
            const std::string text = utf8(report.plainText());
            const std::string allowed = "0123456789-" + utf8(std::u16string(point));
            std::size_t numbers = 0;
            for (std::size_t at = 0, end = 0; at < text.size(); at = end + 1) {
                end = text.find('\n', at);
                const std::vector<std::string> row = cells(text.substr(at, end - at));
                for (std::size_t i = 1; i < row.size(); ++i) {
                    const std::string &number = row[i];
                    // A part's name is not a number, though it may start with a digit.
                    if (number.empty() || number.find_first_of("0123456789-") != 0
                        || transistorByKey(std::u16string(number.begin(), number.end())))
                        continue;
                    EXPECT_EQ(number.find_first_not_of(allowed), std::string::npos) << number;
                    ++numbers;
                }
            }
            EXPECT_GT(numbers, two ? 90U : 50U);
            for (std::size_t i = 1; point == u"." && i + 1 < text.size(); ++i)
                EXPECT_FALSE(text[i] == ',' && std::isdigit(static_cast<unsigned char>(text[i - 1]))
                             && std::isdigit(static_cast<unsigned char>(text[i + 1])))
                    << text.substr(i - 20, 40);
        }
    }
}

// Under the results, the computed resistor where the worst case in force does not hold it, and
// what to buy instead; nothing where it holds.
TEST(DesignReport, NominalResultsBesideTheValuesToBuy)
{
    struct Case
    {
        const char *name;
        double Rb1;          // [kohm]
        const char16_t *q1;  // bought; none: as typed
        std::u16string line; // empty: none
    };
    for (const Case &c :
         {// The sample at 25 °C with a 74HC at 5 V and a 2N3904: 7,68 k leaves -59 %.
          Case{"2N3904",
               4.3 / 0.55,
               u"2N3904",
               u"Rb1 7,82\u00a0kohm è il valore nominale del calcolo e non regge con Q1 "
               u"2N3904: in E96 (7,68 kohm) il margine peggiore è -59\u00a0%; da acquistare "
               u"2,7 kohm (E12)."},
          // As typed, at Vi 3,84 V and Vbe 0,8 V: 7,68 k at +1 % and R1 at -1 % leave
          // 0,311 mA of base current, -22 %; E12 4,7 k at +10 % leaves 0,499 mA, 25 %.
          Case{"AsTyped",
               4.3 / 0.55,
               nullptr,
               u"Rb1 7,82\u00a0kohm è il valore nominale del calcolo e non regge nel caso "
               u"peggiore in vigore: in E96 (7,68 kohm) il margine peggiore è -22\u00a0%; da "
               u"acquistare 4,7 kohm (E12)."},
          Case{"Holds", 2.0, u"2N3904", u""}}) {
        CornerRanges corners;
        corners.outputEntry = logicOutputByKey(u"74HC-5V");
        corners.output = corners.outputEntry->figures;
        if (c.q1)
            corners.parts[CornerRanges::Q1OneTransistor] = transistorByKey(c.q1);
        const std::vector<std::u16string> lines =
            nominalLines(fitOneTransistor(sample(c.Rb1), corners), u",");
        EXPECT_EQ(lines,
                  c.line.empty() ? std::vector<std::u16string>{}
                                 : std::vector<std::u16string>{c.line})
            << c.name << ": " << (lines.empty() ? std::string() : utf8(lines.front()));
    }
}

} // namespace
