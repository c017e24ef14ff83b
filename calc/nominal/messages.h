#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "nominal/entry.h"

// Every text that the calculation shows to the user, each written once.
namespace Messages {

// The pattern with %1, %2... replaced by the arguments, in one pass; a placeholder without an
// argument stays as it is.
std::u16string fill(std::u16string_view pattern, std::initializer_list<std::u16string_view> args);

struct EntryMessages
{
    std::u16string_view vuoto;           // the entry is empty (MsgVuoto)
    std::u16string_view errore;          // a character outside the allowed set (MsgErrore)
    std::u16string_view fuoriIntervallo; // the number lies beyond the range of a double
};

const EntryMessages &forEntry(Entry entry);

// Ii reached the 4 mA that a CMOS output can deliver.
extern const std::u16string_view correnteIngresso;

// A step of the calculation could not be carried out.
extern const std::u16string_view divisionePerZero;
extern const std::u16string_view operazioneIndeterminata;
extern const std::u16string_view risultatoTroppoGrande;

// The notes of the results: the standard resistors to buy and the worst case they leave, as a
// table with lines below it. %1, %2... stand for the texts filled in, as each comment says.
namespace Note {
extern const std::u16string_view titoloRb1;               // the table of Rb1
extern const std::u16string_view titoloRb2;               // the table of Rb2
extern const std::u16string_view titoloIi;                // Ii [mA] to three significant digits
extern const std::u16string_view arrotondataNelRisultato; // after it: Ii as the caption rounds it
extern const std::u16string_view appenaSotto4mA;          // after it: shown as 4,00 below 4 mA
extern const std::u16string_view titoloRiepilogo;         // the summary: the values to buy
// After the summary's title: the temperature range of its worst case, 25 °C or Tmin and Tmax.
extern const std::u16string_view aVenticinqueGradi, daAGradi;
// Column headings, and what they stand for when read out.
extern const std::u16string_view serie;
extern const std::u16string_view kohm;
extern const std::u16string_view correnteRb1, correnteRb1Detta; // Q2's collector current
extern const std::u16string_view correnteRb1Max, correnteRb1MaxDetta;
extern const std::u16string_view margine, margineQ1Detto, margineQ2Detto;
extern const std::u16string_view peggiore, peggioreDetto; // the worst-case margin
extern const std::u16string_view margineQ1Peggiore, margineQ1PeggioreDetto;
extern const std::u16string_view margineQ2Peggiore, margineQ2PeggioreDetto;
extern const std::u16string_view conRb1, conRb1Detto; // the Rb1 an Rb2 goes with
extern const std::u16string_view rb2Ricalcolata, rb2RicalcolataDetta;
extern const std::u16string_view iiMax, iiMaxDetta;
extern const std::u16string_view nonCalcolabile; // a margin with no collector current
extern const std::u16string_view spento;         // transistor: off in the worst case
extern const std::u16string_view nessuno;        // the summary: no value to buy
// The first cell of a row: the value to buy (series, tolerance [%]), and the standard value just
// below the computed one (series).
extern const std::u16string_view daAcquistare, daAcquistareDetto;
extern const std::u16string_view subitoSotto, subitoSottoDetto;
// What the terms of a table mean, a line each.
extern const std::u16string_view legendaAcquistoQ1Cmos; // margin asked for [%], limit [mA]
extern const std::u16string_view legendaAcquistoQ1;     // margin asked for [%]
extern const std::u16string_view legendaAcquistoQ2;     // margin asked for [%], limit [mA]
extern const std::u16string_view legendaSubitoSotto;
extern const std::u16string_view legendaSubitoSottoRb2;
extern const std::u16string_view legendaMargineQ1;
extern const std::u16string_view legendaCorrenteRb1;
extern const std::u16string_view legendaMargineQ2;
extern const std::u16string_view legendaRb2Ricalcolata;
extern const std::u16string_view legendaIi; // resistor name
extern const std::u16string_view legendaRiepilogo;
// What the worst case assumes, a line each; "u" numbers are in the user's locale.
extern const std::u16string_view ipotesiResistenzeUno; // E12, E24, E96 tolerances [%]
extern const std::u16string_view ipotesiResistenzeDue; // the same
extern const std::u16string_view ipotesiVbe;           // Vbe lowest, highest [V]
extern const std::u16string_view ipotesiVbeVceSat;     // and Q2's Vce(sat) lowest, highest
// Each with its corner's temperature [°C] last.
extern const std::u16string_view ipotesiMinimaIbUno; // highest Vbe
extern const std::u16string_view ipotesiMinimaIbDue; // highest Vbe, highest Vce(sat)
extern const std::u16string_view ipotesiMassimaIUno; // lowest Vbe
extern const std::u16string_view ipotesiMassimaIDue; // lowest Vbe, lowest Vce(sat)
// The temperature range: 25 °C only; or Tmin, Tmax [°C], the rise and the fall of Vbe [V].
extern const std::u16string_view ipotesiTemperatura25, ipotesiTemperatura;
// A part's gain at Tmin: the figure, Tmin [°C], how it was found; its VBE(sat) and the rise [V]
// at Tmin [°C].
extern const std::u16string_view ipotesiGuadagnoFreddo, ipotesiVbeFredda;

extern const std::u16string_view ipotesiIngressiUno;
extern const std::u16string_view ipotesiIngressiDue; // Vcc's tolerance [%]
extern const std::u16string_view ipotesiUscitaInserita;
// The output: name, Vi lowest [V], up to [mA], Vi highest [V], temperature, source.
extern const std::u16string_view ipotesiUscita;
extern const std::u16string_view ipotesiUscitaPersonalizzata; // Vi lowest, up to, Vi highest
extern const std::u16string_view impostateDallUtente;    // in brackets after values the user set
extern const std::u16string_view impostazioniSostituite; // field names, listed
// A row's warnings: series, resistor value, transistor.
extern const std::u16string_view nonSatura;
extern const std::u16string_view spentoPeggiore;
extern const std::u16string_view saturazione;
extern const std::u16string_view
    limiteUscitaRaggiunto; // series, resistor value, %4 the limit reached
// The limit Ii max reaches: 4 mA, or the output's (its least level [V], up to [mA]).
extern const std::u16string_view limite4mA;
extern const std::u16string_view limiteUscita;
// No standard value: series, resistor name.
extern const std::u16string_view nonPositivo;
extern const std::u16string_view sottoIntervallo;
extern const std::u16string_view sopraIntervallo;
extern const std::u16string_view ricalcoloImpossibile;
extern const std::u16string_view senzaRb1; // series
// No value to buy: series, resistor name; %3 the base-emitter resistor where named, or the
// voltages at the corner [V]; %4 the limit Ii max reaches.
extern const std::u16string_view nonPositivoDaAcquistare; // %3: calcolato or ricalcolato
extern const std::u16string_view sottoIntervalloDaAcquistare;
extern const std::u16string_view calcolato, ricalcolato;
extern const std::u16string_view viBassa;  // %3 highest Vbe
extern const std::u16string_view vccBassa; // %3 highest Vbe, %4 highest Vce(sat)
extern const std::u16string_view partitoreTuttaCorrente;
extern const std::u16string_view limiteUscitaQ1;
extern const std::u16string_view limiteUscitaQ2;
extern const std::u16string_view nessunoFinoAUnOhm;
extern const std::u16string_view casoPeggioreImpossibile;
// %3 the transistor, %4 its part, %5 the last current its datasheet gives a gain at [mA].
extern const std::u16string_view nessunGuadagnoGarantito;
// After why nothing holds, where the worst case spans temperatures: Tmin, Tmax [°C].
extern const std::u16string_view allaTemperatura;
// Series, resistor, output, its range [°C], the range of the worst case [°C].
extern const std::u16string_view uscitaFuoriTemperatura;
extern const std::u16string_view senzaRb1DaAcquistare; // series
// A part bought: transistor, part, its source, then as each comment says.
extern const std::u16string_view ipotesiTransistor;     // %4: which Vbe it takes
extern const std::u16string_view ipotesiTransistorA;    // %4 its current [mA], %5 gain, %6 Vbe
extern const std::u16string_view ipotesiGuadagno;       // hFE min, the row's current [mA]
extern const std::u16string_view ipotesiNessunGuadagno; // the last row's current [mA]
// The gain below the first row: its figure, its row's current, the first row's current [mA].
extern const std::u16string_view ipotesiGuadagnoSottoRighe;
// Vbe [V], the row's collector and base currents [mA] (VBE(on): the collector current only).
extern const std::u16string_view ipotesiVbeSat, ipotesiVbeOltre, ipotesiVbeOn;
extern const std::u16string_view vbeSat, vbeOnInLuogo;
// The check against the datasheets: title, columns, each check's name (transistor or resistor),
// condition and verdict; %1, %2... the figures each comment of the file names.
extern const std::u16string_view titoloVerifica;
extern const std::u16string_view verifica, valore, limite, condizione, esito;
extern const std::u16string_view tutteLeSerie;
extern const std::u16string_view verificaIc, verificaGuadagno, verificaForzato, verificaPotenza;
extern const std::u16string_view condIcMax;    // part
extern const std::u16string_view condGuadagno; // part, Ic [mA], Vce [V]
// The gain at Tmin: part, Tmin [°C] and how it falls there from 25 °C: the 25 °C figure and its
// row's current [mA] and VCE [V], then the law's Tmin [K], XTB and source; or the cold row's
// figure, the 25 °C figure at its current, its temperature [°C] and current [mA].
extern const std::u16string_view condGuadagnoA;
extern const std::u16string_view condGuadagnoLegge, condGuadagnoRigaFredda;
extern const std::u16string_view nessunModello; // a law's source where no maker's model is known
extern const std::u16string_view condNessunGuadagno;     // part, last Ic [mA]
extern const std::u16string_view condSaturazione;        // VCE(sat) [V], Ic, Ib [mA]
extern const std::u16string_view condNessunaSaturazione; // part, last Ic [mA]
extern const std::u16string_view condPotenza;            // part, mounting, ambient [°C]
extern const std::u16string_view condResistore;          // ambient [°C]
extern const std::u16string_view esitoEntro, esitoOltre;
extern const std::u16string_view esitoGuadagnoUsato; // the datasheet's gain
// Below a part's first gain row: that row's current [mA], the table's lowest minimum.
extern const std::u16string_view esitoSottoRighe;
extern const std::u16string_view esitoNessunGuadagno;
extern const std::u16string_view esitoSaturazione; // VCE(sat) [V]
extern const std::u16string_view esitoSoloVce;     // hFE's test VCE [V]
extern const std::u16string_view esitoNessunaGaranzia, esitoNonVerificabile;
extern const std::u16string_view esitoOttavo, esitoQuarto, esitoOltreQuarto;
extern const std::u16string_view legendaVerifica; // then a sentence per kind of row shown
extern const std::u16string_view legendaVerificaHfe, legendaVerificaIcIb, legendaVerificaPotenza,
    legendaVerificaResistenze;
extern const std::u16string_view nota;              // the column of what is guaranteed
extern const std::u16string_view esitoNonGarantito; // nothing to compare with
extern const std::u16string_view avvisoVceQ2;       // series, Q2's VCE, Vce(sat) highest [V]
extern const std::u16string_view avvisoOltre;       // series, the check
extern const std::u16string_view nessunRisultato;   // F1 before any result
extern const std::u16string_view tastiera;          // how the keyboard reaches the notes
// The report of a design.
extern const std::u16string_view titoloRelazione;
extern const std::u16string_view programmaEData; // program and version, date and time
extern const std::u16string_view circuito;
extern const std::u16string_view datiInseriti;
extern const std::u16string_view risultati;
extern const std::u16string_view ipotesi;
extern const std::u16string_view copia;
extern const std::u16string_view ipotesiPulsante; // opens the form of the worst case's ranges
// The off check, a line per transistor: %1 the transistor, %2 its base-emitter resistor, %3 the
// largest that holds it off [kohm]; spentoNo: %3 what holds it off (conUscitaBassa...), %4 Tmax
// [°C], %5 its Vbe [V], %6 the largest resistor [kohm].
extern const std::u16string_view spentoSi, spentoSempre, spentoNo;
extern const std::u16string_view conUscitaBassa, conUscitaFlottante, conQ2Spento;
// A series whose resistors at tolerance let it on: %1 series, %2 transistor, %3 its base-emitter
// resistor, %4 the tolerance [%], %5 the base resistor, %6 the state, %7 Vbe [V], %8 Tmax [°C].
extern const std::u16string_view spentoNoSerie;
// The off check's assumptions: %1 Tmax, %2 the threshold there, %3 at 25 °C [V]; the output's
// low level from the list: %1 its name, %2 VOL [mV] at %3 the leakage [µA], %4 the row's VOL
// [V] up to %5 its current [mA], %6 its source; as
// typed: %1 VOL [V]; where it may float: %1 when, %2 the pin's leakage [µA]; a transistor's
// leakage: %1 the transistor, %2 what, %3 at Tmax [µA], %4 Tmax, %5 how.
extern const std::u16string_view ipotesiSpento, ipotesiUscitaBassa, ipotesiUscitaBassaInserita;
extern const std::u16string_view ipotesiFlottante, ipotesiMaiFlottante, ipotesiDispersione;
extern const std::u16string_view comeInseritaFlottante; // ipotesiFlottante's %1 for an output typed
// How a leakage was carried to Tmax: %1 the figure [nA], %2 its temperature, %3 the source; the
// row that capped it: %4 [nA], %5 its temperature.
extern const std::u16string_view dispersioneRaddoppia, dispersioneLimitata, dispersioneInserita;
// Every part of the list tried in the design: the table's title and its columns, with what they
// stand for read out.
extern const std::u16string_view titoloClassifica;
extern const std::u16string_view marginePeggiore, marginePeggioreDetto;
extern const std::u16string_view quotaIc, quotaIcDetta;
extern const std::u16string_view quotaPotenza, quotaPotenzaDetta;
extern const std::u16string_view restaSpento, si, no;
extern const std::u16string_view sceltaUno, sceltaDue; // a candidate's parts
// Its verdicts: holds, or why not (no gain: at %1 [mA]).
extern const std::u16string_view esitoRegge, esitoSenzaGuadagno, esitoOltreIcMax, esitoOltrePtot,
    esitoNonSpento, esitoLimiteUscita, esitoNessunValore;
extern const std::u16string_view legendaClassifica;
// How many were tried and hold: %1 tried, %2 holding; for pairs %3 how many are shown.
extern const std::u16string_view provatiTransistor, provateCoppie;
// After the parts chosen from the table became those in force: %1 the parts.
extern const std::u16string_view sceltiDallaClassifica;
// Under the results, a computed base resistor the worst case does not hold: %1 its name, %2 its
// value [kohm] as the result shows it, %3 with what, %4 what the standard value below leaves, %5
// what to buy instead.
extern const std::u16string_view nominaleNonRegge;
extern const std::u16string_view nominaleConParte;     // %1 the transistor, %2 its part
extern const std::u16string_view nominaleCasoPeggiore; // no part bought
extern const std::u16string_view nominaleSotto;        // %1 the E96 value, %2 its worst margin
extern const std::u16string_view nominaleSpento;       // %1 the E96 value, %2 the transistor
extern const std::u16string_view nominaleSenzaMargine; // %1 the E96 value
extern const std::u16string_view nominaleSenzaStandard;
extern const std::u16string_view nominaleDaAcquistare; // %1 the value, %2 its series
extern const std::u16string_view nominaleNessunAcquisto;
// The summary: what the values to buy guarantee of each transistor at the worst corner: %1 the
// transistor, %2 its part, %3 per series; VCE(sat) [V] at the test's Ic/Ib and Ic [mA]; the gain
// test's VCE [V]; a transistor typed.
extern const std::u16string_view garantisce, garantisceSaturazione, garantisceSoloVce;
extern const std::u16string_view garantisceComeInserito;
extern const std::u16string_view inOgniSerie;
// Saturation guaranteed asked for: %1 the transistor, %2 its highest Ic/Ib, %3 Ic [mA], %4 the
// least Ib [mA], %5 where the figure comes from: the part's VCE(sat) row (%1 the part, %2 VCE(sat)
// [V], %3/%4 its Ic/Ib [mA]) or typed; no value to buy where the datasheet stops below Ic: %1
// series, %2 resistor, %3 transistor, %4 part, %5 its last VCE(sat) row's Ic [mA].
extern const std::u16string_view saturazioneRichiesta, saturazioneRiga, saturazioneInserita;
extern const std::u16string_view nessunaSaturazioneGarantita;
// The value that would hold were the output not limited: %1 series, %2 the value, %3 the most it
// would draw [mA].
extern const std::u16string_view oltreLimiteUscita;
// What the least base current's corner used of a transistor bought: %1 the transistor, %2 its
// part, %3 the highest Vbe [V], %4 from where, %5 the least gain, %6 from where.
extern const std::u16string_view ipotesiUsati, dalDatasheet, dallIntervallo, comeInserito;
// A transistor bought: its datasheet's Vbe and gain stand where worse than typed.
extern const std::u16string_view salvoDatasheet, ipotesiIngressiUnoDatasheet;
extern const std::u16string_view ipotesiIngressiDueDatasheet; // Vcc's tolerance [%]
} // namespace Note

// The form of the worst case's ranges.
namespace Corners {
extern const std::array<std::u16string_view, 21> nomi; // each field, with its unit
// The form's choice of the temperature range: its label, its choices (25 °C only, 0…70 °C,
// −40…85 °C, −40…125 °C), the range typed, and what the range does.
extern const std::u16string_view intervalloTemperatura;
extern const std::array<std::u16string_view, 4> intervalliTemperatura;
extern const std::u16string_view intervalloPersonalizzato;
extern const std::u16string_view spiegazioneTemperatura;
extern const std::u16string_view titolo;
extern const std::u16string_view spiegazione;
extern const std::u16string_view predefiniti;
extern const std::u16string_view gruppoComponenti; // the group of the parts' ranges
extern const std::u16string_view gruppoSorgenti;   // the group of the output and the supply
extern const std::u16string_view comeInserita;     // the output: Vi as typed
extern const std::u16string_view personalizzata;   // the output: figures of the designer's own
extern const std::u16string_view gruppoTransistor; // the group of the parts bought
extern const std::u16string_view comeInserito;     // a transistor: gain and Vbe as set
extern const std::u16string_view temperatura;      // field name, the decimal separators
extern const std::u16string_view transistor;       // field name: a part not in the list
extern const std::u16string_view dispersione;      // field name, the decimal separators
extern const std::u16string_view guadagnoForzato;  // field name, the decimal separators
// The off state's threshold refused: its field, the lowest Vbe [V], Tmax [°C].
extern const std::u16string_view sogliaSpento;
extern const std::u16string_view puoFlottare;          // the check box of the output's pin
extern const std::u16string_view saturazioneGarantita; // the check box of saturation
extern const std::u16string_view spiegazioneSpento;    // what the off check does, its defaults
// What a field accepts: field name, the decimal separators.
extern const std::u16string_view tensione;
extern const std::u16string_view tolleranza;
extern const std::u16string_view tensioneUscita;
extern const std::u16string_view correnteUscita;
extern const std::u16string_view separatorePunto;
extern const std::u16string_view separatoreLocale; // the locale's decimal point
extern const std::u16string_view intervallo;       // lower end's name, upper end's name
} // namespace Corners

// The report's window and its PDF; the terms its tables may hold.
namespace Report {
extern const std::u16string_view titoloFinestra;
extern const std::u16string_view nomeTesto;        // the report's text, for assistive tools
extern const std::u16string_view ingressiCambiati; // the report is of an earlier press
extern const std::u16string_view salvaPdf;         // the button
extern const std::u16string_view salvaPdfTitolo;   // the file dialog's caption
extern const std::u16string_view filtroPdf;        // the file dialog's filter
extern const std::u16string_view nomeFilePdf;      // date and time of the press, as a file name
extern const std::u16string_view pdfNonSalvato;    // file name, the system's reason
extern const std::u16string_view scritto; // an entry as typed, beside the number read from it
// The legends of what a table may hold.
extern const std::u16string_view ugualeAlCalcolato, ugualeAlCalcolatoDetto; // series
extern const std::u16string_view legendaUguale;
extern const std::u16string_view legendaSenzaGuadagno; // a worst margin "—": no gain guaranteed
extern const std::u16string_view legendaNonCalcolabile;
// The summary: R1 (and R2) bought as the worst case assumes.
extern const std::u16string_view acquistoR1, acquistoR1R2;
extern const std::u16string_view paginaDiPagine; // a PDF page's number, the number of pages
// The block at the report's head, each line only where it is filled in the report's window.
extern const std::u16string_view progetto, progettista, revisione;
} // namespace Report

// What became of the stored settings: %1 where they are kept, %2 why, as each comment says.
namespace Settings {
extern const std::u16string_view nonSalvate;        // where, why
extern const std::u16string_view nonLette;          // where, why
extern const std::u16string_view ipotesiNonSalvate; // why
extern const std::u16string_view sostituito;        // the text stored
extern const std::u16string_view sostituitoConLAltroEstremo;
// Why.
extern const std::u16string_view fileVuoto;
extern const std::u16string_view fileIlleggibile;
extern const std::u16string_view soloLettura;
extern const std::u16string_view cartellaAlPosto;
extern const std::u16string_view cartellaNonScrivibile;
extern const std::u16string_view nonScritto;
} // namespace Settings

} // namespace Messages
