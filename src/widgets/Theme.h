#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// One palette and the fonts for every window.
namespace Theme {
inline const QColor LinkBlue{0x00, 0x00, 0x8B};    // link text at rest
inline const QColor LinkPressed{0xFF, 0xA5, 0x00}; // link text while pressed
inline const QColor Crimson{0xDC, 0x14, 0x3C};     // hints and topic titles
inline const QColor SteelBlue{0xB0, 0xC4, 0xDE};   // top of the window gradient
inline const QColor SlateGrey{0x70, 0x80, 0x90};   // banners and report bars
inline const QColor DarkSlate{0x2F, 0x4F, 0x4F};   // outlines and banner text
inline const QColor FocusYellow{0xFF, 0xD7, 0x00}; // focus highlight frames
} // namespace Theme

// A font requested by family name with a fallback that keeps its character:
// "Courier New" falls back to a monospaced face, the others to sans serif.
QFont FamilyFont(const QString& family, int pointSize, bool bold = false);

// The font of every list that shows list files or order lines: "Courier New"
// 12, monospaced so that the fixed columns line up.
QFont ListItemFont();

// The light steel blue to white gradient behind every working window.
void ApplyWindowBackground(QWidget* window);

// The path of a picture of the artwork (":/icons/<name>.svg").
QString IconPath(const QString& name);

// The picture itself, parsed once for the whole run and shared by every
// widget that draws it. Null when the artwork has no such picture.
class QSvgRenderer;
QSvgRenderer* SharedIcon(const QString& name);
