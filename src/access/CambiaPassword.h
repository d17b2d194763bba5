#pragma once

#include "widgets/KeptWindow.h"

class QLineEdit;
class QPushButton;

// Replaces the password after checking the old one and the confirmation.
class TfrmCambiaPassword : public KeptWindow {
    Q_OBJECT

public:
    TfrmCambiaPassword();

    // The message shown for a new password the store cannot keep whole.
    static QString unstorableMessage();

signals:
    void closed(); // back to the password window, with its field emptied

public slots:
    void cmdOKClick();
    void cmdEsciClick();
    void txtChange();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_old;
    QLineEdit* m_new;
    QLineEdit* m_confirm;
    QPushButton* m_ok;
};
