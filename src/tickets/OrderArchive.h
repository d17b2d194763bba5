#pragma once

#include "platform/Result.h"
#include "platform/SharedRead.h"
#include "tickets/ArchiveListing.h"
#include "tickets/ArchiveNames.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// The archive: one "*.eur" text file per saved ticket, directly in the
// program folder, holding the ticket's order lines and nothing else.

// "Comanda al tavolo 5 del giorno 12.03.2024 alle ore 20.15.33.eur" from the
// table, date and time texts of the order window, cut by position.
QString ArchiveFileName(const QString& table, const QString& date, const QString& time);

// Writes the lines (ANSI, CR LF after each) under the name in the program
// folder, replacing a file of the same name whole: a ticket saved again.
// Fails, writing nothing, for a path over 259 characters or a name holding \ / : * ? " < > |, a
// control or invisible formatting character (a direction override) or a
// lone surrogate. On failure, why it was not saved.
Result<void> SaveOrderArchive(const QString& fileName, const QStringList& lines);

// Where a new ticket was saved: its file's name and the moment that name
// stands for.
struct SavedTicket {
    QString fileName;
    QDateTime moment;
};

// Saves a new ticket of the table at the moment, never replacing a ticket
// another station saved: when the moment's name is taken, the ticket moves
// to the first later second whose name is free. Refuses the names
// SaveOrderArchive refuses. On failure, why it was not saved.
Result<SavedTicket> SaveNewOrderArchive(const QString& table, const QDateTime& moment,
                                        const QStringList& lines);

// The path of a listed archive file of the program folder, in the file
// system's bytes.
QByteArray ArchiveFilePath(const ArchiveName& name);

// The lines of an archive file, decoded by its byte-order mark or as ANSI.
// Only a regular file that is no link is read, never with a blocking open;
// a file over MaxTicketFileBytes is not read (TooLarge).
[[nodiscard]] SharedRead LoadArchiveFile(const QByteArray& nativePath, QStringList* lines);
// The same for a path as text, giving the lines; fails (SharedReadError)
// when the file is not read.
Result<QStringList> LoadOrderArchive(const QString& path);

// Deletes that one archive file, a regular file that is no link; false when
// it cannot be deleted (gone, read-only, no permission).
[[nodiscard]] bool DeleteArchiveFile(const QByteArray& nativePath);
// Whether anything is there under that name.
bool ArchiveFileExists(const QByteArray& nativePath);
[[nodiscard]] bool DeleteOrderArchive(const QString& path);
