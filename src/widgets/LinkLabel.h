#pragma once

#include <QLabel>

class PictureButton;

// An underlined link text, dark blue at rest and orange while the mouse
// button is held on it or on the icon that goes with it. A click turns it dark
// blue again and reports the click; what it opens is the window's business.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& name, const QString& text, QWidget* parent = nullptr);

    // The icon beside the link shares its press, release and click; while
    // pressed it keeps its look, and only the link text turns orange.
    void attachIcon(PictureButton* icon);

    QColor textColour() const;

signals:
    void clicked();

public slots:
    void press();
    void release();
    void click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setTextColour(const QColor& colour);
};
