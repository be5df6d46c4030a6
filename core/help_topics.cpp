#include "core/help_topics.h"

namespace filmeria {
namespace {

const HelpTopic kMainWindow{
    "Uno sguardo a Filmeria Pro ©",
    {
        "Filmeria Pro è uno strumento semplice e completo per gestire una videoteca commerciale o una "
        "collezione privata di film. Il programma è composto da tre ambienti di lavoro che dialogano tra "
        "loro: l'archivio dei film (DVD, videocassette, pellicole), l'archivio dei clienti e la gestione "
        "dei noleggi, che calcola i totali in modo automatico.",
        "Ogni film può essere descritto nei minimi dettagli nella propria scheda, corredata dalla "
        "locandina, visibile come anteprima oppure a pieno schermo.",
        "Di ogni film si conservano titolo, regia, cast, trama, genere, distribuzione, nazione, anno di "
        "produzione, supporto, lingue dell'audio, sottotitoli, durata, indirizzo del sito Internet, codice "
        "e prezzo di un giorno di noleggio, oltre all'indicazione della disponibilità del film o del suo "
        "noleggio in corso.",
        "Una volta compilato il titolo, l'icona \"Cerca sul Web\" permette di cercare su Internet, tramite "
        "Google, altre informazioni sul film selezionato.",
        "L'archivio clienti è una vera rubrica: controlla codici fiscali e partite IVA, invia messaggi "
        "e-mail ai clienti, stampa tessere associative con lo spazio per la fotografia, mostra lo storico "
        "dei noleggi di ogni cliente ed esporta le schede in Word o in Excel.",
        "L'ambiente dei noleggi stampa le schede con ogni film noleggiato, la data di noleggio e quella di "
        "riconsegna, e calcola automaticamente il totale dovuto e i giorni di noleggio.",
        "Una soluzione gestionale completa per un negozio o per una grande collezione privata, che si "
        "impara praticamente senza alcuno sforzo.",
    }};

const HelpTopic kFilms{
    "Gestione archivio film",
    {
        "L'archivio film raccoglie le informazioni sui DVD, sulle videocassette o sulle pellicole che si "
        "possiedono.",
        "Ogni film ha una propria scheda, che può essere corredata dalla locandina, visibile come "
        "anteprima oppure a pieno schermo con la lente d'ingrandimento.",
        "Di ogni film si registrano titolo, regia, cast, trama, genere, distribuzione, nazione, anno, "
        "supporto, lingue dell'audio, sottotitoli, durata, codice e prezzo di un giorno di noleggio, "
        "oltre all'indicazione se il film è disponibile oppure se tutte le copie sono a noleggio.",
        "Si può registrare l'indirizzo di una pagina Internet dedicata al film e aprirla con il pulsante "
        "Vai.",
        "Per inserire una nuova scheda premere Nuovo, compilare i campi, importare se si desidera una "
        "locandina in formato JPEG e premere Salva. Il titolo e il codice sono obbligatori. Una scheda "
        "esistente si modifica direttamente e si salva di nuovo.",
        "La scheda corrente può essere esportata in un documento di Word insieme alla locandina; l'intero "
        "archivio può diventare un foglio di Excel.",
        "Per trovare una scheda premere l'icona di ricerca, scegliere un criterio e scrivere una o più "
        "parole consecutive: l'elenco dei risultati si può scorrere oppure esplorare con Trova, e un "
        "doppio clic carica la scheda.",
        "Una volta compilato il titolo, si possono cercare su Internet, tramite Google, altre "
        "informazioni sul film.",
        "L'icona del cestino elimina la scheda visualizzata, che andrà persa definitivamente.",
    }};

const HelpTopic kClienti{
    "Gestione archivio clienti",
    {
        "L'archivio clienti tiene traccia dei clienti del negozio.",
        "È una rubrica che controlla codici fiscali e partite IVA e invia messaggi e-mail senza uscire "
        "dal programma.",
        "Per inserire una nuova scheda premere Nuovo, compilare i campi e premere Salva. Il nome e il "
        "numero di tessera sono obbligatori. Una scheda esistente si modifica direttamente e si salva di "
        "nuovo.",
        "Oltre ai dati anagrafici, ai numeri di telefono e all'indirizzo e-mail, si registrano il numero "
        "di tessera, la data di iscrizione e il genere preferito; il campo delle note accoglie qualsiasi "
        "altra informazione.",
        "La scheda corrente può essere esportata in un documento di Word; l'intero archivio può diventare "
        "un foglio di Excel.",
        "Si possono stampare le tessere associative, con lo spazio per incollare la fotografia del "
        "cliente.",
        "Un pulsante elenca i noleggi del cliente nell'anno solare in corso.",
        "L'icona del cestino elimina la scheda visualizzata; una scheda eliminata va persa "
        "definitivamente.",
    }};

const HelpTopic kNoleggi{
    "Gestione archivio noleggi",
    {
        "L'ambiente dei noleggi stampa le schede con ogni film noleggiato, la data di noleggio e quella "
        "di riconsegna, e calcola automaticamente il totale dovuto e il numero dei giorni.",
        "Per prima cosa si sceglie l'anno solare: il programma propone l'anno in corso, che può essere "
        "modificato.",
        "Il pulsante Nuovo prepara una nuova scheda.",
        "Il numero progressivo della scheda è proposto in base alle schede già presenti in archivio e può "
        "essere modificato a mano.",
        "Il nome del cliente e il numero di tessera si scrivono direttamente oppure si importano "
        "dall'archivio clienti con l'apposito pulsante.",
        "Ogni scheda accoglie fino a dieci film, ciascuno importabile dall'archivio film con il pulsante "
        "accanto alla propria riga.",
        "Le date si scelgono dal calendario con il pulsante accanto al campo; Calcola restituisce il "
        "totale della riga, cioè i giorni moltiplicati per il prezzo giornaliero.",
        "Calcola totale, in fondo alla scheda, somma i totali delle righe e restituisce il totale della "
        "scheda.",
        "Per salvare una scheda sono necessari il numero della scheda, la data di emissione, il nome del "
        "cliente e il numero di tessera.",
        "Le righe dei film non sono obbligatorie: una scheda può essere salvata e stampata al momento del "
        "noleggio e di nuovo alla riconsegna, con gli importi.",
        "Quando il cliente paga si spunta Saldato e si aggiorna la scheda; le ricerche possono poi "
        "elencare le schede saldate e quelle ancora da saldare.",
        "Per stampare una scheda occorre compilare i campi obbligatori; i dati del negozio si impostano "
        "con l'icona Azienda.",
        "La stampa occupa metà di un foglio A4; l'altra metà può essere prestampata con i prezzi, le "
        "penali e le altre condizioni del noleggio.",
        "Con Esporta l'archivio dei noleggi può essere esportato in Excel o in Word.",
    }};

const HelpTopic kImminenti{
    "Esportazione dell'archivio clienti",
    {
        "L'archivio clienti può diventare un foglio di Excel oppure una tabella di Word.",
        "Prima di esportare si sceglie che cosa elencare: i clienti con il telefono di casa, quelli con "
        "l'indirizzo e-mail, quelli con delle note, oppure tutti i clienti.",
        "Poi l'icona di Excel o quella di Word avvia l'esportazione.",
    }};

const HelpTopic kExpNoleggi{
    "Esportazione dell'archivio noleggi",
    {
        "L'archivio dei noleggi può diventare un foglio di Excel oppure una tabella di Word.",
        "Prima di esportare si sceglie che cosa elencare: i noleggi saldati, quelli non ancora saldati, "
        "tutti i noleggi senza i dati dei film, oppure tutte le schede.",
        "Poi l'icona di Excel o quella di Word avvia l'esportazione.",
    }};

const HelpTopic kExpContatti{
    "Esportazione archivio film",
    {
        "L'esportazione trasforma l'archivio film in un foglio di Excel.",
        "Le schede possono essere elencate scegliendo un campo come criterio di selezione.",
        "Con un criterio, le schede in cui quel campo è vuoto vengono escluse dall'elenco.",
        "L'icona Tutti elenca tutte le schede.",
        "L'icona di Excel esporta soltanto i dati elencati in quel momento.",
    }};

} // namespace

const HelpTopic& helpTopic(HelpTopicId id) {
    switch (id) {
    case HelpTopicId::MainWindow:
        return kMainWindow;
    case HelpTopicId::Films:
        return kFilms;
    case HelpTopicId::Clienti:
        return kClienti;
    case HelpTopicId::Noleggi:
        return kNoleggi;
    case HelpTopicId::Imminenti:
        return kImminenti;
    case HelpTopicId::ExpNoleggi:
        return kExpNoleggi;
    case HelpTopicId::ExpContatti:
        return kExpContatti;
    }
    return kMainWindow;
}

std::string helpText(const HelpTopic& topic) {
    std::string text;
    for (const auto& paragraph : topic.paragraphs) {
        if (!text.empty())
            text += "\r\n\r\n";
        text += paragraph;
    }
    return text;
}

} // namespace filmeria
