#include "nominal/messages.h"

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

std::u16string fill(std::u16string_view pattern, std::initializer_list<std::u16string_view> args)
{
    std::u16string text;
    std::size_t length = pattern.size();
    for (const std::u16string_view arg : args)
        length += arg.size();
    text.reserve(length);   // one allocation: enough for every placeholder filled
    std::size_t copied = 0; // the pattern is copied in runs between the placeholders
    for (std::size_t i = pattern.find(u'%');
         i != std::u16string_view::npos && i + 1 < pattern.size();
         i = pattern.find(u'%', i + 1)) {
        const auto index = static_cast<std::size_t>(pattern[i + 1] - u'1');
        if (index >= args.size())
            continue;
        text.append(pattern.substr(copied, i - copied)).append(*(args.begin() + index));
        copied = i + 2;
        ++i;
    }
    return text.append(pattern.substr(copied));
}

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
    u"Rb1 per serie: da acquistare e valore standard subito sotto";
const std::u16string_view titoloRb2 =
    u"Rb2 per serie: da acquistare e valore standard subito sotto";
const std::u16string_view titoloIi = u"Ii\u00a0=\u00a0%1\u00a0mA";
const std::u16string_view arrotondataNelRisultato = u" (nel risultato, arrotondata: %1)";
const std::u16string_view appenaSotto4mA = u", arrotondata per eccesso: è appena sotto i 4\u00a0mA";
const std::u16string_view titoloRiepilogo =
    u"Da acquistare, per serie, con i margini nel caso peggiore";
const std::u16string_view aVenticinqueGradi = u"a 25\u00a0\u00b0C soltanto";
const std::u16string_view daAGradi = u"da %1 a %2\u00a0\u00b0C";

const std::u16string_view serie = u"Serie";
const std::u16string_view kohm = u"kohm";
const std::u16string_view correnteRb1 = u"I in Rb1";
const std::u16string_view correnteRb1Detta = u"corrente in Rb1 (di collettore di Q2)";
const std::u16string_view correnteRb1Max = u"I max";
const std::u16string_view correnteRb1MaxDetta = u"corrente massima in Rb1";
const std::u16string_view margine = u"margine";
const std::u16string_view margineQ1Detto = u"margine su Q1";
const std::u16string_view margineQ2Detto = u"margine su Q2";
const std::u16string_view peggiore = u"peggiore";
const std::u16string_view peggioreDetto = u"nel caso peggiore";
const std::u16string_view margineQ1Peggiore = u"margine Q1";
const std::u16string_view margineQ1PeggioreDetto = u"margine su Q1 nel caso peggiore";
const std::u16string_view margineQ2Peggiore = u"margine Q2";
const std::u16string_view margineQ2PeggioreDetto = u"margine su Q2 nel caso peggiore";
const std::u16string_view conRb1 = u"con Rb1";
const std::u16string_view conRb1Detto = u"con Rb1";
const std::u16string_view rb2Ricalcolata = u"Rb2 ricalc.";
const std::u16string_view rb2RicalcolataDetta = u"Rb2 ricalcolato";
const std::u16string_view iiMax = u"Ii max";
const std::u16string_view iiMaxDetta = u"Ii massima";
const std::u16string_view nonCalcolabile = u"\u2014";
const std::u16string_view spento = u"spento";
const std::u16string_view nessuno = u"nessuno";

const std::u16string_view daAcquistare = u"%1 \u00b1%2\u00a0%";
const std::u16string_view daAcquistareDetto = u"%1 \u00b1%2\u00a0%, da acquistare";
const std::u16string_view subitoSotto = u"%1 subito sotto";
const std::u16string_view subitoSottoDetto = u"%1, valore standard subito sotto quello calcolato";

const std::u16string_view legendaAcquistoQ1Cmos =
    u"Righe con la tolleranza: il valore da acquistare, il più grande della serie che nel caso "
    u"peggiore dà ancora il margine richiesto su Q1 (%1\u00a0%) con Ii\u00a0max sotto "
    u"%2\u00a0mA.";
const std::u16string_view legendaAcquistoQ1 =
    u"Righe con la tolleranza: il valore da acquistare, il più grande della serie che nel caso "
    u"peggiore dà ancora il margine richiesto su Q1 (%1\u00a0%).";
const std::u16string_view legendaAcquistoQ2 =
    u"Righe con la tolleranza: l'Rb2 da acquistare insieme all'Rb1 da acquistare della stessa "
    u"serie, il più grande che nel caso peggiore dà ancora il margine richiesto su Q2 "
    u"(%1\u00a0%) con Ii\u00a0max sotto %2\u00a0mA.";
const std::u16string_view legendaSubitoSotto =
    u"Subito sotto: il valore standard subito sotto quello calcolato, dove non è quello da "
    u"acquistare.";
const std::u16string_view legendaSubitoSottoRb2 =
    u"Subito sotto: il valore standard subito sotto l'Rb2 ricalcolato per l'Rb1 subito sotto, "
    u"dove non è quello da acquistare.";
