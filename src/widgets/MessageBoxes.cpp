#include "widgets/MessageBoxes.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <utility>

namespace {

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

bool Show(QWidget* parent, MessageKind kind, const QString& text) {
    if (Hook())
        return Hook()(kind, text);
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Orbisala"));
    box.setText(text);
    switch (kind) {
    case MessageKind::Plain:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageKind::Confirm:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    // Italian captions whatever the toolkit's own language.
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Annulla"));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("Sì"));
    return box.exec() != QMessageBox::No;
}

} // namespace

namespace MessageBox {

void plain(QWidget* parent, const QString& text) {
    Show(parent, MessageKind::Plain, text);
}
void warning(QWidget* parent, const QString& text) {
    Show(parent, MessageKind::Warning, text);
}
void information(QWidget* parent, const QString& text) {
    Show(parent, MessageKind::Information, text);
}
bool confirm(QWidget* parent, const QString& text) {
    return Show(parent, MessageKind::Confirm, text);
}

} // namespace MessageBox

MessageHook SetMessageHook(MessageHook hook) {
    return std::exchange(Hook(), std::move(hook));
}
