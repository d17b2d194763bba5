#pragma once

#include <QDialog>
#include <QSize>

// The base of every dialog window: built anew at each opening, a fixed client
// size, a title bar without buttons, the program's background, centred on the
// screen or on its owner. FormShow runs when the window is shown by the
// program (not when the window system restores it); FormClose runs once
// however it closes (its own button, Escape, the window system).
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

    void showEvent(QShowEvent* event) override;

private:
    Centre m_centre;
};
