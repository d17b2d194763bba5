#pragma once

#include <QString>

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;
class LinkLabel;
class PictureButton;

// The look the help, information and credits windows share: the white band
// that carries the logo, the link with its icon, the close button.

// A white panel with a thin slate edge, for the logo at the top of a window.
QFrame* WhitePanel(const QString& name, QWidget* parent);

// "Chiudi": a large, touch-friendly button in the Verdana face.
QPushButton* CloseButton(QWidget* parent);

// The icon of a link: a bare picture that shares the link's press, release
// and click.
PictureButton* LinkIcon(const QString& name, const QString& iconName, LinkLabel* link,
                        QWidget* parent);
