#pragma once

#include <QWidget>

// The product logo in a white band across the top of a small window: the
// logo picture and the product name.
class LogoBand : public QWidget {
    Q_OBJECT

public:
    LogoBand(const QString& name, QWidget* parent, int height = 96);
};
