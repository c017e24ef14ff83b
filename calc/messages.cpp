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

namespace Note {

const std::u16string_view titoloRb1 =
    u"Valori normalizzati di Rb1, non superiori a quello calcolato";
const std::u16string_view titoloRb2 =
    u"Valori normalizzati di Rb2, non superiori a quello calcolato";
const std::u16string_view titoloIi = u"Ii\u00a0=\u00a0%1\u00a0mA";

const std::u16string_view serie = u"Serie";
const std::u16string_view correnteRb1 = u"I in Rb1";
const std::u16string_view correnteRb1Detta = u"corrente in Rb1 (di collettore di Q2)";
const std::u16string_view ib1 = u"Ib1";
const std::u16string_view ib1Detta = u"corrente di base di Q1";
const std::u16string_view ib2 = u"Ib2";
const std::u16string_view ib2Detta = u"corrente di base di Q2";
const std::u16string_view margine = u"margine";
const std::u16string_view margineQ1Detto = u"margine su Q1";
const std::u16string_view margineQ2Detto = u"margine su Q2";
const std::u16string_view peggioreDetto = u"nel caso peggiore";
const std::u16string_view iiMax = u"Ii max";
const std::u16string_view iiMaxDetta = u"Ii massima";
const std::u16string_view nonCalcolabile = u"\u2014";

const std::u16string_view casoPeggioreRb1 =
    u"Margine sulla corrente di base di Q1, nominale e (tra parentesi) nel caso peggiore: Rb1 a "
    u"+t. Ii\u00a0max con Rb1 a \u2212t.";
const std::u16string_view casoPeggioreRb1Ic2 =
    u"I in Rb1: corrente di collettore di Q2. Margine sulla corrente di base di Q1, nominale e "
    u"(tra parentesi) nel caso peggiore: Rb1 a +t.";
const std::u16string_view casoPeggioreRb2 =
    u"Rb2 ricalcolata con Rb1 normalizzato della stessa serie. Margine sulla corrente di base "
    u"di Q2, nominale e (tra parentesi) nel caso peggiore: Rb2 a +t, Rb1 a \u2212t. Ii\u00a0max "
    u"con Rb2 a \u2212t.";
const std::u16string_view casoPeggioreIi = u"Ii con %1 normalizzato; Ii\u00a0max con %1 a \u2212t.";
const std::u16string_view tolleranza =
    u"t: tolleranza della serie (IEC 60063); R1, R2 e guadagni come inseriti.";
const std::u16string_view piuSerie =
    u"Una riga per più serie: il caso peggiore è quello della tolleranza più larga.";
const std::u16string_view saturazione =
    u"%1: con il margine negativo nel caso peggiore %2 può non andare in saturazione.";
const std::u16string_view limiteCmos =
    u"%1: Ii\u00a0max raggiunge i 4\u00a0mA, corrente limite di uscita per i CMOS.";

const std::u16string_view nonPositivo =
    u"%1: nessun valore normalizzato per %2, il valore calcolato non è positivo.";
const std::u16string_view sottoIntervallo =
    u"%1: nessun valore normalizzato per %2, il valore calcolato è inferiore a 1\u00a0ohm.";
const std::u16string_view sopraIntervallo =
    u"%1: nessun valore normalizzato per %2, il valore calcolato supera 10\u00a0Mohm.";
const std::u16string_view ricalcoloImpossibile =
    u"%1: nessun valore normalizzato per %2, il ricalcolo delle correnti richiede una "
    u"divisione per zero o dà un risultato troppo grande.";
const std::u16string_view senzaRb1 =
    u"%1: nessun valore normalizzato per Rb2, perché non ce n'è uno per Rb1.";

const std::u16string_view nessunRisultato =
    u"Premi \u00abCalcola\u00bb: ogni risultato avrà le sue note, con i valori normalizzati "
    u"delle resistenze e il caso peggiore delle loro tolleranze.";
const std::u16string_view tastiera = u"Da tastiera: F1.";

} // namespace Note

} // namespace Messages
