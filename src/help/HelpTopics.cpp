#include "help/HelpTopics.h"

#include <array>

namespace help {

namespace {

// The paragraphs of the help topics, numbered from 1; each is one line of a body.
const std::array<QString, kHelpParagraphCount>& Paragraphs()
{
    static const std::array<QString, kHelpParagraphCount> paragraphs{
        // 1
        QStringLiteral("Vetrinalia è un software rivolto ad attività commerciali di qualsiasi genere che consente di creare e stampare su fogli A4 volantini pubblicitari con i prodotti in offerta da fornire ai propri clienti. E' possibile creare un numero illimitato di volantini inserendo su ciascuna pagina otto prodotti completi di foto in miniatura e di una dettagliata descrizione. Ovviamente questa app può essere usata non solo per pubblicizzare le offerte ma anche per creare cataloghi dei prodotti più interessanti venduti dalla propria azienda in maniera da avere a disposizione listini prezzi di vario tipo da far visionare alla clientela."),
        // 2
        QStringLiteral("La schermata di partenza di Vetrinalia dà accesso a due ambienti di lavoro: il primo permette di creare un nuovo volantino offerte, mentre il secondo va usato per aprire e compilare un volantino esistente. La prima operazione da effettuare consiste, quindi, nel premere il pulsante relativo all'ambiente di lavoro che si intende utilizzare."),
        // 3
        QStringLiteral("Il fatto che tutti i file degli archivi sono posizionati nella cartella di installazione del programma rende molto semplice realizzare una copia di sicurezza dei volantini offerte creati. Infatti, per effettuare il backup dei file è sufficiente copiare l'intera cartella di Vetrinalia e incollarla su un qualsiasi supporto di memoria, ad esempio su un hard disk esterno o su una chiavetta USB. Per ripristinare i file di backup, basterà sovrascrivere la cartella di installazione del software con la copia di sicurezza."),
        // 4
        QStringLiteral("Per generare un nuovo volantino offerte bisogna fare clic sul pulsante Crea nuovo volantino, indicarne il nome per esteso nell'apposito campo di testo presente nella schermata che appare e confermare l'operazione servendosi del pulsante in calce."),
        // 5
        QStringLiteral("Quando si crea un nuovo volantino offerte si genera un file di archivio nella cartella del programma caratterizzato dall'estensione LIS. Ogni archivio potrà contenere un numero illimitato di schede, ciascuna delle quali corredata delle foto dei prodotti in offerta con relativi commenti. Per individuare il volantino offerte creato senza possibilità di errore, è buona norma assegnargli un nome il più possibile completo utilizzando parole chiave che indichino, ad esempio, la tipologia di prodotti contenuti nel volantino."),
        // 6
        QStringLiteral("Una volta indicato il nome del volantino offerte nell'apposita casella di testo, l'utente dovrà confermare l'operazione premendo il pulsante Applica e chiudi. A questo punto, si tornerà nella finestra di partenza del programma dove si potrà fare clic sul pulsante Apri volantino esistente per visualizzare un elenco di selezione contenente tutti i volantini offerte creati. Fatto ciò, basterà fare clic sul nome del volantino offerte in elenco che si intende gestire e premere il pulsante Apri archivio."),
        // 7
        QStringLiteral("L'icona del cestino consente di eliminare il volantino offerte selezionato. Questa funzione va utilizzata con molta cautela dal momento che un archivio eliminato non può essere recuperato."),
        // 8
        QStringLiteral("L'app Pagine Volantino mette a disposizione un ambiente in cui è possibile compilare, stampare e archiviare le singole pagine del volantino offerte, ciascuna contenente otto articoli con relative foto e descrizioni. In particolare, nel riquadro di ogni articolo, a destra della foto apparirà il nome commerciale in caratteri ben visibili nel campo di testo posizionato in cima, seguito da una descrizione delle caratteristiche del prodotto nei due campi centrali e da due ulteriori campi nella riga in calce, l'ultimo dei quali riservato al prezzo di vendita."),
        // 9
        QStringLiteral("Per creare una pagina del volantino offerte, basta premere il pulsante Nuovo, caricare le foto dei prodotti nei riquadri riservati, inserire le relative descrizioni nei campi di testo e fare clic su Salva. Per modificare una pagina esistente, è sufficiente visualizzarla nella schermata di lavoro servendosi delle frecce di scorrimento delle schede, apportare le modifiche desiderate e premere Salva."),
        // 10
        QStringLiteral("Premendo il pulsante Anteprima si può visualizzare l'anteprima di stampa della pagina del volantino offerte su cui si sta lavorando. La pagina è ottimizzata per la stampa su foglio A4 ed è costituita da otto riquadri contenenti le foto dei prodotti con relative descrizioni. In cima al foglio compare il nome assegnato al volantino, mentre in calce è riportato il numero di pagina, che coincide con il numero d'ordine della scheda in archivio. L'utente ha anche la possibilità di stampare la pagina direttamente su carta servendosi del pulsante Stampa."),
        // 11
        QStringLiteral("Vetrinalia può essere utilizzato anche su chiavetta USB. A tal fine, basta copiare la cartella del programma su pen-drive e fare doppio clic sull'icona dell'applicazione per eseguirla. La copia della cartella su dispositivo esterno è anche il metodo più veloce per effettuare il backup di tutti gli archivi."),
        // 12
        QStringLiteral("Conformemente alla normativa sulla privacy, l'accesso al software è protetto da una password che deve essere costituita da almeno otto caratteri e che può essere cambiata dall'utente autorizzato tutte le volte che desidera. Per il primo accesso al programma e dopo ogni installazione, bisogna utilizzare la parola chiave \"chiaveiniziale\" (scritta senza le virgolette)."),
        // 13
        QStringLiteral("Il software può essere utilizzato anche in una rete locale se si ha necessità di condividere gli archivi fra più postazioni di lavoro. Vetrinalia è software libero, distribuito con licenza MIT: può essere usato, copiato, modificato e ridistribuito liberamente, anche per scopi commerciali, purché in ogni copia sia mantenuta la nota di copyright e di licenza."),
        // 14
        QStringLiteral("Vetrinalia è quindi lo strumento ideale per le ditte che vogliono avvalersi del proprio computer per creare in pochi secondi brochure e depliant pubblicitari con listini prezzi dei propri articoli rendendo più professionale l'immagine aziendale. L'utente rimarrà piacevolmente sorpreso nel constatare come il software richieda tempi di apprendimento praticamente nulli."),
    };
    return paragraphs;
}

} // namespace

QString HelpParagraph(int number)
{
    if (number < 1 || number > kHelpParagraphCount)
        return {};
    return Paragraphs()[static_cast<std::size_t>(number - 1)];
}

QList<int> HelpTopicParagraphs(HelpTopic topic)
{
    int first = 1;
    int last = kHelpParagraphCount;
    switch (topic) {
    case HelpTopic::Start:
        break;
    case HelpTopic::CreateOpen:
        first = 2;
        last = 7;
        break;
    case HelpTopic::Editor:
        first = 8;
        last = 10;
        break;
    }
    QList<int> numbers;
    for (int number = first; number <= last; ++number)
        numbers.append(number);
    return numbers;
}

QString HelpTopicTitle(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::Start:
        return QStringLiteral("Uno sguardo a Vetrinalia");
    case HelpTopic::CreateOpen:
        return QStringLiteral("Creazione e apertura dei volantini offerte");
    case HelpTopic::Editor:
        return QStringLiteral("App Pagine Volantino");
    }
    return {};
}

