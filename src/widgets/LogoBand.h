#pragma once

#include <QWidget>

class QLabel;

// The white band across the top of a small window: the product logo
// ("imgLogo") and the product name, with an optional line under the name.
// Centred, or against the left edge when a subtitle goes with it.
class LogoBand : public QWidget {
    Q_OBJECT

public:
    LogoBand(QWidget* parent, int height, const QString& subtitle = QString());
};

// The product name in the program's slate lettering, and a grey line to go
// under it.
QLabel* ProductName(const QString& name, int pointSize, QWidget* parent);
QLabel* ProductLine(const QString& name, const QString& text, QWidget* parent);
