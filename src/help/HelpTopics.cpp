#include "help/HelpTopics.h"

// Every paragraph of the help is written once, here; the overview is put
// together from the same texts as the two section topics, so the three can
// never drift apart. The PDF guide is generated from these topics as well.

namespace {

// --- Opening of the overview ----------------------------------------------

const QString kIntroduction = QStringLiteral(
    "Orbisala è un software facile e intuitivo che consente ai camerieri di gestire le "
    "ordinazioni ai tavoli in pochi semplici passaggi, direttamente dal proprio tablet Windows. "
    "È pensato per i gestori di ristoranti, trattorie e pizzerie che desiderano rendere più "
    "rapida la comunicazione tra la sala, la cucina e la cassa, inviando le comande tramite "
    "e-mail.");

const QString kQuickTicket = QStringLiteral(
    "La compilazione della comanda avviene velocemente, importando i dati dai menu delle portate "
    "e dall'elenco dei tavoli. Al tavolo del cliente il cameriere annota le pietanze e le bevande "
    "ordinate e il tavolo a cui vanno servite. Salva quindi la comanda e la invia tramite e-mail "
    "allo chef o al personale di cucina e alla cassa.");

// --- Menu Portate ------------------------------------------------------------

const QString kPriceListsSection = QStringLiteral(
    "L'applicazione Menu Portate è l'ambiente in cui va registrato il listino prezzi delle "
    "pietanze e delle bevande, suddiviso per portata. Le portate sono dodici: aperitivi, "
    "antipasti (compresi i formaggi), primi piatti, secondi di carne, secondi di pesce, contorni, "
    "pizze e piatti unici, dessert e gelati, bevande (birre, bibite e acqua minerale), la carta "
    "dei vini, liquori (compresi gli amari e i digestivi del dopo caffè) e infine la caffetteria.");

const QString kPriceListsEditing = QStringLiteral(
    "Per creare o aggiornare il listino prezzi delle portate è sufficiente fare clic sull'icona "
    "della portata desiderata, digitare il nome della pietanza o della bevanda e il suo prezzo "
    "unitario in euro, quindi premere il pulsante Aggiungi all'elenco. L'operazione va ripetuta "
    "per ogni voce del listino. Al termine l'elenco si memorizza premendo il pulsante Salva e "
    "chiudi.");

const QString kPriceListsRemoving = QStringLiteral(
    "Per eliminare una pietanza dal menu delle portate basta selezionarla nell'elenco e premere "
    "il pulsante Elimina voce selezionata. Il listino di ciascuna portata può essere stampato in "
    "qualsiasi momento con il pulsante Stampa listino.");

const QString kTablesEditing = QStringLiteral(
    "Il software consente di creare un elenco personalizzato dei tavoli del locale. Dopo aver "
    "aperto la finestra Gestione elenco tavoli, si digita il numero o il nome di ciascun tavolo e "
    "si preme il pulsante Aggiungi all'elenco. Terminato l'inserimento, si conclude l'operazione "
    "con il pulsante Salva e chiudi.");

const QString kTablesRemoving = QStringLiteral(
    "Per eliminare un tavolo dall'elenco è sufficiente selezionarlo e premere il pulsante Elimina "
    "voce selezionata. L'elenco dei tavoli può essere stampato con il pulsante Stampa elenco.");

// --- Ordinazioni ai Tavoli ---------------------------------------------------

const QString kOrdersSection = QStringLiteral(
    "L'applicazione Ordinazioni ai Tavoli si compone di due ambienti di lavoro. Il primo serve a "
    "creare una nuova comanda, il secondo a visualizzare le comande già salvate in archivio.");

const QString kOrdersAtTheTable = QStringLiteral(
    "Nel momento in cui il cameriere si recherà con il suo tablet Windows al tavolo del cliente, "
    "dovrà premere il pulsante Crea nuova comanda. Si aprirà così la finestra in cui compilare "
    "l'ordinazione.");

const QString kOrdersTable = QStringLiteral(
    "La prima operazione da effettuare per compilare una nuova comanda è l'indicazione del "
    "tavolo: si preme il pulsante Importa, si sceglie il tavolo nell'elenco e si fa clic su "
    "Importa dati. La data e l'ora della comanda vengono inserite automaticamente all'apertura "
    "della finestra.");

const QString kOrdersItems = QStringLiteral(
    "La seconda operazione consiste nell'indicare nella comanda le pietanze e le bevande ordinate "
    "dal cliente. Le icone delle portate nella colonna di sinistra aprono il listino prezzi della "
    "portata corrispondente. Si seleziona il prodotto, si imposta la quantità con i pulsanti più "
    "e meno e si preme Importa dati.");

const QString kOrdersTotal = QStringLiteral(
    "In fase di compilazione della comanda, premendo il pulsante Calcola totale si ottiene in "
    "qualsiasi momento il totale in euro. È una funzione utile quando il cliente desidera "
    "conoscere in anticipo l'importo del conto.");

const QString kOrdersRemoving = QStringLiteral(
    "Se mentre si compila la comanda il cliente ha un ripensamento, è possibile togliere una voce "
    "già inserita. Basta selezionare la riga da eliminare e premere il pulsante Elimina voce.");

const QString kOrdersSaving = QStringLiteral(
    "Dopo aver inserito tutte le portate ordinate dal cliente, si preme il pulsante Salva per "
    "memorizzare la comanda nell'archivio. Con il pulsante Stampa la comanda può anche essere "
    "stampata.");

const QString kOrdersSending = QStringLiteral(
    "L'ultima operazione che il cameriere dovrà effettuare è l'invio della comanda tramite e-mail "
    "allo chef, al personale di cucina e alla cassa, con il pulsante Invia. Nella finestra che si "
    "apre si indicano gli indirizzi e-mail dei destinatari, si controllano il tavolo e le portate "
    "e si preme il pulsante Invia e-mail. Gli indirizzi vengono salvati automaticamente alla "
    "chiusura della finestra, perciò non sarà necessario digitarli di nuovo.");

const QString kOrdersMailProgram = QStringLiteral(
    "Premendo il pulsante Invia e-mail si apre il programma di posta elettronica del dispositivo, "
    "con i campi del messaggio già compilati con i dati della comanda. All'utente non resta che "
    "confermare l'invio.");

const QString kArchiveViewing = QStringLiteral(
    "Il pulsante Visualizza comande in archivio apre un ambiente di sola lettura che elenca tutte "
    "le comande salvate. Selezionata una comanda, il pulsante Visualizza comanda ne mostra il "
    "contenuto, che può anche essere stampato.");

const QString kArchiveSharing = QStringLiteral(
    "Si tenga presente che la visualizzazione delle comande archiviate è particolarmente utile "
    "quando il software è installato su più postazioni collegate in una rete locale. In questo "
    "modo il personale di cucina o il cassiere possono seguire in tempo reale le ordinazioni ai "
    "tavoli.");

const QString kArchiveDeleting = QStringLiteral(
    "E' inoltre possibile cancellare una comanda dall'archivio selezionandola e premendo il "
    "pulsante Elimina comanda. Questa funzione va usata con attenzione, perché una comanda "
    "eliminata non può più essere recuperata.");

// --- Closing of the overview -------------------------------------------------

const QString kPassword = QStringLiteral(
    "L'accesso al software è protetto da una password aggiornabile dall'utente che può essere "
    "cambiata tutte le volte che si desidera. Per il primo accesso al programma, bisogna "
    "utilizzare la parola chiave \"bruschettavolo\" (scritta senza le virgolette).");

const QString kConclusion = QStringLiteral(
    "Orbisala è quindi lo strumento ideale per gestire in modo rapido e ordinato le ordinazioni "
    "ai tavoli. Il suo utilizzo è così immediato da non richiedere praticamente alcun tempo di "
    "apprendimento.");

QStringList PriceListsParagraphs() {
    return {kPriceListsSection, kPriceListsEditing, kPriceListsRemoving, kTablesEditing,
            kTablesRemoving};
}

QStringList OrdersParagraphs() {
    return {kOrdersSection,     kOrdersAtTheTable, kOrdersTable,    kOrdersItems,
            kOrdersTotal,       kOrdersRemoving,   kOrdersSaving,   kOrdersSending,
            kOrdersMailProgram, kArchiveViewing,   kArchiveSharing, kArchiveDeleting};
}

} // namespace

QString HelpTopicTitle(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::Overview:
        return QStringLiteral("Uno sguardo a Orbisala.");
    case HelpTopic::PriceLists:
        return QStringLiteral("Applicazione Menu Portate.");
    case HelpTopic::Orders:
        return QStringLiteral("Applicazione Ordinazioni ai Tavoli.");
    }
    return QString();
}

QStringList HelpTopicParagraphs(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::Overview:
        return QStringList{kIntroduction, kQuickTicket} + PriceListsParagraphs() +
               OrdersParagraphs() + QStringList{kPassword, kConclusion};
    case HelpTopic::PriceLists:
        return PriceListsParagraphs();
    case HelpTopic::Orders:
        return OrdersParagraphs();
    }
    return {};
}

QString HelpTopicBody(HelpTopic topic) {
    return HelpTopicParagraphs(topic).join(QStringLiteral("\r\n\r\n"));
}
