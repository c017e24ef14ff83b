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

} // namespace Messages
