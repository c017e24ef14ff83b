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

// The notes of the results: what the standard resistors give, as a table with lines below it.
// %1, %2... stand for the texts filled in, as each comment says.
namespace Note {
extern const std::u16string_view titoloRb1; // the table of Rb1
extern const std::u16string_view titoloRb2; // the table of Rb2
extern const std::u16string_view titoloIi;  // Ii [mA] to three significant digits
// Column headings, and what they stand for when read out.
extern const std::u16string_view serie;
extern const std::u16string_view correnteRb1, correnteRb1Detta; // Q2's collector current
extern const std::u16string_view ib1, ib1Detta, ib2, ib2Detta;
extern const std::u16string_view margine, margineQ1Detto, margineQ2Detto;
extern const std::u16string_view peggioreDetto; // before the worst-case margin
extern const std::u16string_view iiMax, iiMaxDetta;
extern const std::u16string_view nonCalcolabile; // a margin with no collector current
// The lines below a table.
extern const std::u16string_view casoPeggioreRb1;    // one-transistor Rb1
extern const std::u16string_view casoPeggioreRb1Ic2; // two-transistor Rb1
extern const std::u16string_view casoPeggioreRb2;
extern const std::u16string_view casoPeggioreIi; // resistor name
extern const std::u16string_view tolleranza;     // what t stands for
extern const std::u16string_view piuSerie;       // a row stands for several series
extern const std::u16string_view saturazione;    // series, transistor: negative worst margin
extern const std::u16string_view limiteCmos;     // series: Ii max reaches 4 mA
// No standard value: series, resistor name.
extern const std::u16string_view nonPositivo;
extern const std::u16string_view sottoIntervallo;
extern const std::u16string_view sopraIntervallo;
extern const std::u16string_view ricalcoloImpossibile;
extern const std::u16string_view senzaRb1;        // series
extern const std::u16string_view nessunRisultato; // F1 before any result
extern const std::u16string_view tastiera;        // how the keyboard reaches the notes
} // namespace Note

} // namespace Messages
