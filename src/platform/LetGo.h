#pragma once

#include <QStringList>

// Lets the lines go on a worker thread: freeing a hundred thousand texts
// would cost the user-interface thread a frame as a window closes. Texts
// shared with lists still held stay as they are.
void LetGoOnWorker(QStringList lines);