const std::u16string_view legendaMargineQ1 =
    u"Margine sulla corrente di base di Q1: nominale e nel caso peggiore.";
const std::u16string_view legendaCorrenteRb1 =
    u"I in Rb1: corrente di collettore di Q2; I\u00a0max: la sua massima, nel caso peggiore.";
const std::u16string_view legendaMargineQ2 =
    u"Margine sulla corrente di base di Q2: nominale e nel caso peggiore, contro la I\u00a0max "
    u"dell'Rb1 della riga.";
const std::u16string_view legendaRb2Ricalcolata =
    u"Con Rb1: l'Rb1 della riga; Rb2 ricalc.: l'Rb2 che il calcolo dà per la corrente di "
    u"collettore di quell'Rb1, da cui la riga prende il valore standard.";
const std::u16string_view legendaIi = u"Ii con %1 nominale; Ii\u00a0max nel caso peggiore.";
const std::u16string_view legendaRiepilogo =
    u"I margini sono quelli che il valore da acquistare lascia nel caso peggiore; i dettagli "
    u"seguono, risultato per risultato.";

const std::u16string_view ipotesiResistenzeUno =
    u"Caso peggiore: Rb1 e R1 al limite \u00b1t della tolleranza della serie: E12 \u00b1%1\u00a0%, "
    u"E24 \u00b1%2\u00a0%, E96 \u00b1%3\u00a0%.";
const std::u16string_view ipotesiResistenzeDue =
    u"Caso peggiore: ogni resistenza, R1 e R2 comprese, al limite \u00b1t della tolleranza della "
    u"serie: E12 \u00b1%1\u00a0%, E24 \u00b1%2\u00a0%, E96 \u00b1%3\u00a0%.";
const std::u16string_view ipotesiVbe =
    u"Vbe di Q1 da %1 a %2\u00a0V a 25\u00a0\u00b0C (dispersione tra i pezzi).";
const std::u16string_view ipotesiVbeVceSat =
    u"Vbe di Q1 e di Q2 da %1 a %2\u00a0V a 25\u00a0\u00b0C (dispersione tra i pezzi); Vce(sat) "
    u"di Q2 da %3 a %4\u00a0V.";
const std::u16string_view ipotesiMinimaIbUno =
    u"Corrente di base minima, a %2\u00a0\u00b0C: Vbe %1\u00a0V, Rb1 a +t, R1 a \u2212t, Vi al "
    u"livello alto minimo.";
const std::u16string_view ipotesiMinimaIbDue =
    u"Corrente di base minima, a %3\u00a0\u00b0C: Vbe %1\u00a0V, Rb a +t, R1 o R2 a \u2212t; per "
    u"Q1, Vce(sat) di Q2 %2\u00a0V e Vcc al minimo; per Q2, Vi al livello alto minimo.";
const std::u16string_view ipotesiMassimaIUno =
    u"Ii\u00a0max, a %2\u00a0\u00b0C: Vbe %1\u00a0V, Rb1 a \u2212t, Vi al livello alto massimo.";
const std::u16string_view ipotesiMassimaIDue =
    u"Ii\u00a0max, a %3\u00a0\u00b0C: Vbe di Q2 %1\u00a0V, Rb2 a \u2212t, Vi al livello alto "
    u"massimo. I\u00a0max in Rb1: Vbe di Q1 %1\u00a0V, Vce(sat) di Q2 %2\u00a0V, Rb1 a \u2212t, "
    u"Vcc al massimo.";
const std::u16string_view ipotesiTemperatura25 =
    u"Temperatura: il caso peggiore è a 25\u00a0\u00b0C soltanto, la temperatura dei "
    u"datasheet e delle Vbe qui sotto; scegli l'intervallo di funzionamento nelle ipotesi.";
const std::u16string_view ipotesiTemperatura =
    u"Temperatura da %1 a %2\u00a0\u00b0C: a %1\u00a0\u00b0C la Vbe massima sale di "
    u"2\u00a0mV/\u00b0C sotto i 25\u00a0\u00b0C (+%3\u00a0V) e il guadagno dei transistor "
    u"dell'elenco scende (un guadagno inserito vale per tutto l'intervallo); a %2\u00a0\u00b0C la "
    u"Vbe minima scende di 2\u00a0mV/\u00b0C sopra i 25\u00a0\u00b0C (\u2212%4\u00a0V) e Ptot "
    u"cala.";
const std::u16string_view ipotesiGuadagnoFreddo = u"hFE min %1 a %2\u00a0\u00b0C: %3";
const std::u16string_view ipotesiVbeFredda = u"%1, +%2\u00a0V a %3\u00a0\u00b0C";
const std::u16string_view ipotesiIngressiUno =
    u"Guadagno come inserito: inserisci il guadagno minimo di Q1.";
const std::u16string_view ipotesiIngressiDue =
    u"Guadagni come inseriti: inserisci i guadagni minimi. Vcc come inserita, \u00b1%1\u00a0%.";
const std::u16string_view ipotesiUscitaInserita =
    u"Uscita logica come inserita: la Vi vale sia per il livello alto minimo sia per il massimo, "
    u"con Ii\u00a0max sotto 4\u00a0mA. Inserisci la Vi alta minima della logica, o scegli "
    u"l'uscita nelle ipotesi.";
