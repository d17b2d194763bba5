#pragma once

#include <QLabel>

// A title picture drawn as styled text: large white capitals on a slate band.
class Banner : public QLabel {
    Q_OBJECT

public:
    Banner(const QString& name, const QString& text, int pointSize, QWidget* parent = nullptr);
};

// A white instruction line on the window gradient, under a banner.
QLabel* InstructionLine(const QString& name, const QString& text, QWidget* parent);
