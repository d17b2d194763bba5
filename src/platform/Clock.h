#pragma once

#include <QDateTime>

// "Now" for the windows that stamp a ticket; tests fix it.
QDateTime CurrentDateTime();

// Fixes the clock at a moment; an invalid moment restores the system clock.
// Returns the moment it replaces (invalid for the system clock).
QDateTime SetFixedDateTime(const QDateTime& moment);