const std::u16string_view ipotesiUscita =
    u"Uscita logica %1: livello alto da %2\u00a0V, garantito fino a %3\u00a0mA, a %4\u00a0V; "
    u"%5 (%6).";
const std::u16string_view ipotesiUscitaPersonalizzata =
    u"Uscita logica impostata dall'utente: livello alto da %1\u00a0V, garantito fino a "
    u"%2\u00a0mA, a %3\u00a0V.";
const std::u16string_view impostateDallUtente = u"impostate dall'utente";
const std::u16string_view impostazioniSostituite =
    u"Impostazioni salvate non valide, sostituite con i valori predefiniti: %1.";

const std::u16string_view nonSatura =
    u"%1, %2: %3 non va in saturazione, nemmeno con i valori nominali.";
const std::u16string_view spentoPeggiore = u"%1, %2: %3 spento nel caso peggiore.";
const std::u16string_view saturazione =
    u"%1, %2: con il margine negativo nel caso peggiore %3 può non andare in saturazione.";
const std::u16string_view limiteUscitaRaggiunto = u"%1, %2: Ii\u00a0max raggiunge %4.";
const std::u16string_view limite4mA = u"i 4\u00a0mA che un'uscita CMOS può dare";
const std::u16string_view limiteUscita =
    u"il limite dell'uscita (garantisce %1\u00a0V solo fino a %2\u00a0mA)";

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

const std::u16string_view nonPositivoDaAcquistare =
    u"%1: nessun %2 da acquistare: il valore %3 non è positivo.";
const std::u16string_view sottoIntervalloDaAcquistare =
    u"%1: nessun %2 da acquistare: il valore %3 è inferiore a 1\u00a0ohm.";
const std::u16string_view calcolato = u"calcolato";
const std::u16string_view ricalcolato = u"ricalcolato per l'Rb1 da acquistare";
const std::u16string_view viBassa =
    u"%1: nessun %2 da acquistare: con Vbe a %3\u00a0V la Vi non fa passare corrente. Serve "
    u"una Vi più alta.";
const std::u16string_view vccBassa =
    u"%1: nessun %2 da acquistare: con Vbe di Q1 a %3\u00a0V e Vce(sat) di Q2 a %4\u00a0V la "
    u"Vcc non fa passare corrente. Serve una Vcc più alta.";
const std::u16string_view partitoreTuttaCorrente =
    u"%1: nessun %2 da acquistare: Ii\u00a0max raggiunge %4 mentre %3 prende ancora "
    u"tutta la corrente. Serve un %3 più grande o una Vi più alta.";
const std::u16string_view limiteUscitaQ1 =
    u"%1: nessun %2 da acquistare: Ii\u00a0max raggiunge %4 prima del margine "
    u"richiesto. Serve un Q1 con guadagno più alto o il circuito a due transistor.";
const std::u16string_view limiteUscitaQ2 =
    u"%1: nessun %2 da acquistare: Ii\u00a0max raggiunge %4 prima del margine "
    u"richiesto. Serve un Q2 con guadagno più alto o un %3 più grande.";
const std::u16string_view nessunoFinoAUnOhm =
    u"%1: nessun %2 da acquistare: nessun valore, fino a 1\u00a0ohm, dà il margine richiesto "
    u"nel caso peggiore.";
const std::u16string_view casoPeggioreImpossibile =
    u"%1: nessun %2 da acquistare: le correnti del caso peggiore richiedono una divisione per "
    u"zero o danno un risultato troppo grande.";
const std::u16string_view nessunGuadagnoGarantito =
    u"%1: nessun %2 da acquistare: il datasheet del %4 (%3) non garantisce alcun guadagno oltre "
    u"%5\u00a0mA, la sua ultima riga.";
const std::u16string_view allaTemperatura =
    u" Il caso peggiore va da %1 a %2\u00a0\u00b0C: alla temperatura minima la Vbe sale e il "
    u"guadagno dei transistor dell'elenco scende, alla massima la Vbe scende e le correnti "
    u"crescono; un intervallo più stretto può bastare.";
const std::u16string_view uscitaFuoriTemperatura =
    u"%1: nessun %2 da acquistare: l'uscita %3 garantisce i suoi livelli da %4 a "
    u"%5\u00a0\u00b0C, non da %6 a %7\u00a0\u00b0C. Scegli un intervallo di temperatura "
    u"entro il suo o un'uscita garantita su tutto l'intervallo.";
const std::u16string_view senzaRb1DaAcquistare =
    u"%1: nessun Rb2 da acquistare, perché non c'è un Rb1 da acquistare.";

const std::u16string_view ipotesiTransistor =
    u"%1: %2 (%3): il caso peggiore prende il guadagno minimo e la Vbe massima (%4) del datasheet "
    u"alla corrente di collettore massima di ogni serie, dove peggiori del guadagno inserito e "
    u"della Vbe qui sopra (vedi \u00abVerifica sul datasheet\u00bb).";
