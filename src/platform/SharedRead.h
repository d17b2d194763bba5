#pragma once

#include <QByteArray>
#include <QString>

// Reading a file of the shared folder while other stations may be replacing
// it. Over a network share a replace can reach the folder as a deletion
// followed by a rename, and a client's cache can show the new content cut at
// the old size: a reader at that instant finds the file missing, or ending
// inside a line. Such a read is tried again after a short wait, a few times
// (about 70 ms in all); what the file then holds is taken as it is. So a
// window never concludes a list is missing, and saves an empty or cut list
// over the real one, because it looked at the wrong moment.

enum class SharedRead {
    Read,
    Missing, // no such file, or not a regular file
    Failed   // there, but it could not be read
};

// Empty files are whole files (an empty list is saved as 0 bytes), unless
// the caller knows its files never are empty (a ticket holds a line at
// least): then an empty file is one being put in place, read again too.
enum class EmptyFile { Whole, Partial };

SharedRead ReadSharedFile(const QString& path, QByteArray* bytes,
                          EmptyFile empty = EmptyFile::Whole);

// True when the bytes end inside a line: the last line has no line break,
// in ANSI, UTF-8 or UTF-16 of either order.
bool EndsInsideLine(const QByteArray& bytes);
