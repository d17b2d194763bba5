#pragma once

#include <QString>

class QWidget;

// Windows of sections still being built open as a small dialog that says so,
// under the window's own class name and title, so that navigation works end
// to end meanwhile.
void OpenPlaceholderDialog(QWidget* opener, const QString& className, const QString& title);

// The text those windows show.
QString PlaceholderText();
