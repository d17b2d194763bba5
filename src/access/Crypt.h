#pragma once

#include "platform/Result.h"

#include <QString>

// The password store's scrambler: a 16-bit running-key XOR, two hexadecimal
// digits per character. Only the low 8 bits of each character survive, and
// at most 255 characters are scrambled.

constexpr int MaxScrambledLength = 255;

// Two uppercase hexadecimal digits per character of the first 255.
QString EncodePassword(const QString& plain);

// The plain text of a scrambled one (digits in either case; a final odd
// digit is ignored). Fails when a pair is not two hexadecimal digits.
Result<QString> DecodePassword(const QString& scrambled);
