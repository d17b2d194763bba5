#pragma once

#include "widgets/KeptWindow.h"

class QLabel;
class QVBoxLayout;
class PictureButton;

// What the two section menus share: the title banner and instruction line,
// the Guida and Esci pictures at the foot, and the hidden close-target marker
// lblMemory ("avvio", "crea" or "apri") that tells where closing leads.
class SectionMenu : public KeptWindow {
    Q_OBJECT

public:
    SectionMenu(const QString& className, const QString& title, const QString& banner,
                const QString& instructions);

    QString closeTarget() const;

signals:
    void closedToStart(); // closed with "avvio" as its target

public slots:
    virtual void imgGuidaClick() = 0;
    void imgEsciClick();

protected:
    void FormShow() override;

    // The menu's own controls go between the instruction line and the foot.
    QVBoxLayout* body() const { return m_body; }
    void setCloseTarget(const QString& target);

private:
    QLabel* m_memory;
    QVBoxLayout* m_body;
};
