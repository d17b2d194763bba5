#pragma once

#include "platform/Result.h"
#include "platform/SharedRead.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// Text files as every station reads and writes them.

// A byte-order mark decides the encoding (UTF-8, UTF-16 LE, UTF-16 BE, tested
// in that order, the mark dropped); without one the bytes are ANSI. A NUL
// character is read as a blank, so no line after it is lost (the program
// writes a NUL typed into a line as a blank too). Never fails: bad sequences
// decode to U+FFFD.
QString DecodeTextFile(const QByteArray& bytes);

// The same decoding with the NUL characters kept in the text: for the
// profile files, whose readers stop at a NUL and whose rewriting keeps all
// that follows it.
QString DecodeWholeTextFile(const QByteArray& bytes);

// Splits at CR LF, lone CR and lone LF. A break at the very end gives no
// further line; an empty text gives no lines. With LineTrim::Blanks each
// line comes trimmed as TrimBlanks trims it, copied once.
enum class LineTrim { Keep, Blanks };
QStringList SplitTextLines(const QString& text, LineTrim trim = LineTrim::Keep);

// Reads, decodes and splits a file of the shared folder (ReadSharedFile),
// the path in the file system's bytes; the lines stay as they were unless
// read.
[[nodiscard]] SharedRead ReadTextFileLines(const QByteArray& nativePath, QStringList* lines,
                                           const ReadRules& rules);

// The same for a path as text, giving the lines. Fails (SharedReadError)
// when the file is missing, is not a regular file, cannot be read or is
// larger than the rules allow.
Result<QStringList> ReadTextFileLines(const QString& path,
                                      const ReadRules& rules = {MaxListFileBytes});

// Each line in ANSI followed by CR LF, a NUL or line break inside a line
// written as a space. An empty list gives no bytes.
QByteArray EncodeTextFileLines(const QStringList& lines);

// Writes the lines as EncodeTextFileLines gives them, atomically: on failure
// the previous file stays whole. An empty list writes a file of 0 bytes.
// On failure, why it was not saved.
Result<void> WriteTextFileLines(const QString& path, const QStringList& lines);

// Writes all the bytes to an open device, going on after a short write.
// Fails with the device's error text when it did not take them all.
Result<void> WriteWholeBytes(QIODevice& device, const QByteArray& bytes);
