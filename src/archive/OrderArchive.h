#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// The archive: one "*.eur" text file per saved ticket, directly in the
// program folder, holding the ticket's order lines and nothing else.

// "Comanda al tavolo 5 del giorno 12.03.2024 alle ore 20.15.33.eur" from the
// table, date and time texts of the order window, cut by position.
QString ArchiveFileName(const QString& table, const QString& date, const QString& time);

// Writes the lines (ANSI, CR LF after each) under the name in the program
// folder, replacing a file of the same name whole: a ticket saved again. Fails, writing nothing,
// for a path over 259 characters or a name holding \ / : * ? " < > |, a
// control or invisible formatting character (a direction override) or a
// lone surrogate. Empty when saved, otherwise why it was not.
std::optional<QString> SaveOrderArchive(const QString& fileName, const QStringList& lines);

// Saves a new ticket of the table at the moment, never replacing a ticket
// another station saved: when the moment's name is taken, the ticket moves
// to the first later second whose name is free, and *moment follows it. The
// name used goes to *fileName. Refuses the names SaveOrderArchive refuses.
// Empty when saved, otherwise why it was not; *moment then stays.
std::optional<QString> SaveNewOrderArchive(const QString& table, QDateTime* moment,
                                           const QStringList& lines, QString* fileName);

// The names of the archive files, without folder, sorted without regard to
// case. An unreadable folder gives an empty list.
QStringList ListOrderArchives();

// The same for the archive files of the given folder, from any thread.
QStringList ListOrderArchivesIn(const QString& folder);

// The lines of an archive file, decoded by its byte-order mark or as ANSI.
bool LoadOrderArchive(const QString& path, QStringList* lines);

// Deletes one archive file; false when it cannot be deleted.
bool DeleteOrderArchive(const QString& path);
