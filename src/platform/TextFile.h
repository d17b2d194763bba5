#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files as every station reads and writes them.

// A byte-order mark decides the encoding (UTF-8, UTF-16 LE, UTF-16 BE, tested
// in that order, the mark dropped); without one the bytes are ANSI. A NUL
// character ends the text. Never fails: bad sequences decode to U+FFFD.
QString DecodeTextFile(const QByteArray& bytes);

// Splits at CR LF, lone CR and lone LF. A break at the very end gives no
// further line; an empty text gives no lines.
QStringList SplitTextLines(const QString& text);

// Reads, decodes and splits a file. False when it is missing, is not a
// regular file or cannot be read.
bool ReadTextFileLines(const QString& path, QStringList* lines);

// Writes each line in ANSI followed by CR LF, atomically: on failure the
// previous file stays whole. An empty list writes a file of 0 bytes.
bool WriteTextFileLines(const QString& path, const QStringList& lines);

// Replaces the file's content atomically (a temporary file in the same folder
// renamed over the target). A read-only target refuses the write, as it does
// on the stations that share the folder.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);
