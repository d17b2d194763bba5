#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QImage;
class QPainter;
class QPixmap;
class QRectF;
class QSizeF;
class QWidget;

// One look for every window: the palette, the faces, and every style sheet of
// the program, kept in Theme.cpp and nowhere else.
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

// The styled looks. ApplyLook sets the look's style sheet on the widget.
enum class Look {
    Window,        // the light steel blue to white gradient behind a window
    Banner,        // white capitals on a slate band with rounded corners
    Instruction,   // white text on a translucent slate strip
    PrimaryButton, // slate button, white text: the window's main action
    LightButton,   // white to mist button, slate text
    Field,         // white rounded text field, yellow edge while focused
    TotalField,    // the same, its text in the brown of totals
    FocusFrame,    // the yellow rectangle behind a focused field
    InfoBar,       // white text on black
    WhitePanel,    // white box with a thin slate edge
    GradientPanel, // the window's steel blue to white gradient in a slate-edged box
    LogoBand,      // white band with a slate line at its foot
    LogoBandAccent // the same with a crimson line
};
void ApplyLook(QWidget* widget, Look look);

// Text drawn in a colour of the palette, on a transparent background.
void SetTextColour(QWidget* widget, const QColor& colour);

} // namespace Theme

// A font requested by family name with the fallback of its character.
QFont FamilyFont(const QString& family, int pointSize, bool bold = false);

// The font of every list that shows list files or order lines: "Courier New"
// 12, monospaced so that the fixed columns line up.
QFont ListItemFont();

// The light steel blue to white gradient behind every working window.
void ApplyWindowBackground(QWidget* window);

// The path of a picture of the artwork (":/icons/<name>.svg").
QString IconPath(const QString& name);

// Whether the artwork has a picture of that name.
bool HasArtwork(const QString& name);

// The picture fitted into an area of `area` units at `dpr` device pixels a
// unit, its proportions kept. Drawn once for each size it is shown at and
// shared through Qt's pixmap cache, so a paint only copies it; the SVG is
// parsed only to draw a size not drawn yet. A size found pre-drawn beside
// the SVG (":/icons/<name>-<w>x<h>.rgba", the area in device pixels, which
// the picture fills) is read from there instead: the first window shows its
// logo without parsing any SVG. Null when the artwork has no such picture.
QPixmap ArtworkPixmap(const QString& name, const QSizeF& area, qreal dpr);

// Draws the picture fitted into `area`, centred, at the painter's device
// pixel ratio. False when the artwork has no such picture.
bool DrawArtwork(QPainter* painter, const QString& name, const QRectF& area);

// The picture drawn from its SVG, fitted into `pixels` device pixels: what a
// pre-drawn size must hold. Null when the artwork has no such picture.
QImage RenderArtwork(const QString& name, const QSize& pixels);
