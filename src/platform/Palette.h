#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The palette and the faces the windows and the printout share. Qt Gui only:
// the report's layout takes its colours and fonts from here, and the windows'
// style sheets (widgets/Theme.h) build on the same names.
namespace Theme {

inline const QColor LinkBlue{0x00, 0x00, 0x8B};    // link text at rest
inline const QColor LinkPressed{0xFF, 0xA5, 0x00}; // link text while pressed
inline const QColor Crimson{0xDC, 0x14, 0x3C};     // hints, topic titles, accents
inline const QColor SteelBlue{0xB0, 0xC4, 0xDE};   // top of the window gradient
inline const QColor SlateGrey{0x70, 0x80, 0x90};   // edges, report bars, quiet text
inline const QColor SlateBlue{0x4F, 0x6F, 0x8F};   // top of the slate gradients
inline const QColor DarkSlate{0x2F, 0x4F, 0x4F};   // outlines, banner, product name
inline const QColor Ink{0x1F, 0x2F, 0x3F};         // body text, deepest slate
inline const QColor Mist{0xDC, 0xE4, 0xEE};        // foot of the light buttons
inline const QColor Haze{0xE6, 0xEC, 0xF3};        // light panels and scroll tracks
inline const QColor HoverBlue{0xDD, 0xE6, 0xF0};   // a tile under the pointer
inline const QColor FocusYellow{0xFF, 0xD7, 0x00}; // focus highlight frames
inline const QColor CountGreen{0x00, 0x80, 0x00};  // counts of what a list holds
inline const QColor TotalBrown{0x80, 0x00, 0x00};  // totals of a ticket

// The faces the windows ask for by name. Where a face is missing, the
// fallback keeps its character: monospaced for "Courier New", sans serif for
// the others, so fixed columns stay aligned.
QFont Verdana(int pointSize, bool bold = false);
QFont Tahoma(int pointSize, bool bold = false);
QFont Arial(int pointSize, bool bold = false);
QFont CourierNew(int pointSize, bool bold = false);

} // namespace Theme

// A font requested by family name with the fallback of its character.
QFont FamilyFont(const QString& family, int pointSize, bool bold = false);

// The font of every list that shows list files or order lines: "Courier New"
// 12, monospaced so that the fixed columns line up.
QFont ListItemFont();
