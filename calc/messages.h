#pragma once

#include <string_view>

#include "entry.h"

// Every text that the calculation shows to the user, each written once.
namespace Messages {

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
extern const std::u16string_view titoloRb1; // the table of Rb1
extern const std::u16string_view titoloRb2; // the table of Rb2
extern const std::u16string_view titoloIi;  // Ii [mA] to three significant digits
// Column headings, and what they stand for when read out.
extern const std::u16string_view serie;
extern const std::u16string_view correnteRb1, correnteRb1Detta; // Q2's collector current
extern const std::u16string_view correnteRb1Max, correnteRb1MaxDetta;
extern const std::u16string_view margine, margineQ1Detto, margineQ2Detto;
extern const std::u16string_view peggioreDetto; // before the worst-case margin
extern const std::u16string_view iiMax, iiMaxDetta;
extern const std::u16string_view nonCalcolabile; // a margin with no collector current
extern const std::u16string_view spento;         // transistor: off in the worst case
// The first cell of a row: the value to buy, and the nearest below the computed one.
extern const std::u16string_view daAcquistareDetto; // after the series, read out
extern const std::u16string_view piuVicino;         // series
extern const std::u16string_view piuVicinoDetto;    // series
// The lines below a table.
extern const std::u16string_view margineRb1;    // Q1's margin, one-transistor Rb1
extern const std::u16string_view margineRb1Ic2; // two-transistor Rb1
extern const std::u16string_view margineRb2;
extern const std::u16string_view correntiIi;  // resistor name
extern const std::u16string_view acquisto;    // margin asked for [%]: what "to buy" means
extern const std::u16string_view acquistoQ1;  // the same, where the margin is Q1's alone
extern const std::u16string_view acquistoRb2; // margin asked for [%]
// What the worst case assumes, a line each.
extern const std::u16string_view ipotesiResistenze;
extern const std::u16string_view ipotesiVbe;
extern const std::u16string_view ipotesiMinimaIb;
extern const std::u16string_view ipotesiMassimaI;
extern const std::u16string_view ipotesiIngressi;
// A row's warnings: series, resistor value, transistor.
extern const std::u16string_view nonSatura;
extern const std::u16string_view spentoPeggiore;
extern const std::u16string_view saturazione;
extern const std::u16string_view limiteCmos; // series, resistor value
// No standard value: series, resistor name.
extern const std::u16string_view nonPositivo;
extern const std::u16string_view sottoIntervallo;
extern const std::u16string_view sopraIntervallo;
extern const std::u16string_view ricalcoloImpossibile;
extern const std::u16string_view senzaRb1; // series
// No value to buy: series, resistor name; %3 the base-emitter resistor where named.
extern const std::u16string_view viBassa;
extern const std::u16string_view vccBassa;
extern const std::u16string_view partitoreTuttaCorrente;
extern const std::u16string_view limiteCmosQ1;
extern const std::u16string_view limiteCmosQ2;
extern const std::u16string_view nessunoFinoAUnOhm;
extern const std::u16string_view casoPeggioreImpossibile;
extern const std::u16string_view senzaRb1DaAcquistare; // series
extern const std::u16string_view nessunRisultato;      // F1 before any result
extern const std::u16string_view tastiera;             // how the keyboard reaches the notes
// The report of a design.
extern const std::u16string_view titoloRelazione;
extern const std::u16string_view circuito;
extern const std::u16string_view datiInseriti;
extern const std::u16string_view risultati;
extern const std::u16string_view ipotesi;
extern const std::u16string_view copia;
} // namespace Note

} // namespace Messages
