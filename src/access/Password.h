#pragma once

#include "widgets/KeptWindow.h"

class QLineEdit;
class QPushButton;

// The access check, the program's first and main window: only the right
// password leads on to the start window.
class TfrmPassword : public KeptWindow {
    Q_OBJECT

public:
    TfrmPassword();

    // Empties the field and gives it the focus (when the change-password
    // window hands back).
    void resetField();

signals:
    void accepted();             // the right password: on to the start window
    void changePasswordChosen(); // "Cambia password"
    void closed();               // closing the main window ends the program

public slots:
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    void txtPasswordChange();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_password;
    QPushButton* m_ok;
};
