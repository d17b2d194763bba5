#pragma once

#include <QStringList>

class QListWidget;
class QWidget;

// The list of every window that shows list files or order lines: one line
// per item in "Courier New" 12, black, so that fixed columns stand one under
// the other. The font is set once on the list and every item has the height
// of the first: ten thousand lines fill and scroll at once.
QListWidget* LineList(const QString& name, QWidget* parent);

// Replaces the items with the lines, in one insertion.
void ShowLines(QListWidget* list, const QStringList& lines);

// Every item at least this wide: the list scrolls sideways to show it.
void SetItemWidth(QListWidget* list, int width);

// Both scroll bars shown whatever the list holds.
void ShowScrollBars(QListWidget* list);