QString ExchangeParagraph()
{
    return QStringLiteral("I quattro pulsanti in alto a destra lavorano sul volantino selezionato. Importa listino aggiunge in fondo al volantino le pagine di un listino prezzi salvato dal foglio di calcolo (file .csv o .xlsx con una prima riga che nomina le colonne, tra cui almeno nome e prezzo): otto prodotti per pagina, con le foto indicate nella colonna foto o, in mancanza, quelle chiamate come il codice articolo nella cartella del listino o nella sua sottocartella foto. Prima di scrivere qualsiasi cosa il programma mostra un riepilogo delle pagine da aggiungere, delle righe scartate e delle foto non trovate, e chiede conferma. Esporta PDF salva tutto il volantino in un documento PDF, Esporta immagini salva ogni pagina come immagine PNG da inviare per posta elettronica o con le app di messaggistica, ed Esporta listino salva i prodotti del volantino in un foglio di calcolo che, modificato, può essere importato di nuovo.");
}

QString HelpTopicBody(HelpTopic topic)
{
    QStringList paragraphs;
    for (int number : HelpTopicParagraphs(topic))
        paragraphs.append(HelpParagraph(number));
    if (topic == HelpTopic::CreateOpen)
        paragraphs.append(ExchangeParagraph());
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace help
