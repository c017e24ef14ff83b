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

// The tooltips of the base resistors, one line for each series. %1, %2... stand for the texts
// filled in, as each comment says.
namespace Normalizzati {
extern const std::u16string_view valoreRb1; // series, standard Rb1
// Series, standard Rb1, Rb2 computed from it [kohm], standard Rb2.
extern const std::u16string_view valoreRb2;
extern const std::u16string_view correntiIi;  // Ii, Ib1 [mA]: one-transistor circuit
extern const std::u16string_view correntiIc2; // Ic2, Ib1 [mA]: Rb1 of the two-transistor circuit
extern const std::u16string_view correntiRb2; // Ii, Ib2 [mA]
extern const std::u16string_view margine;     // transistor, margin [%]
extern const std::u16string_view margineNonCalcolabile; // transistor
extern const std::u16string_view correnteIngresso;      // Ii reaches the CMOS output's 4 mA
// No standard value: series, resistor name.
extern const std::u16string_view nonPositivo;
extern const std::u16string_view sottoIntervallo;
extern const std::u16string_view sopraIntervallo;
extern const std::u16string_view nonCalcolabile;
extern const std::u16string_view senzaRb1; // series
} // namespace Normalizzati

} // namespace Messages
