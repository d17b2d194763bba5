#include "access/CambiaPassword.h"

#include "access/PasswordField.h"
#include "access/PasswordStore.h"
#include "platform/KeyCodes.h"
#include "platform/TextTrim.h"
#include "widgets/Controls.h"
#include "widgets/LogoBand.h"
#include "widgets/MessageBoxes.h"
#include "widgets/Theme.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* Caption(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Theme::Verdana(10, true));
    return label;
}
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword()
    : KeptWindow(QStringLiteral("TfrmCambiaPassword"), QStringLiteral(" Cambia password"),
                 QSize(411, 418)) {
    auto* imgLogo = new LogoBand(this, 96);
    m_old = MakePasswordField(QStringLiteral("txtPasswordOld"), this);
    m_new = MakePasswordField(QStringLiteral("txtPasswordNew"), this);
    m_confirm = MakePasswordField(QStringLiteral("txtConferma"), this);
    auto* cmdEsci = WindowButton(QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), QString(),
                                 ButtonLook::Light, 11, this);
    m_ok = WindowButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), QString(),
                        ButtonLook::Primary, 11, this);
    m_ok->setEnabled(false);

    auto* form = new QVBoxLayout;
    form->setContentsMargins(30, 10, 30, 18);
    form->setSpacing(4);
    form->addWidget(
        Caption(QStringLiteral("lblRigo05"), QStringLiteral("Vecchia password:"), this));
    form->addWidget(m_old);
    form->addSpacing(8);
    form->addWidget(Caption(QStringLiteral("lblRigo06"), QStringLiteral("Nuova password:"), this));
    form->addWidget(m_new);
    form->addSpacing(8);
    form->addWidget(
        Caption(QStringLiteral("lblRigo07"), QStringLiteral("Conferma nuova password:"), this));
    form->addWidget(m_confirm);
    form->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(cmdEsci);
    buttons->addWidget(m_ok);
    form->addLayout(buttons);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(imgLogo);
    page->addLayout(form, 1);

    setTabOrder(m_old, m_new);
    setTabOrder(m_new, m_confirm);
    setTabOrder(m_confirm, cmdEsci);
    setTabOrder(cmdEsci, m_ok);

    for (QLineEdit* field : {m_old, m_new, m_confirm}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtChange);
    }
    connect(m_ok, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

QString TfrmCambiaPassword::unstorableMessage() {
    return QStringLiteral("Attenzione: la nuova password non può essere memorizzata. Usare al "
                          "massimo 255 caratteri, scelti tra lettere, cifre e simboli della "
                          "tastiera italiana (sono esclusi, per esempio, il simbolo dell'euro e "
                          "le lettere di alfabeti non latini).");
}

void TfrmCambiaPassword::txtChange() {
    m_ok->setEnabled(!TrimBlanks(m_old->text()).isEmpty() && !TrimBlanks(m_new->text()).isEmpty() &&
                     !TrimBlanks(m_confirm->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick() {
    const auto clearNew = [this] {
        m_new->clear();
        m_confirm->clear();
        m_new->setFocus();
    };
    switch (ChangePassword(m_old->text(), m_new->text(), m_confirm->text())) {
    case PasswordChange::Changed:
        MessageBox::plain(this, QStringLiteral("Modifica della password completata con successo."));
        close();
        break;
    case PasswordChange::WrongOld:
        MessageBox::plain(this, QStringLiteral("Attenzione: vecchia password errata."));
        m_old->clear();
        m_old->setFocus();
        break;
    case PasswordChange::NotConfirmed:
        MessageBox::plain(
            this, QStringLiteral("Attenzione: la nuova password non è stata confermata "
                                 "correttamente. E' necessario reinserire entrambi i valori."));
        clearNew();
        break;
    case PasswordChange::Unstorable:
        MessageBox::plain(this, unstorableMessage());
        clearNew();
        break;
    case PasswordChange::Error:
        MessageBox::plain(
            this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                 "modifica della password. Si consiglia di reinstallare il "
                                 "software."));
        break;
    }
}

void TfrmCambiaPassword::cmdEsciClick() {
    close();
}

void TfrmCambiaPassword::FormShow() {
    m_old->clear();
    m_new->clear();
    m_confirm->clear();
    m_old->setFocus();
}

void TfrmCambiaPassword::FormClose() {
    emit closed();
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsEnterKey(static_cast<QKeyEvent*>(event))) {
        // Enter walks the three fields in a ring and never presses OK.
        QLineEdit* next = watched == m_old ? m_new : watched == m_new ? m_confirm : m_old;
        next->setFocus();
        return true;
    }
    if (event->type() == QEvent::KeyRelease)
        txtChange();
    return KeptWindow::eventFilter(watched, event);
}
