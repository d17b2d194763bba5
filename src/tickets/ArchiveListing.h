#pragma once

#include "tickets/ArchiveNames.h"

#include <QString>
#include <QStringList>

// The archive files of the folder: the regular files directly in it whose
// names end in ".eur" in any case (links, FIFOs, sockets, devices and
// folders are no tickets), sorted on their shown names without regard to
// case (names that differ only in case, or only in bytes the text cannot
// show, by their bytes), in one pass over the folder. The pass also removes
// what killed saves left behind (RemoveStaleSaveLeftover). An unreadable
// folder gives none. Safe from any thread.
ArchiveNames ListArchiveNames(const QString& folder);

// The shown names of the program folder's archive files, in that order.
QStringList ListOrderArchives();
QStringList ListOrderArchivesIn(const QString& folder);
