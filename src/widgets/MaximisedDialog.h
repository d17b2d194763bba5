#pragma once

#include <QDialog>

class QShowEvent;

// The base of a dialog that is a working window rather than a small dialog:
// built anew at each opening, resizable, with the title-bar buttons and the
// program's background, opening maximised; restored, it takes the working
// windows' client size, centred on the screen. FormShow runs when the window
// is shown by the program (not when the window system restores it); FormClose
// runs once however it closes.
class MaximisedDialog : public QDialog {
    Q_OBJECT

public:
    MaximisedDialog(const QString& className, const QString& title, QWidget* owner);

    void done(int result) override;

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;
};
