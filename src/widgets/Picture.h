#pragma once

#include <QWidget>

// A picture of the artwork that is not clickable (logos, decorations), drawn
// at any size with its proportions kept and centred. A missing picture draws
// nothing.
class Picture : public QWidget {
    Q_OBJECT

public:
    Picture(const QString& name, const QString& iconName, QSize size, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_picture;
    QSize m_size;
};
