#pragma once

#include "platform/Result.h"

#include <QString>

// Profile (INI) files read and written one value at a time, by the rules
// stations on the shared folder follow: a "[section]" line, then "key=value"
// lines; section and key matched without regard to case, the first match
// wins, the value trimmed (and one pair of enclosing quotes dropped). QSettings
// cannot stand in: it rewrites the whole file and escapes blanks in names.

// Reads the value. A missing file, section or key gives the empty text; fails
// only when the file exists but cannot be read (a folder in its place, a file
// too large among them).
Result<QString> ReadProfileString(const QString& path, const QString& section, const QString& key);

// Writes "key=value" into the section, keeping every other line byte for byte
// and the file's encoding; creates the file, the section or the key where
// missing. A line break or any other control character (below U+0020, NUL
// included) inside the value becomes a space, so the value keeps its one line
// and hides nothing after it. The file is replaced atomically, under a lock
// file beside it ("<file>.lock") so that stations writing other keys of the
// same file at once lose none of each other's values. On failure, why it was
// not saved.
Result<void> WriteProfileString(const QString& path, const QString& section, const QString& key,
                                const QString& value);
