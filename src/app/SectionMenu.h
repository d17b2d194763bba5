#pragma once

#include "widgets/KeptWindow.h"

class QLabel;
class QVBoxLayout;
class PictureButton;

// Where closing a section menu leads: back to the start window, or on to the
// order window or the archive. The hidden label lblMemory shows it as
// "avvio", "crea" or "apri".
enum class CloseTarget { Start, CreateOrder, OpenArchive };

// What the two section menus share: the title banner and instruction line,
// the Guida and Esci pictures at the foot, and the close target.
class SectionMenu : public KeptWindow {
    Q_OBJECT

public:
    SectionMenu(const QString& className, const QString& title, const QString& banner,
                const QString& instructions);

    CloseTarget closeTarget() const { return m_closeTarget; }

signals:
    void closedToStart(); // closed with the start window as its target

public slots:
    virtual void imgGuidaClick() = 0;
    void imgEsciClick();

protected:
    void FormShow() override;

    // The menu's own controls go between the instruction line and the foot.
    QVBoxLayout* body() const { return m_body; }
    void setCloseTarget(CloseTarget target);

private:
    QLabel* m_memory;
    CloseTarget m_closeTarget = CloseTarget::Start;
    QVBoxLayout* m_body;
};
