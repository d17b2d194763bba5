#pragma once

#include "platform/Result.h"
#include "platform/SharedRead.h"

#include <QString>
#include <QStringList>

// The list files of the program folder: one list line per text line, sorted.

// The lines of the file, each trimmed, in file order; the lines stay as they
// were unless read. A link to the file is followed.
[[nodiscard]] SharedRead ReadListLines(const QString& path, QStringList* lines);

// The same, giving the lines; fails (SharedReadError) when the file is
// missing, cannot be read or is too large.
Result<QStringList> ReadListFile(const QString& path);

// Replaces the file with the lines, in ANSI with CR LF after each, without a
// byte-order mark. The previous file stays whole when the write fails; the
// failure tells why it was not saved.
Result<void> WriteListFile(const QString& path, const QStringList& lines);

// The order of every list shown from a list file: UTF-16 code units compared
// with only "a" to "z" folded to "A" to "Z"; a text that begins another comes
// first. Negative, zero or positive.
int ListOrder(const QString& a, const QString& b);

// Sorts lines by ListOrder; lines that compare equal keep their order.
void SortByListOrder(QStringList& lines);

// Where a line goes in a list kept in ListOrder: after every line that does
// not come after it.
qsizetype ListInsertPosition(const QStringList& sorted, const QString& line);