const std::u16string_view ipotesiTransistorA =
    u"%1: %2 (%3): alla corrente di collettore massima, %4\u00a0mA, il caso peggiore prende %5 e "
    u"%6, dove peggiori del guadagno inserito e della Vbe qui sopra.";
const std::u16string_view ipotesiGuadagno = u"hFE min %1 (riga a %2\u00a0mA)";
const std::u16string_view ipotesiGuadagnoSottoRighe =
    u"hFE min %1, il più basso della sua tabella (riga a %2\u00a0mA; sotto la prima riga, a "
    u"%3\u00a0mA, il datasheet non garantisce alcun guadagno)";
const std::u16string_view ipotesiNessunGuadagno =
    u"nessun hFE garantito (il datasheet si ferma a %1\u00a0mA)";
const std::u16string_view ipotesiVbeSat = u"VBE(sat) max %1\u00a0V (riga a %2/%3\u00a0mA)";
const std::u16string_view ipotesiVbeOltre =
    u"VBE(sat) max %1\u00a0V (l'ultima riga, %2/%3\u00a0mA, + 0,1\u00a0V: la corrente di base "
    u"va oltre le righe del datasheet)";
const std::u16string_view ipotesiVbeOn =
    u"VBE(on) max %1\u00a0V (la riga a %2\u00a0mA + 0,1\u00a0V), in luogo della VBE(sat) che il "
    u"datasheet non dà: la VBE(on) è misurata fuori saturazione";
const std::u16string_view vbeSat =
    u"VBE(sat) alla riga che regge la corrente di collettore e di base, + 0,1\u00a0V oltre le "
    u"righe";
const std::u16string_view vbeOnInLuogo =
    u"VBE(on) + 0,1\u00a0V, in luogo della VBE(sat) che il datasheet non dà";

const std::u16string_view titoloVerifica = u"Verifica sul datasheet";
const std::u16string_view verifica = u"Verifica";
const std::u16string_view valore = u"valore";
const std::u16string_view limite = u"limite";
const std::u16string_view condizione = u"condizione";
const std::u16string_view esito = u"esito";
const std::u16string_view tutteLeSerie = u"tutte le serie";
const std::u16string_view verificaIc = u"Ic %1 [mA]";
const std::u16string_view verificaGuadagno = u"hFE %1";
const std::u16string_view verificaForzato = u"Ic/Ib %1";
const std::u16string_view verificaPotenza = u"P %1 [mW]";
const std::u16string_view condIcMax = u"IC max %1";
const std::u16string_view condGuadagno = u"hFE min %1, %2\u00a0mA, %3\u00a0V";
const std::u16string_view condGuadagnoA = u"hFE min %1 a %2\u00a0\u00b0C: %3";
const std::u16string_view condGuadagnoLegge =
    u"%1 a 25\u00a0\u00b0C (%2\u00a0mA, %3\u00a0V) \u00d7 (%4/298)^%5, legge tipica del modello "
    u"del costruttore (%6)";
const std::u16string_view condGuadagnoRigaFredda =
    u"%1 a 25\u00a0\u00b0C (%2\u00a0mA, %3\u00a0V) \u00d7 %4/%5, la caduta garantita dal "
    u"datasheet a %6\u00a0\u00b0C e %7\u00a0mA";
const std::u16string_view nessunModello = u"nessun modello trovato: l'esponente comune";
const std::u16string_view condNessunGuadagno = u"%1: hFE min fino a %2\u00a0mA";
const std::u16string_view condSaturazione = u"VCE(sat) %1\u00a0V, %2/%3\u00a0mA";
const std::u16string_view condNessunaSaturazione = u"%1: VCE(sat) fino a %2\u00a0mA";
const std::u16string_view condPotenza = u"Ptot %1, %2, %3\u00a0\u00b0C";
const std::u16string_view condResistore = u"1/8\u00a0W a %1\u00a0\u00b0C";
const std::u16string_view esitoEntro = u"entro";
const std::u16string_view esitoOltre = u"oltre";
const std::u16string_view esitoGuadagnoUsato = u"il caso peggiore usa %1";
const std::u16string_view esitoSottoRighe =
    u"nessuna garanzia sotto %1\u00a0mA: il caso peggiore usa %2";
const std::u16string_view esitoNessunGuadagno = u"nessun guadagno garantito";
const std::u16string_view esitoSaturazione = u"VCE(sat)\u00a0\u2264\u00a0%1\u00a0V";
const std::u16string_view esitoSoloVce = u"solo VCE\u00a0\u2264\u00a0%1\u00a0V";
const std::u16string_view esitoNessunaGaranzia = u"nessuna VCE garantita";
const std::u16string_view esitoNonVerificabile = u"senza VCE garantita";
const std::u16string_view esitoOttavo = u"1/8\u00a0W";
const std::u16string_view esitoQuarto = u"1/4\u00a0W";
const std::u16string_view esitoOltreQuarto = u"oltre 1/4\u00a0W";
const std::u16string_view legendaVerifica =
    u"Verifica sul datasheet: valore e limite nell'unità della riga; esito \u00abentro\u00bb od "
    u"\u00aboltre\u00bb il limite, \u00abnon garantito\u00bb dove il datasheet non dà nulla "
    u"con cui confrontare; la nota dice che cosa il datasheet garantisce allora.";
