#pragma once

#include <QSize>
#include <QWidget>

// A window that lives for the whole run and is only shown and hidden. Its
// FormShow runs each time it becomes visible; closing it, however caused,
// runs FormClose and then hides it.
class KeptWindow : public QWidget {
    Q_OBJECT

public:
    // The client size of the working windows, which open maximised.
    static constexpr QSize WorkingSize{1016, 713};

    // A working window: normal resizable frame, opens maximised.
    KeptWindow(const QString& className, const QString& title);

    // Visible (maximised where the window opens so) and in front.
    void showKept();

    // Hidden, a kept window gives back its platform window and with it its
    // backing store, the largest buffer it holds, and the pictures its
    // graphics effects keep; all are made anew when it is shown again.
    void setVisible(bool visible) override;

protected:
    // A fixed-size window with no title-bar buttons, centred on the screen.
    KeptWindow(const QString& className, const QString& title, QSize fixedClientSize);

    virtual void FormShow() {}
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_maximised;
};
