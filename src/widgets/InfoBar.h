#pragma once

#include <QHash>
#include <QLabel>

class QMouseEvent;

// The black bar with white text at the foot of a working window: the picture
// under the pointer writes its one-line help into it, the window background
// empties it.
class InfoBar : public QLabel {
    Q_OBJECT

public:
    explicit InfoBar(const QString& name, QWidget* parent = nullptr);

    // The hint shown while the pointer moves over the widget.
    void addHint(QWidget* widget, const QString& hint);

    // Pointer movement over this widget empties the bar.
    void clearOver(QWidget* background);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool overHintedWidget(const QMouseEvent* event) const;

    QHash<QObject*, QString> m_hints;
    QObject* m_background = nullptr;
};