const std::u16string_view legendaVerificaHfe =
    u"hFE: il guadagno inserito contro il minimo del datasheet alla corrente massima e alla "
    u"temperatura minima (oltre: il caso peggiore usa quello del datasheet).";
const std::u16string_view legendaVerificaIcIb =
    u"Ic/Ib: il guadagno forzato alla corrente di base minima contro quello della prova di "
    u"VCE(sat); oltre, il datasheet garantisce solo la VCE della prova di hFE, se non supera il "
    u"suo hFE min.";
const std::u16string_view legendaVerificaPotenza =
    u"P di un transistor: la potenza nel caso peggiore, Ic per la VCE garantita più la Ib massima "
    u"per la Vbe massima, contro Ptot ridotta alla temperatura massima.";
const std::u16string_view legendaVerificaResistenze =
    u"P di una resistenza: alla sua corrente massima e a \u2212t, contro 1/8\u00a0W ridotto "
    u"linearmente da 70 a 155\u00a0\u00b0C; la nota dice la taglia che basta (1/8\u00a0W o "
    u"1/4\u00a0W).";
const std::u16string_view nota = u"nota";
const std::u16string_view esitoNonGarantito = u"non garantito";
const std::u16string_view avvisoVceQ2 =
    u"%1: la VCE garantita di Q2 (%2\u00a0V) supera la Vce(sat) massima di Q2 (%3\u00a0V) che "
    u"la corrente di base minima di Q1 assume.";
const std::u16string_view avvisoOltre = u"%1: %2 oltre il limite del datasheet.";

const std::u16string_view nessunRisultato =
    u"Premi \u00abCalcola\u00bb: ogni risultato avrà le sue note, con le resistenze normalizzate "
    u"da acquistare e il loro caso peggiore.";
const std::u16string_view tastiera =
    u"F1: il progetto intero, con le ipotesi del caso peggiore, da copiare.";

const std::u16string_view titoloRelazione = u"Interruttore a transistor pilotato da un'uscita CMOS";
const std::u16string_view programmaEData = u"%1, calcolo del giorno %2";
const std::u16string_view circuito = u"Circuito";
const std::u16string_view datiInseriti = u"Dati inseriti";
const std::u16string_view risultati = u"Risultati";
const std::u16string_view ipotesi = u"Ipotesi del caso peggiore";
const std::u16string_view copia = u"Copia";
const std::u16string_view ipotesiPulsante = u"Ipotesi\u2026";

const std::u16string_view spentoSi =
    u"%1 spento a ogni angolo: sì, fino a %2\u00a0=\u00a0%3\u00a0kohm.";
const std::u16string_view spentoSempre = u"%1 spento a ogni angolo: sì, con qualunque %2.";
const std::u16string_view spentoNo =
    u"%1 spento a ogni angolo: no: %3 a %4\u00a0\u00b0C Vbe raggiunge %5\u00a0V; serve "
    u"%2\u00a0\u2264\u00a0%6\u00a0kohm.";
const std::u16string_view conUscitaBassa = u"con l'uscita bassa";
const std::u16string_view conUscitaFlottante = u"con l'uscita flottante";
const std::u16string_view conQ2Spento = u"con Q2 spento";
const std::u16string_view spentoNoSerie =
    u"%1: con %3 a +%4\u00a0% e l'%5 da acquistare, %6 a %8\u00a0\u00b0C Vbe di %2 raggiunge "
    u"%7\u00a0V: %2 può non restare spento.";
const std::u16string_view ipotesiSpento =
    u"Spento: un transistor conta come spento con la Vbe sotto %2\u00a0V a %1\u00a0\u00b0C "
    u"(%3\u00a0V a 25\u00a0\u00b0C, \u22122\u00a0mV/\u00b0C), la temperatura a cui la "
    u"dispersione è massima.";
const std::u16string_view ipotesiUscitaBassa =
    u"Uscita %1 bassa: VOL massima %2\u00a0mV assorbendo %3\u00a0\u00b5A, in proporzione ai "
    u"%4\u00a0V garantiti fino a %5\u00a0mA (%6): regola pratica, l'uscita bassa conduce come "
    u"una resistenza, non peggio a tensione più bassa.";
const std::u16string_view ipotesiUscitaBassaInserita =
    u"Uscita bassa come inserita: VOL massima %1\u00a0V.";
const std::u16string_view ipotesiFlottante =
    u"L'uscita può restare flottante (%1): il suo pin disperde fino a %2\u00a0\u00b5A verso la "
    u"base.";
const std::u16string_view comeInseritaFlottante = u"come inserita";
const std::u16string_view ipotesiMaiFlottante = u"L'uscita non resta mai flottante.";
const std::u16string_view ipotesiDispersione =
    u"Dispersione di %1 a %4\u00a0\u00b0C: %3\u00a0\u00b5A (%2; %5).";
