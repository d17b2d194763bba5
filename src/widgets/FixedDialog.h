#pragma once

#include <QDialog>
#include <QSize>

class QKeyEvent;

// The base of every dialog window: built anew at each opening, a fixed client
// size, a title bar without buttons, the program's background, centred on the
// screen or on its owner. FormShow runs when the window is shown by the
// program (not when the window system restores it); FormClose runs once
// however it closes (its own button, Escape where the dialog allows it, the
// window system).
class FixedDialog : public QDialog {
    Q_OBJECT

public:
    enum class Centre { Screen, Owner };

    FixedDialog(const QString& className, const QString& title, QSize clientSize, QWidget* owner,
                Centre centre = Centre::Screen);

    void done(int result) override;

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    // For a dialog that is left only through its own buttons: Escape leaves
    // it open with all it holds, and Enter presses a button only while that
    // button has the focus; Enter in a list or a field presses none.
    void setLeftByOwnButtonsOnly();

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Centre m_centre;
    bool m_leftByOwnButtonsOnly = false;
};
