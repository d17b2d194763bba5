#include "widgets/Controls.h"

#include "widgets/Theme.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>

QPushButton* WindowButton(const QString& name, const QString& text, const QString& iconName,
                          ButtonLook look, int pointSize, QWidget* parent, QFont::Weight weight) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    QFont font = FamilyFont(QStringLiteral("Verdana"), pointSize);
    font.setWeight(weight);
    button->setFont(font);
    // Enter on the focused button presses it. Inside a dialog this is Qt's
    // own choice already, default-button handling included; a kept window
    // has no default button, so the key reaches no other button. A field's
    // Enter never gets here: the field has the focus, not the button.
    button->setAutoDefault(true);
    button->setMinimumHeight(48);
    button->setCursor(Qt::PointingHandCursor);
    if (!iconName.isEmpty()) {
        const int side = 2 * pointSize + 6;
        button->setIcon(ArtworkIcon(iconName, side));
        button->setIconSize(QSize(side, side));
    }
    const bool primary = look == ButtonLook::Primary;
    const QString face = primary ? QStringLiteral("color: white; border: 1px solid #1F2F3F;"
                                                  " background: qlineargradient(x1:0, y1:0, x2:0,"
                                                  " y2:1, stop:0 #4F6F8F, stop:1 #2F4F4F);")
                                 : QStringLiteral("color: #2F4F4F; border: 1px solid #708090;"
                                                  " background: qlineargradient(x1:0, y1:0, x2:0,"
                                                  " y2:1, stop:0 #FFFFFF, stop:1 #DCE4EE);");
    const QString pressed = primary ? QStringLiteral("stop:0 #2F4F4F, stop:1 #1F2F3F")
                                    : QStringLiteral("stop:0 #DCE4EE, stop:1 #C4D0DE");
    button->setStyleSheet(
        QStringLiteral("QPushButton { %1 border-radius: 12px; padding: 4px 22px 4px 16px; }"
                       "QPushButton:hover { border: 2px solid #DC143C; }"
                       "QPushButton:focus { border: 3px solid #FFD700; outline: none; }"
                       "QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0,"
                       " y2:1, %2); }"
                       "QPushButton:disabled { color: #A8B0B8; border: 1px solid #C0C8D0;"
                       " background: #E8ECF1; }")
            .arg(face, pressed));
    return button;
}

QIcon ArtworkIcon(const QString& iconName, int side) {
    QSvgRenderer* picture = SharedIcon(iconName);
    if (!picture)
        return {};
    QPixmap pixmap(2 * side, 2 * side);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        picture->render(&painter);
    }
    pixmap.setDevicePixelRatio(2.0);
    return QIcon(pixmap);
}

void ApplyFieldStyle(QWidget* field) {
    field->setStyleSheet(QStringLiteral(
        "QLineEdit, QPlainTextEdit { background: white; color: #1F2F3F; border: 1px solid #708090;"
        " border-radius: 8px; padding: 6px 12px; selection-background-color: #4F6F8F; }"
        "QLineEdit:focus, QPlainTextEdit:focus { border: 3px solid #FFD700; padding: 4px 10px; }"
        "QScrollBar:vertical { background: #E6ECF3; width: 16px; margin: 4px 2px 4px 0;"
        " border-radius: 6px; }"
        "QScrollBar::handle:vertical { background: #708090; min-height: 40px; border-radius: 6px; }"
        "QScrollBar::handle:vertical:pressed { background: #2F4F4F; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
}

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