const std::u16string_view dispersioneRaddoppia =
    u"%1\u00a0nA a %2\u00a0\u00b0C, %3, raddoppiando ogni 10\u00a0\u00b0C";
const std::u16string_view dispersioneLimitata =
    u"%1\u00a0nA a %2\u00a0\u00b0C, %3, raddoppiando ogni 10\u00a0\u00b0C fino ai "
    u"%4\u00a0nA garantiti a %5\u00a0\u00b0C";
const std::u16string_view dispersioneInserita =
    u"come inserito: %1\u00a0nA a %2\u00a0\u00b0C, raddoppiando ogni 10\u00a0\u00b0C";

const std::u16string_view titoloClassifica = u"Transistor che reggono";
const std::u16string_view marginePeggiore = u"margine";
const std::u16string_view marginePeggioreDetto =
    u"margine nel caso peggiore, il minore dei transistor";
const std::u16string_view quotaIc = u"IC";
const std::u16string_view quotaIcDetta = u"corrente di collettore, in percento di IC max";
const std::u16string_view quotaPotenza = u"P";
const std::u16string_view quotaPotenzaDetta =
    u"potenza, in percento di Ptot alla temperatura massima";
const std::u16string_view restaSpento = u"spento";
const std::u16string_view si = u"sì";
const std::u16string_view no = u"no";
const std::u16string_view sceltaUno = u"Q1 %1";
const std::u16string_view sceltaDue = u"Q1 %1, Q2 %2";
const std::u16string_view esitoRegge = u"regge";
const std::u16string_view esitoSenzaGuadagno = u"nessun guadagno garantito a %1\u00a0mA";
const std::u16string_view esitoOltreIcMax = u"oltre IC max";
const std::u16string_view esitoOltrePtot = u"oltre Ptot";
const std::u16string_view esitoNonSpento = u"non resta spento";
const std::u16string_view esitoLimiteUscita = u"limite dell'uscita";
const std::u16string_view esitoNessunValore = u"nessun valore da acquistare";
const std::u16string_view legendaClassifica =
    u"Transistor che reggono: ogni transistor dell'elenco al posto di quello scelto, nel progetto "
    u"e nel caso peggiore in vigore. Per serie: il valore da acquistare, il margine peggiore (il "
    u"minore dei transistor), Ii max, la corrente di collettore in percento di IC max e la "
    u"potenza in percento di Ptot alla temperatura massima (del transistor più caricato), se "
    u"ogni transistor resta spento; \u00abregge\u00bb dove tutto è entro i limiti, altrimenti "
    u"il primo motivo. In testa quelli che reggono, dal margine maggiore in E24, poi dalla "
    u"potenza minore. Un clic sul nome rende quei transistor la scelta del progetto.";
const std::u16string_view provatiTransistor = u"Provati %1 transistor NPN: ne reggono %2.";
const std::u16string_view provateCoppie =
    u"Provate %1 coppie (ogni PNP per Q1 con ogni NPN per Q2): ne reggono %2; qui le prime %3.";
const std::u16string_view sceltiDallaClassifica =
    u"Dalla tabella \u00abTransistor che reggono\u00bb ora in vigore: %1.";
const std::u16string_view nominaleNonRegge =
    u"%1 %2\u00a0kohm è il valore nominale del calcolo e non regge %3: %4; %5.";
const std::u16string_view nominaleConParte = u"con %1 %2";
const std::u16string_view nominaleCasoPeggiore = u"nel caso peggiore in vigore";
const std::u16string_view nominaleSotto = u"in E96 (%1) il margine peggiore è %2\u00a0%";
const std::u16string_view nominaleSpento = u"in E96 (%1) %2 resta spento nel caso peggiore";
const std::u16string_view nominaleSenzaMargine = u"in E96 (%1) nessun margine calcolabile";
const std::u16string_view nominaleSenzaStandard = u"nessun valore E96 che lo rappresenti";
const std::u16string_view nominaleDaAcquistare = u"da acquistare %1 (%2)";
const std::u16string_view nominaleNessunAcquisto = u"nessun valore da acquistare in alcuna serie";
const std::u16string_view garantisce =
    u"%1 (%2), al caso peggiore con il valore da acquistare: %3.";
const std::u16string_view garantisceSaturazione =
    u"VCE(sat)\u00a0\u2264\u00a0%1\u00a0V (datasheet, Ic/Ib\u00a0\u2264\u00a0%2 a %3\u00a0mA)";
const std::u16string_view garantisceSoloVce =
    u"solo VCE\u00a0\u2264\u00a0%1\u00a0V (prova del guadagno)";
const std::u16string_view garantisceComeInserito =
    u"%1: guadagno come inserito; nessuna VCE garantita da un datasheet.";
const std::u16string_view inOgniSerie = u"in ogni serie";
const std::u16string_view saturazioneRichiesta =
    u"Saturazione garantita: %1 con Ic/Ib\u00a0\u2264\u00a0%2 a %3\u00a0mA, cioè "
    u"IB\u00a0\u2265\u00a0%4\u00a0mA a ogni angolo (%5); il margine in tabella è su quella IB.";
