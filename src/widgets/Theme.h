#pragma once

#include "platform/Palette.h"

#include <QString>

class QImage;
class QPainter;
class QPixmap;
class QRectF;
class QSizeF;
class QWidget;

// One look for every window: every style sheet of the program, kept in
// Theme.cpp and nowhere else, over the palette and faces of platform/Palette.h.
namespace Theme {

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
