#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of every text file the program writes, and of every
// file it reads without a byte-order mark: Windows-1252 on every platform, so
// files stay exchangeable with Windows stations sharing the program folder.

// Characters the code page lacks become "?" (one per character, surrogate
// pairs included).
QByteArray EncodeAnsi(const QString& text);
// The same, appended to `bytes`: a file's lines encoded into one buffer.
void AppendAnsi(QStringView text, QByteArray* bytes);

// Every byte maps to one character; the five bytes the code page leaves
// undefined map to the control characters of the same value, so decoding and
// encoding give the bytes back unchanged.
QString DecodeAnsi(const QByteArray& bytes);