const std::u16string_view saturazioneRiga =
    u"%1: VCE(sat)\u00a0\u2264\u00a0%2\u00a0V a %3/%4\u00a0mA";
const std::u16string_view saturazioneInserita = u"Ic/Ib come inserito";
const std::u16string_view nessunaSaturazioneGarantita =
    u"%1: nessun %2 da acquistare: il datasheet di %3 (%4) garantisce la VCE(sat) solo fino a "
    u"%5\u00a0mA.";
const std::u16string_view ipotesiUsati =
    u"Usati per %1 (%2) alla corrente di base minima, sui valori da acquistare: Vbe fino a "
    u"%3\u00a0V (%4), hFE %5 (%6).";
const std::u16string_view dalDatasheet = u"dal datasheet";
const std::u16string_view dallIntervallo = u"dall'intervallo inserito";
const std::u16string_view comeInserito = u"come inserito";
const std::u16string_view salvoDatasheet =
    u"per un transistor acquistato la Vbe del suo datasheet, se più alta: righe \u00abUsati "
    u"per\u00bb";
const std::u16string_view ipotesiIngressiUnoDatasheet =
    u"Guadagno di Q1: il minore tra quello inserito e quello del datasheet (riga \u00abUsati "
    u"per\u00bb).";
const std::u16string_view ipotesiIngressiDueDatasheet =
    u"Guadagni: i minori tra quelli inseriti e quelli dei datasheet (righe \u00abUsati "
    u"per\u00bb). Vcc come inserita, \u00b1%1\u00a0%.";
const std::u16string_view oltreLimiteUscita =
    u"%1: il valore che lo darebbe, %2, assorbirebbe fino a %3\u00a0mA dall'uscita.";
} // namespace Note

namespace Corners {

const std::array<std::u16string_view, 21> nomi{
    u"Vbe minima [V]",
    u"Vbe massima [V]",
    u"Vce(sat) di Q2 minima [V]",
    u"Vce(sat) di Q2 massima [V]",
    u"Tolleranza E12 [%]",
    u"Tolleranza E24 [%]",
    u"Tolleranza E96 [%]",
    u"Uscita logica",
    u"Vi alta minima garantita [V]",
    u"garantita fino a [mA]",
    u"Vi alta massima [V]",
    u"Tolleranza di Vcc [%]",
    u"Q1 del circuito a un transistor (NPN)",
    u"Q1 del circuito a due transistor (PNP)",
    u"Q2 (NPN)",
    u"Temperatura minima [\u00b0C]",
    u"Temperatura massima [\u00b0C]",
    u"Vbe sotto cui un transistor è spento, a 25\u00a0\u00b0C [V]",
    u"VOL massima dell'uscita [V]",
    u"Dispersione del pin flottante [\u00b5A]",
    u"Ic/Ib massimo di un transistor come inserito"};
const std::u16string_view titolo = u"Ipotesi del caso peggiore";
const std::u16string_view spiegazione =
    u"Gli intervalli entro cui il caso peggiore cerca i valori da acquistare. I risultati "
    u"restano quelli nominali.";
const std::u16string_view predefiniti = u"Valori predefiniti";
const std::u16string_view gruppoComponenti = u"Transistor e resistenze";
const std::u16string_view gruppoSorgenti = u"Uscita logica che pilota e alimentazione";
const std::u16string_view comeInserita = u"come inserita (Vi per entrambi gli estremi, 4\u00a0mA)";
const std::u16string_view personalizzata = u"personalizzata";
const std::u16string_view gruppoTransistor = u"Transistor acquistati e temperatura";
const std::u16string_view intervalloTemperatura = u"Intervallo di temperatura";
const std::array<std::u16string_view, 4> intervalliTemperatura{
    u"25\u00a0\u00b0C soltanto (i datasheet)",
    u"0\u202670\u00a0\u00b0C",
    u"\u221240\u202685\u00a0\u00b0C",
    u"\u221240\u2026125\u00a0\u00b0C"};
const std::u16string_view intervalloPersonalizzato = u"personalizzato";
const std::u16string_view spiegazioneTemperatura =
    u"Guadagni e Vbe inseriti e dei datasheet sono a 25\u00a0\u00b0C: il caso peggiore li "
    u"porta alla temperatura minima (Vbe +2\u00a0mV/\u00b0C, guadagno dei transistor "
    u"dell'elenco) e alla massima (Vbe \u22122\u00a0mV/\u00b0C, potenze).";
const std::u16string_view comeInserito = u"come inserito (guadagno e Vbe qui sopra)";
const std::u16string_view temperatura = u"%1: scrivi un numero da \u221255 a 150, %2.";
const std::u16string_view transistor = u"%1: scegli un transistor dell'elenco.";
const std::u16string_view tensione = u"%1: scrivi un numero da 0 a 2, %2.";
const std::u16string_view tolleranza = u"%1: scrivi un numero da 0 a meno di 50, %2.";
const std::u16string_view tensioneUscita = u"%1: scrivi un numero da 0 a 30, %2.";
const std::u16string_view correnteUscita = u"%1: scrivi un numero maggiore di 0 e fino a 1000, %2.";
const std::u16string_view separatorePunto = u"con il punto come separatore decimale";
const std::u16string_view separatoreLocale =
    u"con il punto o \u00ab%1\u00bb come separatore decimale";
const std::u16string_view intervallo = u"%1 non può superare %2.";
const std::u16string_view dispersione = u"%1: scrivi un numero da 0 a 1000, %2.";
const std::u16string_view guadagnoForzato = u"%1: scrivi un numero da 1 a 1000, %2.";
const std::u16string_view sogliaSpento =
    u"%1: scrivi una tensione maggiore di 0 e minore della Vbe minima (%2\u00a0V), che alla "
    u"temperatura massima, %3\u00a0\u00b0C, scendendo di 2\u00a0mV/\u00b0C resti sopra 0\u00a0V.";
const std::u16string_view puoFlottare = u"L'uscita può restare flottante";
const std::u16string_view saturazioneGarantita = u"Saturazione garantita dal datasheet";
const std::u16string_view spiegazioneSpento =
    u"Spento: il caso peggiore verifica anche che ogni transistor resti spento alla temperatura "
    u"massima, con l'uscita bassa e, dove può, flottante; la soglia predefinita è 0,4\u00a0V a "
    u"25\u00a0\u00b0C e scende di 2\u00a0mV/\u00b0C. VOL e pin flottante valgono per l'uscita "
    u"come inserita o personalizzata: quelle dell'elenco hanno i loro.";

} // namespace Corners

