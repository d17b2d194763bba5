#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

// Saves into the shared program folder, where several stations and accounts
// write the same files. Every save writes the whole content to a temporary
// file beside the target, syncs it, gives it its final mode and only then
// puts it in place in one step, and syncs the folder after: a station
// reading the folder sees the old file or the new one, never a part, and a
// save reported done survives a power cut.
//
// A file created in a folder shared by a group (group-writable or
// set-group-ID) is group-writable, so any waiter of the group can save over
// what another created; a file whose owner took away its write bit stays
// refused, as a read-only file is.

// Replaces the file's content. A read-only target and a folder in the
// file's place refuse the write. A symbolic link is written through, to the
// file it leads to. On failure the reason (the system's error text), which is
// also logged as a warning.
Result<void> WriteFileAtomically(const QString& path, const QByteArray& bytes);

enum class CreateOutcome {
    Created,
    NameTaken, // a file of that name is there already: nothing was written
    Failed
};

// Puts the content under a name that no file has yet, never replacing one
// another station may have created a moment before. The reason of a failure
// goes to *error (logged as a warning) when given.
[[nodiscard]] CreateOutcome CreateFileAtomically(const QString& path, const QByteArray& bytes,
                                                 QString* error = nullptr);

// Deletes the file (its path in the file system's bytes) and syncs its
// folder. False when it could not be deleted.
[[nodiscard]] bool RemoveFileDurably(const QByteArray& nativePath);

// A temporary file a save left behind when it was killed: its name, as the
// saves give it. Such files are never data.
bool IsSaveLeftoverName(const char* name);

// How old a save's leftover must be before it is removed: far longer than
// any save takes, so a save in progress on another station keeps its file.
constexpr int SaveLeftoverAgeSeconds = 10 * 60;

// Removes the entry of the folder open as folderFd when it is a save's
// leftover: a regular file of the saves' naming, untouched for
// SaveLeftoverAgeSeconds. Anything else stays.
void RemoveStaleSaveLeftover(int folderFd, const char* name);
