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

namespace Normalizzati {

const std::u16string_view valoreRb1 = u"Valore normalizzato %1 non superiore a Rb1: %2.";
const std::u16string_view valoreRb2 =
    u"Con Rb1 = %2 (%1) Rb2 diventa %3 kohm; valore normalizzato %1 non superiore: %4.";
const std::u16string_view correntiIi = u"Con questo valore Ii = %1 mA e Ib1 = %2 mA.";
const std::u16string_view correntiIc2 = u"Con questo valore Ic2 = %1 mA e Ib1 = %2 mA.";
const std::u16string_view correntiRb2 = u"Con questi valori Ii = %1 mA e Ib2 = %2 mA.";
const std::u16string_view margine = u"Margine ottenuto su %1: %2 %.";
const std::u16string_view margineNonCalcolabile =
    u"Il margine ottenuto su %1 non si può calcolare: la corrente di collettore è zero o il "
    u"risultato è troppo grande.";
const std::u16string_view correnteIngresso =
    u"Attenzione: Ii raggiunge o supera i 4 mA, corrente limite di uscita per i CMOS.";

const std::u16string_view nonPositivo =
    u"Nessun valore normalizzato %1 per %2: il valore calcolato non è positivo.";
const std::u16string_view sottoIntervallo =
    u"Nessun valore normalizzato %1 per %2: il valore calcolato è inferiore a 1 ohm, il più "
    u"piccolo considerato.";
const std::u16string_view sopraIntervallo =
    u"Nessun valore normalizzato %1 per %2: il valore calcolato supera 10 Mohm, il più grande "
    u"considerato.";
const std::u16string_view nonCalcolabile =
    u"Nessun valore normalizzato %1 per %2: il ricalcolo delle correnti richiede una divisione "
    u"per zero o dà un risultato troppo grande.";
const std::u16string_view senzaRb1 =
    u"Nessun valore normalizzato %1 per Rb2, perché non ce n'è uno per Rb1.";

} // namespace Normalizzati

} // namespace Messages
