#include "access/Password.h"

#include "access/CambiaPassword.h"
#include "access/PasswordField.h"
#include "access/PasswordStore.h"
#include "platform/KeyCodes.h"
#include "platform/TextTrim.h"
#include "widgets/Controls.h"
#include "widgets/LogoBand.h"
#include "widgets/MessageBoxes.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPassword::TfrmPassword()
    : KeptWindow(QStringLiteral("TfrmPassword"), QStringLiteral(" Orbisala - Accesso"),
                 QSize(388, 405)) {
    auto* imgLogo = new LogoBand(this, 110);
    auto* lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    lblRigo05->setFont(Theme::Verdana(11));
    lblRigo05->setAlignment(Qt::AlignCenter);

    m_password = MakePasswordField(QStringLiteral("txtPassword"), this);
    m_ok = WindowButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), QString(),
                        ButtonLook::Primary, 11, this);
    m_ok->setEnabled(false);
    auto* cmdEsci = WindowButton(QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QString(),
                                 ButtonLook::Light, 11, this);
    auto* btnCambiaPassword =
        WindowButton(QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"),
                     QString(), ButtonLook::Light, 11, this);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(m_ok);
    buttons->addWidget(cmdEsci);

    auto* form = new QVBoxLayout;
    form->setContentsMargins(30, 0, 30, 20);
    form->setSpacing(14);
    form->addStretch(1);
    form->addWidget(lblRigo05);
    form->addWidget(m_password);
    form->addSpacing(6);
    form->addLayout(buttons);
    form->addWidget(btnCambiaPassword);
    form->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(imgLogo);
    page->addLayout(form, 1);

    setTabOrder(m_password, m_ok);
    setTabOrder(m_ok, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);

    m_password->installEventFilter(this);
    connect(m_password, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(m_ok, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::resetField() {
    m_password->clear();
    m_password->setFocus();
}

void TfrmPassword::txtPasswordChange() {
    m_ok->setEnabled(!TrimBlanks(m_password->text()).isEmpty());
}

void TfrmPassword::cmdOKClick() {
    switch (CheckPassword(m_password->text())) {
    case PasswordCheck::Accepted:
        emit accepted();
        break;
    case PasswordCheck::Wrong:
        MessageBox::plain(this, QStringLiteral("Attenzione: password errata."));
        resetField();
        break;
    case PasswordCheck::ReadError:
        MessageBox::plain(
            this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                 "lettura della password. Si consiglia di reinstallare il "
                                 "software."));
        break;
    }
}

void TfrmPassword::cmdEsciClick() {
    close();
}

void TfrmPassword::btnCambiaPasswordClick() {
    emit changePasswordChosen();
}

void TfrmPassword::FormShow() {
    m_password->setFocus();
}

void TfrmPassword::FormClose() {
    emit closed();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_password) {
        if (event->type() == QEvent::KeyPress && IsEnterKey(static_cast<QKeyEvent*>(event))) {
            // Enter checks a typed password and never moves the focus.
            if (!TrimBlanks(m_password->text()).isEmpty())
                cmdOKClick();
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            txtPasswordChange();
    }
    return KeptWindow::eventFilter(watched, event);
}