namespace Report {

const std::u16string_view titoloFinestra = u"Progetto \u2014 transistor interruttore";
const std::u16string_view nomeTesto = u"Relazione del progetto";
const std::u16string_view ingressiCambiati =
    u"Gli ingressi sono cambiati dopo questo calcolo: premi Calcola per aggiornare";
const std::u16string_view salvaPdf = u"Salva PDF\u2026";
const std::u16string_view salvaPdfTitolo = u"Salva la relazione in PDF";
const std::u16string_view filtroPdf = u"Documenti PDF (*.pdf)";
const std::u16string_view nomeFilePdf = u"Progetto transistor %1.pdf";
const std::u16string_view pdfNonSalvato = u"Non è stato possibile salvare il PDF %1: %2";
const std::u16string_view scritto = u"scritto: %1";
const std::u16string_view ugualeAlCalcolato = u"%1 uguale al calcolato";
const std::u16string_view ugualeAlCalcolatoDetto = u"%1, valore standard uguale a quello calcolato";
const std::u16string_view legendaUguale =
    u"Uguale al calcolato: il valore standard che è proprio quello calcolato, dove non è quello da "
    u"acquistare.";
const std::u16string_view legendaSenzaGuadagno =
    u"\u2014 nel caso peggiore: il datasheet del transistor acquistato non garantisce alcun "
    u"guadagno alla sua corrente di collettore massima, e nessun margine vi si può calcolare.";
const std::u16string_view legendaNonCalcolabile =
    u"\u2014: margine non calcolabile: senza corrente nel carico (IL\u00a00) ogni corrente di "
    u"base satura il transistor.";
const std::u16string_view acquistoR1 =
    u"R1 va acquistato della stessa serie di Rb1 e con la stessa tolleranza: il caso peggiore lo "
    u"assume.";
const std::u16string_view acquistoR1R2 =
    u"R1 e R2 vanno acquistati della stessa serie dei resistori di base e con la stessa "
    u"tolleranza: il caso peggiore lo assume.";
const std::u16string_view paginaDiPagine = u"pagina %1 di %2";
const std::u16string_view progetto = u"Progetto";
const std::u16string_view progettista = u"Progettista";
const std::u16string_view revisione = u"Revisione";

} // namespace Report

namespace Settings {

const std::u16string_view nonSalvate =
    u"Non è stato possibile salvare le ipotesi del caso peggiore in %1: %2. Valgono solo fino "
    u"alla chiusura del programma.";
const std::u16string_view nonLette =
    u"Impostazioni salvate non lette (%1: %2): valgono i valori predefiniti.";
const std::u16string_view ipotesiNonSalvate =
    u"Ipotesi non salvate: %1; valgono fino alla chiusura del programma.";
const std::u16string_view sostituito = u"Salvato \u00ab%1\u00bb, non valido: qui il predefinito.";
const std::u16string_view sostituitoConLAltroEstremo =
    u"Intervallo salvato non valido: qui il predefinito.";
const std::u16string_view fileVuoto = u"il file è vuoto";
const std::u16string_view fileIlleggibile = u"il file non si può leggere come impostazioni";
const std::u16string_view soloLettura = u"il file è di sola lettura";
const std::u16string_view cartellaAlPosto = u"al posto del file c'è una cartella";
const std::u16string_view cartellaNonScrivibile = u"la cartella non permette di scrivere";
const std::u16string_view nonScritto = u"il sistema non ha scritto il file";

} // namespace Settings

} // namespace Messages
