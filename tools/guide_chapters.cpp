// The text of the manual: what a new clerk reads, chapter by chapter.
#include "tools/guide.h"

namespace filmeria {

const std::vector<GuideChapter>& guideChapters() {
    static const std::vector<GuideChapter> chapters = {
        {QStringLiteral("Introduzione"),
         {QString::fromUtf8(
              "Filmeria Pro gestisce una videoteca o una grande raccolta privata di film da una sola "
              "postazione: l'archivio dei film con le locandine, l'archivio dei clienti e le schede "
              "di noleggio di ogni anno. Calcola i giorni e gli importi dei noleggi, controlla "
              "codici fiscali e partite IVA, stampa schede, tessere ed elenchi, esporta gli archivi "
              "in fogli di calcolo e documenti di testo."),
          QString::fromUtf8(
              "Dalla finestra principale si raggiungono i tre ambienti di lavoro (Archivio film, "
              "Archivio clienti, Gestione noleggi), i film in noleggio, le statistiche e le esportazioni. I "
              "pulsanti a "
              "destra aprono "
              "questa guida, le informazioni sul programma, la presentazione, la posta all'autore "
              "e chiudono il programma."),
          QString::fromUtf8("In ogni schermata il tasto Invio porta al campo successivo; sui pulsanti Invio "
                            "equivale a un clic. Passando con il mouse su un comando, la barra in basso ne "
                            "spiega l'uso.")},
         {{QStringLiteral("main"), QStringLiteral("La finestra principale")}},
         {}},
        {QStringLiteral("Accesso al programma"),
         {QString::fromUtf8("All'avvio il programma chiede la password di accesso. La password iniziale è "
                            "FILMERIA; maiuscole, minuscole e spazi ai lati non contano.")},
         {{QStringLiteral("login"), QStringLiteral("La finestra di accesso")},
          {QStringLiteral("cambiaPassword"), QStringLiteral("Il cambio della password")}},
         {{QStringLiteral("Entrare nel programma"),
           {QStringLiteral("Scrivere la password nella casella."),
            QStringLiteral("Premere Invio oppure OK.")}},
          {QStringLiteral("Cambiare la password"),
           {QStringLiteral("Nella finestra di accesso fare clic su \"Cambia password\"."),
            QStringLiteral("Scrivere la password attuale, poi la nuova due volte; Invio passa da un campo "
                           "all'altro."),
            QString::fromUtf8("Premere OK: la nuova password vale dal prossimo accesso.")}}}},
        {QStringLiteral("Archivio clienti"),
         {QString::fromUtf8(
             "La scheda cliente raccoglie i dati anagrafici, il codice fiscale, la partita IVA, il "
             "numero di tessera e le note. Le frecce in basso scorrono le schede; la casella tra "
             "le frecce mostra la posizione della scheda in archivio.")},
         {{QStringLiteral("clienti"), QStringLiteral("La scheda cliente")},
          {QStringLiteral("codFisc"), QStringLiteral("Il controllo del codice fiscale")},
          {QStringLiteral("avanzate"), QStringLiteral("La ricerca dei clienti")},
          {QStringLiteral("tessera"), QStringLiteral("La stampa della tessera")}},
         {{QStringLiteral("Registrare un nuovo cliente"),
           {QString::fromUtf8(
                "Fare clic su Nuovo: la scheda si svuota e la data di iscrizione è quella di oggi."),
            QString::fromUtf8("Compilare i campi; Invio porta al campo successivo."),
            QString::fromUtf8(
                "Per controllare il codice fiscale fare clic su OK accanto al campo; la finestra "
                "di controllo del codice fiscale verifica anche un codice scritto a parte."),
            QStringLiteral("Fare clic su Salva.")}},
          {QStringLiteral("Cercare un cliente"),
           {QString::fromUtf8("Fare clic su Cerca e scrivere una o più parole nei campi di ricerca."),
            QString::fromUtf8("Premere Trova: l'elenco mostra i clienti trovati."),
            QStringLiteral("Un doppio clic su una riga apre la scheda del cliente.")}},
          {QStringLiteral("Vedere i noleggi di un cliente"),
           {QString::fromUtf8(
               "Dalla scheda del cliente fare clic su \"Visualizza noleggi anno corrente\": si "
               "apre l'elenco delle sue schede di noleggio dell'anno.")}},
          {QStringLiteral("Stampare la tessera"),
           {QStringLiteral("Dalla scheda del cliente fare clic su \"Stampa tessera\"."),
            QString::fromUtf8(
                "Controllare i dati e l'intestazione del negozio, poi fare clic su Stampa.")}}}},
        {QStringLiteral("Archivio film"),
         {QString::fromUtf8(
             "La scheda film contiene titolo, nazione, anno, genere, durata, regia, cast, prezzo "
             "giornaliero, supporto, disponibilità, trama, codice e la locandina.")},
         {{QStringLiteral("films"), QStringLiteral("La scheda film")},
          {QStringLiteral("ricercaFilm"), QStringLiteral("La ricerca dei film")}},
         {{QStringLiteral("Registrare un nuovo film"),
           {QStringLiteral("Fare clic su Nuovo e compilare i campi."),
            QString::fromUtf8("Per la locandina fare clic sull'immagine e scegliere il file."),
            QStringLiteral("Fare clic su Salva.")}},
          {QStringLiteral("Cercare un film"),
           {QString::fromUtf8("Fare clic su Cerca, scegliere il criterio e scrivere la chiave di ricerca."),
            QString::fromUtf8("Premere Invio o \"Cerca in archivio\"; un doppio clic apre la scheda.")}},
          {QStringLiteral("Ottimizzare l'archivio"),
           {QString::fromUtf8("Dopo molte cancellazioni fare clic sull'icona \"Ottimizza archivio\": il "
                              "programma recupera lo spazio inutilizzato. Conviene fare prima una copia di "
                              "sicurezza.")}}}},
        {QStringLiteral("Gestione noleggi"),
         {QString::fromUtf8(
             "Ogni anno ha il suo archivio di schede di noleggio. Una scheda riporta il cliente, "
             "la data e fino a dieci film, ciascuno con le date di noleggio e di riconsegna, il "
             "prezzo giornaliero e l'importo.")},
         {{QStringLiteral("noleggi"), QStringLiteral("La scheda di noleggio")},
          {QStringLiteral("importaFilm"), QStringLiteral("La scelta di un film per la scheda")},
          {QStringLiteral("cercaNoleggio"), QStringLiteral("La ricerca delle schede")},
          {QStringLiteral("stampaNoleggio"), QStringLiteral("La stampa della scheda")}},
         {{QStringLiteral("Compilare una nuova scheda"),
           {QString::fromUtf8(
                "Scrivere l'anno e premere Apri; poi fare clic su Nuovo: il numero della scheda è "
                "proposto dal programma."),
            QString::fromUtf8(
                "Per il cliente fare clic sull'icona accanto al nome e sceglierlo con un doppio "
                "clic, oppure leggere la tessera con il lettore di codici a barre."),
            QString::fromUtf8("Per ogni film fare clic sull'icona della riga e sceglierlo, oppure leggere il "
                              "codice del film con il lettore: la riga si compila da sola."),
            QString::fromUtf8(
                "Scegliere la data di riconsegna con il pulsante del calendario e fare clic sulla "
                "calcolatrice della riga: giorni e importo si calcolano da soli."),
            QString::fromUtf8("Fare clic su \"Calcola totale\", spuntare Saldato se il cliente ha pagato e "
                              "fare clic su Salva.")}},
          {QStringLiteral("Ritrovare una scheda"),
           {QString::fromUtf8("Fare clic su Cerca e compilare uno o più criteri (numero, data, cliente, "
                              "tessera, film)."),
            QString::fromUtf8("Premere Trova; un doppio clic su una riga riporta la scheda sullo schermo.")}},
          {QStringLiteral("Stampare la scheda"),
           {QString::fromUtf8("Con la scheda sullo schermo fare clic su Stampa, poi su Stampa nella finestra "
                              "che si apre. Senza stampante la scheda diventa un file PDF nella cartella "
                              "Stampe."),
            QString::fromUtf8("L'intestazione del negozio si imposta una volta con il comando Azienda.")}}}},
        {QStringLiteral("Film in noleggio e rientri"),
         {QString::fromUtf8(
              "La schermata \"Film in noleggio\" mostra i film che i clienti hanno ancora a casa: ogni "
              "riga di scheda con la data di noleggio e senza la data di riconsegna, in tutte le schede "
              "di tutti gli anni. Per ogni film dice da quanti giorni è fuori, chi lo ha, la tessera e "
              "i telefoni del cliente presi dall'archivio clienti. I film fuori da più giorni vengono "
              "per primi."),
          QString::fromUtf8(
              "Un film è in ritardo quando è fuori da più giorni di quanti ne indica la casella \"In "
              "ritardo dopo giorni\" (3 se non si cambia): la riga porta la scritta RITARDO e il conto "
              "in basso dice quanti film sono fuori e quanti in ritardo. Il numero scelto resta per le "
              "volte successive."),
          QString::fromUtf8(
              "Si apre dalla finestra principale con il pulsante \"Film in noleggio\" (Alt+R) oppure "
              "dalla scheda di noleggio con F8. La scheda del film, la ricerca dei film e la scelta "
              "di un film per la scheda dicono anch'esse quando un film è in noleggio e presso chi; "
              "prima di mettere in una scheda un film che risulta fuori, il programma lo chiede."),
          QString::fromUtf8("\"Stampa\" stampa l'elenco, \"Esporta\" lo scrive in un foglio di calcolo "
                            "nella cartella Esportazioni.")},
         {{QStringLiteral("rientri"), QStringLiteral("I film in noleggio")}},
         {{QStringLiteral("Registrare un film riconsegnato"),
           {QString::fromUtf8("Aprire \"Film in noleggio\" (Alt+R dalla finestra principale, F8 dalla "
                              "scheda di noleggio): il cursore è già nel campo Rientro."),
            QString::fromUtf8("Leggere il codice del film con il lettore, oppure scriverlo e premere Invio."),
            QString::fromUtf8(
                "Si apre la scheda del film con la data di riconsegna di oggi, i giorni, l'importo e "
                "il totale già calcolati, e il cursore su Saldato."),
            QString::fromUtf8("Se il cliente paga premere la barra spaziatrice (o Ctrl+D), poi Ctrl+S per "
                              "salvare.")}},
          {QStringLiteral("Trovare chi ha un film"),
           {QString::fromUtf8(
                "Scrivere nel campo Cerca una parte del codice o del titolo del film, del nome del "
                "cliente o della tessera: l'elenco mostra solo le righe che la contengono."),
            QString::fromUtf8("Un doppio clic (o Invio) su una riga apre la sua scheda di noleggio.")}}}},
        {QStringLiteral("Statistiche"),
         {QString::fromUtf8(
              "La schermata \"Statistiche\" riassume un anno di noleggi: per ogni mese le schede, i film "
              "noleggiati, l'incasso, quanto è saldato e quanto resta da saldare; i dieci film più "
              "noleggiati, i dieci clienti con più schede e il loro incasso, i film noleggiati in ogni "
              "giorno della settimana. L'incasso di ogni mese è affiancato a quello dell'anno prima."),
          QString::fromUtf8(
              "Si apre dalla finestra principale con il pulsante \"Statistiche\" (Alt+S), sull'anno in "
              "corso, oppure dalla scheda di noleggio con F9, sull'anno della scheda. Si sceglie "
              "l'anno nella casella Anno e si preme \"Aggiorna\"."),
          QString::fromUtf8(
              "Ogni grafico ha la sua pagina; \"Tabelle\" (Ctrl+T) mostra al posto dei grafici le "
              "tabelle con le stesse cifre, \"Grafici\" li riporta. Una scheda con una data che non è "
              "dell'anno o con un totale non valido non entra in nessun mese: è contata nella riga "
              "\"Altro\" ed elencata nella pagina \"Altro\", perché si possa correggerla."),
          QString::fromUtf8(
              "\"Stampa\" stampa i grafici e le tabelle su fogli A4 (senza stampante, un file PDF "
              "nella cartella Stampe); \"Esporta\" scrive una cartella di lavoro con un foglio per "
              "tabella, gli importi come numeri e il grafico degli incassi, nella cartella "
              "Esportazioni.")},
         {{QStringLiteral("statistiche"), QStringLiteral("Le statistiche dell'anno")}},
         {{QStringLiteral("Confrontare due anni"),
           {QString::fromUtf8("Aprire \"Statistiche\" e scrivere l'anno nella casella Anno."),
            QString::fromUtf8("Premere \"Aggiorna\": nel primo grafico le colonne scure sono l'anno "
                              "scelto, quelle chiare l'anno prima.")}},
          {QStringLiteral("Sapere quanto resta da incassare"),
           {QString::fromUtf8("Nella pagina \"Saldato e da saldare\" la parte arancione di ogni colonna è "
                              "quanto resta da saldare in quel mese; il totale dell'anno è scritto in "
                              "alto.")}}}},
        {QStringLiteral("I tasti del banco"),
         {QString::fromUtf8("Al banco si lavora anche senza mouse. Il tasto Tab passa da un campo o da un "
                            "pulsante all'altro, Invio porta al campo successivo o preme il pulsante "
                            "scelto; negli elenchi di scelta Invio prende la riga evidenziata.")},
         {},
         {},
         {{QStringLiteral("Alt+F, Alt+C, Alt+N"),
           QString::fromUtf8("Finestra principale: Archivio film, Archivio clienti, Gestione noleggi")},
          {QStringLiteral("Alt+R, Alt+S, Alt+E, Alt+G"),
           QString::fromUtf8("Finestra principale: Film in noleggio, Statistiche, Esporta in Excel, Guida")},
          {QString::fromUtf8("Frecce, Tab, Invio"),
           QString::fromUtf8("Finestra principale: passare da un pulsante all'altro e aprirlo")},
          {QStringLiteral("Ctrl+N"), QStringLiteral("Scheda di noleggio: Nuovo")},
          {QStringLiteral("Ctrl+S"), QStringLiteral("Scheda di noleggio: Salva")},
          {QStringLiteral("Ctrl+F"), QStringLiteral("Scheda di noleggio: Cerca")},
          {QStringLiteral("Ctrl+P"), QStringLiteral("Scheda di noleggio: Stampa")},
          {QStringLiteral("Ctrl+T"), QStringLiteral("Scheda di noleggio: Calcola totale")},
          {QStringLiteral("Ctrl+R"),
           QString::fromUtf8("Scheda di noleggio: Calcola la riga del film su cui è il cursore")},
          {QStringLiteral("Ctrl+D"), QStringLiteral("Scheda di noleggio: Saldato (spunta o toglie)")},
          {QStringLiteral("F4"),
           QString::fromUtf8(
               "In un campo data della scheda e nella data della ricerca schede: il calendario")},
          {QStringLiteral("F8"), QStringLiteral("Scheda di noleggio: Film in noleggio e rientri")},
          {QStringLiteral("F9"), QStringLiteral("Scheda di noleggio: Statistiche dell'anno della scheda")},
          {QStringLiteral("Ctrl+T"), QStringLiteral("Statistiche: tabelle al posto dei grafici, e ritorno")},
          {QStringLiteral("Invio"),
           QString::fromUtf8("Negli elenchi di scelta del film e del cliente: prende la riga evidenziata")}}},
        {QStringLiteral("Esportazioni"),
         {QString::fromUtf8("Gli archivi dei clienti, dei noleggi e dei film si esportano in un foglio di "
                            "calcolo o in un documento di testo, che si apre subito con il programma del "
                            "computer. I file restano nella cartella Esportazioni.")},
         {{QStringLiteral("expContatti"), QStringLiteral("L'esportazione dell'archivio film")}},
         {{QStringLiteral("Esportare in un foglio di calcolo"),
           {QString::fromUtf8(
                "L'archivio film si esporta dalla finestra principale con \"Esporta in Excel\"; "
                "clienti e noleggi con il comando Esporta delle loro schermate."),
            QString::fromUtf8("Scegliere la vista con i comandi in alto e controllare la griglia."),
            QString::fromUtf8(
                "Fare clic sul comando del foglio di calcolo (Excel) o del documento (Word).")}}}},
    };
    return chapters;
}

} // namespace filmeria
