#pragma once

#include "platform/SharedRead.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// Text files as every station reads and writes them.

// A byte-order mark decides the encoding (UTF-8, UTF-16 LE, UTF-16 BE, tested
// in that order, the mark dropped); without one the bytes are ANSI. A NUL
// character ends the text. Never fails: bad sequences decode to U+FFFD.
QString DecodeTextFile(const QByteArray& bytes);

// The same decoding with nothing cut: NUL characters stay in the text. For
// rewriting a file, which must never lose what follows a NUL.
QString DecodeWholeTextFile(const QByteArray& bytes);

// Splits at CR LF, lone CR and lone LF. A break at the very end gives no
// further line; an empty text gives no lines.
QStringList SplitTextLines(const QString& text);

// Reads, decodes and splits a file of the shared folder (ReadSharedFile).
// False when it is missing, is not a regular file or cannot be read.
bool ReadTextFileLines(const QString& path, QStringList* lines,
                       EmptyFile empty = EmptyFile::Whole);

// Each line in ANSI followed by CR LF, a NUL or line break inside a line
// written as a space. An empty list gives no bytes.
QByteArray EncodeTextFileLines(const QStringList& lines);

// Writes the lines as EncodeTextFileLines gives them, atomically: on failure
// the previous file stays whole. An empty list writes a file of 0 bytes.
// Empty when saved, otherwise why it was not.
std::optional<QString> WriteTextFileLines(const QString& path, const QStringList& lines);

// Writes all the bytes to an open device, going on after a short write.
// Empty when the device took them all, otherwise its error text.
std::optional<QString> WriteWholeBytes(QIODevice& device, const QByteArray& bytes);
