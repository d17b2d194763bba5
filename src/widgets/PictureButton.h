#pragma once

#include <QAbstractButton>
#include <QString>

// A clickable picture: an icon from the artwork, a caption under it, or both.
// Large, touch-friendly, with a hand pointer; it reports press, release,
// click and pointer movement like any button.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Look {
        Tile,    // raised tile with icon and caption
        Caption, // caption strip, the label of a tile above it
        Flat     // the picture alone, no frame
    };

    PictureButton(const QString& name, const QString& iconName, const QString& caption, Look look,
                  QWidget* parent = nullptr);

    QString caption() const { return text(); }

    // A flat picture shows its press by fading while the button is down;
    // an icon that goes with a link leaves the press to the link's text.
    void setFadesWhilePressed(bool fades) { m_fadesWhilePressed = fades; }
    bool fadesWhilePressed() const { return m_fadesWhilePressed; }
    QSize sizeHint() const override;

signals:
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString m_icon; // empty: no icon
    Look m_look;
    bool m_fadesWhilePressed = true;
};
