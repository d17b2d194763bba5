#pragma once

#include <QByteArray>
#include <QString>

// Reading a file of the shared folder, which any station, account or other
// program may write, or fill with anything.
//
// Only a regular file is read, and never with an open that could block (a
// FIFO, a device in the file's place is taken as no file at all). A file
// larger than the caller's limit is not read. And a file caught while
// another station replaces it is read again: over a network share a replace
// can reach the folder as a deletion followed by a rename, and a client's
// cache can show the new content cut at the old size, so a reader at that
// instant finds the file missing, or ending inside a line. Such a read is
// tried again after a short wait, a few times (about 70 ms in all); what the
// file then holds is taken as it is. So a window never concludes a list is
// missing, and saves an empty or cut list over the real one, because it
// looked at the wrong moment.

enum class SharedRead {
    Read,
    Missing,  // no such file, or not a regular file (a link where links are refused)
    Failed,   // there, but it could not be read
    TooLarge, // larger than the limit: not read
};

// Empty files are whole files (an empty list is saved as 0 bytes), unless
// the caller knows its files never are empty (a ticket holds a line at
// least): then an empty file is one being put in place, read again too.
enum class EmptyFile { Whole, Partial };

// Whether a symbolic link in the file's place is followed (an administrator
// may link a list, the settings or the password store elsewhere) or taken as
// no file (a ticket must be a file of the folder itself).
enum class Links { Follow, Refuse };

struct ReadRules {
    qint64 maxBytes;
    EmptyFile empty = EmptyFile::Whole;
    Links links = Links::Follow;
};

// Limits no real file reaches: a list of 100,000 lines is under 7 MB, a
// ticket of 10,000 lines under 1 MB, the settings and the password store a
// few lines.
constexpr qint64 MaxListFileBytes = 16 * 1024 * 1024;
constexpr qint64 MaxTicketFileBytes = 4 * 1024 * 1024;
constexpr qint64 MaxSettingsFileBytes = 1024 * 1024;

// The path in the file system's own bytes, as a listing gives a name.
[[nodiscard]] SharedRead ReadSharedFile(const QByteArray& nativePath, QByteArray* bytes,
                                        const ReadRules& rules);
[[nodiscard]] SharedRead ReadSharedFile(const QString& path, QByteArray* bytes,
                                        const ReadRules& rules);

// Why a read that gave anything but SharedRead::Read has no content, as a
// text: "The file is missing", "The file cannot be read", "The file is too
// large".
QString SharedReadError(SharedRead read);

// True when the bytes end inside a line: the last line has no line break,
// in ANSI or UTF-8, or in UTF-16 of either order (told by its mark).
bool EndsInsideLine(const QByteArray& bytes);
