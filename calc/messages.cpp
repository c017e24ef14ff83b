#include "messages.h"

#include <array>

namespace Messages {
namespace {

// clang-format off
#define HINT u". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3"
#define RANGE u" è troppo grande per essere usato nel calcolo. Scrivi un numero che in valore assoluto non superi 1E308."

constexpr std::array<EntryMessages, entryCount> table{{
    {u"Hai dimenticato di scrivere la tensione di alimentazione Vcc",
     u"Errore di inserimento dati per la tensione di alimentazione Vcc" HINT,
     // Text1 is read in both circuits but is visible only in the two-transistor one.
     u"Il valore scritto per la tensione di alimentazione Vcc" RANGE
     u" Il campo Vcc compare scegliendo \"Carico con un pin a massa\"."},
    {u"Hai dimenticato di scrivere la corrente nel carico IL",
     u"Errore di inserimento dati per la corrente nel carico IL" HINT,
     u"Il valore scritto per la corrente nel carico IL" RANGE},
    {u"Hai dimenticato di scrivere la tensione in ingresso Vi",
     u"Errore di inserimento dati per la tensione in ingresso Vi" HINT,
     u"Il valore scritto per la tensione in ingresso Vi" RANGE},
    {u"Hai dimenticato di scrivere hFE1min",
     u"Errore di inserimento dati per hFE1min" HINT,
     u"Il valore scritto per hFE1min" RANGE},
    {u"Hai dimenticato di scrivere hFE2min",
     u"Errore di inserimento dati per hFE2min" HINT,
     u"Il valore scritto per hFE2min" RANGE},
    {u"Hai dimenticato di scrivere la maggiorazione percentuale della corrente di base di Q1 ",
     u"Errore di inserimento dati per la maggiorazione percentuale della corrente di base di Q1" HINT,
     u"Il valore scritto per la maggiorazione percentuale della corrente di base di Q1" RANGE},
    {u"Hai dimenticato di scrivere la maggiorazione percentuale della corrente di base di Q2 ",
     u"Errore di inserimento dati per la maggiorazione percentuale della corrente di base di Q2" HINT,
     u"Il valore scritto per la maggiorazione percentuale della corrente di base di Q2" RANGE},
    {u"Hai dimenticato di scrivere il valore di R1",
     u"Errore di inserimento dati il valore di R1" HINT,
     u"Il valore scritto per R1" RANGE},
    {u"Hai dimenticato di scrivere il valore di R2",
     u"Errore di inserimento dati il valore di R2" HINT,
     u"Il valore scritto per R2" RANGE},
}};
// clang-format on

#undef HINT
#undef RANGE

} // namespace

const EntryMessages &forEntry(Entry entry)
{
    return table[static_cast<std::size_t>(entry)];
}

const std::u16string_view correnteIngresso =
    u"La corrente di ingresso è maggiore di 4 mA, corrente limite di uscita per i CMOS!";

const std::u16string_view divisionePerZero =
    u"Non è possibile eseguire il calcolo: richiede una divisione per zero. "
    u"Controlla i valori dei guadagni hFE1min e hFE2min e delle resistenze R1 e R2, che non "
    u"possono valere zero.";

const std::u16string_view operazioneIndeterminata =
    u"Non è possibile eseguire il calcolo: richiede una divisione di zero per zero. "
    u"Controlla i valori dei guadagni hFE1min e hFE2min e delle resistenze R1 e R2.";

const std::u16string_view risultatoTroppoGrande =
    u"Non è possibile eseguire il calcolo: un risultato intermedio è troppo grande per essere "
    u"rappresentato. "
    u"Controlla l'ordine di grandezza dei dati inseriti.";

} // namespace Messages
