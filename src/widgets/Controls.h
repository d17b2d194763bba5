#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

class QKeyEvent;
class QPushButton;
class QWidget;

// The buttons and fields every window shares: large, touch-friendly, one
// look across the program.

enum class ButtonLook {
    Light,  // white to steel blue, slate text
    Primary // slate, white text: the window's main action
};

// A rounded button with an optional artwork icon; crimson edge under the
// pointer, yellow edge while it has the focus, greyed while disabled. Its
// Verdana text is bold unless a window asks for another weight. Enter presses
// it while it has the focus, as the space bar does, in dialogs and in kept
// windows alike.
QPushButton* WindowButton(const QString& name, const QString& text, const QString& iconName,
                          ButtonLook look, int pointSize, QWidget* parent,
                          QFont::Weight weight = QFont::Bold);

// A picture of the artwork as a button icon, drawn for the densest screen.
QIcon ArtworkIcon(const QString& iconName, int side);

// White rounded text fields with a slate edge, a yellow edge while focused
// and a slim scroll bar.
void ApplyFieldStyle(QWidget* field);
