#pragma once

#include <QString>

// What the windows that open a list file (the editors, the import dialogs)
// say of a file in the list's place that no list can be: larger than any
// list file is (MaxListFileBytes).
inline const QString TooLargeListMessage = QStringLiteral(
    "Attenzione: il file dell'elenco è troppo grande per essere aperto.\r\n\r\nNon si tratta "
    "di un elenco salvato dal programma: controllare il file nella cartella del programma.");
