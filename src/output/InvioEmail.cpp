#include "output/InvioEmail.h"

#include "output/MailSettings.h"
#include "output/MailtoLink.h"
#include "platform/KeyCodes.h"
#include "platform/OpenURL.h"
#include "platform/TextTrim.h"
#include "widgets/Banner.h"
#include "widgets/Controls.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ModalDialogs.h"
#include "widgets/Picture.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString NoRecipientsWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario indicare l'indirizzo di "
    u"almeno un destinatario."_s;
const QString NoSubjectWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario indicare l'oggetto."_s;
// The desktop took nothing: no mail program is set up, or the message is too
// long to be handed over in one link. Silence would read as sent.
const QString HandOffRefusedWarning =
    u"Attenzione: non è stato possibile passare la comanda al programma di posta elettronica. "
    u"Verificare che un programma di posta sia configurato e, se il messaggio è molto lungo, "
    u"inviarlo in più parti."_s;
const QString NoMessageWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario scrivere il testo del "
    u"messaggio."_s;

QLabel* Caption(const QString& name, const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Theme::Verdana(11, true));
    Theme::SetTextColour(label, Theme::DarkSlate);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* OneLineField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFont(Theme::Verdana(12, true));
    field->setMinimumHeight(46);
    ApplyFieldStyle(field);
    return field;
}

} // namespace

bool IsRefusedRecipientCharacter(QChar character) {
    switch (character.unicode()) {
    case u' ':
    case u'/':
    case u'<':
    case u'>':
    case u'£':
    case u'°':
    case u'À':
    case u'Á':
    case u'Â':
    case u'Ä':
    case u'Ç':
    case u'È':
    case u'É':
    case u'Ê':
    case u'Ë':
    case u'Ì':
    case u'Í':
    case u'Î':
    case u'Ï':
    case u'Ñ':
    case u'Ò':
    case u'Ó':
    case u'Ô':
    case u'Ö':
    case u'Ù':
    case u'Ú':
    case u'Û':
    case u'Ü':
    case u'à':
    case u'á':
    case u'â':
    case u'ä':
    case u'ç':
    case u'è':
    case u'é':
    case u'ê':
    case u'ë':
    case u'ì':
    case u'í':
    case u'î':
    case u'ï':
    case u'ñ':
    case u'ò':
    case u'ó':
    case u'ô':
    case u'ö':
    case u'ù':
    case u'ú':
    case u'û':
    case u'ü':
        return true;
    default:
        return false;
    }
}

TfrmInvioEmail::TfrmInvioEmail(QWidget* owner)
    : FixedDialog(QStringLiteral("TfrmInvioEmail"), QStringLiteral(" Invio comanda tramite e-mail"),
                  QSize(862, 561), owner) {
    setModal(true);

    auto* icoEmail =
        new Picture(QStringLiteral("icoEmail"), QStringLiteral("email"), {72, 72}, this);
    auto* icoTitolo = new Banner(QStringLiteral("icoTitolo"),
                                 QStringLiteral("INVIO COMANDA TRAMITE E-MAIL"), 24, this);
    auto* lblIstruzioni = InstructionLine(
        QStringLiteral("lblIstruzioni"),
        QStringLiteral("Accertarsi che tutti i campi siano compilati correttamente e premere il "
                       "pulsante Invia e-mail"),
        this);
    lblIstruzioni->setFont(Theme::Verdana(11, true));

    txtDestinatari = OneLineField(QStringLiteral("txtDestinatari"), this);
    txtOggetto = OneLineField(QStringLiteral("txtOggetto"), this);

    txtMessaggio = new QPlainTextEdit(this);
    txtMessaggio->setObjectName(QStringLiteral("txtMessaggio"));
    txtMessaggio->setFont(Theme::Verdana(12, true));
    txtMessaggio->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtMessaggio->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtMessaggio->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab walks the window as in the one-line fields; it never types.
    txtMessaggio->setTabChangesFocus(true);
    ApplyFieldStyle(txtMessaggio);

    btnChiudi = WindowButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                             QStringLiteral("chiudi"), ButtonLook::Light, 14, this, QFont::Normal);
    btnInvia = WindowButton(QStringLiteral("btnInvia"), QStringLiteral("Invia e-mail"),
                            QStringLiteral("invia"), ButtonLook::Primary, 14, this, QFont::Normal);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(icoEmail);
    top->addWidget(icoTitolo, 1);

    auto* form = new QVBoxLayout;
    form->setContentsMargins(6, 0, 6, 0);
    form->setSpacing(5);
    form->addWidget(Caption(QStringLiteral("lblDestinatari"),
                            QStringLiteral("Indirizzi e-mail destinatari (separati da virgola):"),
                            txtDestinatari, this));
    form->addWidget(txtDestinatari);
    form->addSpacing(9);
    form->addWidget(
        Caption(QStringLiteral("lblOggetto"), QStringLiteral("Oggetto:"), txtOggetto, this));
    form->addWidget(txtOggetto);
    form->addSpacing(9);
    form->addWidget(
        Caption(QStringLiteral("lblMessaggio"), QStringLiteral("Messaggio:"), txtMessaggio, this));
    form->addWidget(txtMessaggio, 1);

    auto* foot = new QHBoxLayout;
    foot->addWidget(btnChiudi);
    foot->addStretch(1);
    foot->addWidget(btnInvia);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 16, 24, 18);
    page->setSpacing(12);
    page->addLayout(top);
    page->addWidget(lblIstruzioni);
    page->addSpacing(2);
    page->addLayout(form, 1);
    page->addSpacing(4);
    page->addLayout(foot);

    setTabOrder(txtDestinatari, txtOggetto);
    setTabOrder(txtOggetto, txtMessaggio);
    setTabOrder(txtMessaggio, btnChiudi);
    setTabOrder(btnChiudi, btnInvia);

    for (QWidget* field : {static_cast<QWidget*>(txtDestinatari), static_cast<QWidget*>(txtOggetto),
                           static_cast<QWidget*>(txtMessaggio)})
        field->installEventFilter(this);
    connect(btnInvia, &QPushButton::clicked, this, &TfrmInvioEmail::btnInviaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInvioEmail::btnChiudiClick);
}

void TfrmInvioEmail::setSubject(const QString& subject) {
    txtOggetto->setText(subject);
}

void TfrmInvioEmail::setMessage(const QString& message) {
    txtMessaggio->setPlainText(message);
}

QString TfrmInvioEmail::message() const {
    // The document keeps the text as typed (no-break spaces included) and
    // separates its lines with paragraph or line separators.
    QString text = txtMessaggio->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, "\r\n"_L1);
    text.replace(QChar::LineSeparator, "\r\n"_L1);
    return text;
}

void TfrmInvioEmail::FormShow() {
    txtDestinatari->setText(ReadMailRecipients());
}

void TfrmInvioEmail::btnInviaClick() {
    const QString recipients = txtDestinatari->text();
    const QString subject = txtOggetto->text();
    const QString text = message();
    if (TrimBlanks(recipients).isEmpty()) {
        MessageBox::warning(this, NoRecipientsWarning);
        txtDestinatari->setFocus();
        return;
    }
    if (TrimBlanks(subject).isEmpty()) {
        MessageBox::warning(this, NoSubjectWarning);
        txtOggetto->setFocus();
        return;
    }
    if (TrimBlanks(text).isEmpty()) {
        MessageBox::warning(this, NoMessageWarning);
        txtMessaggio->setFocus();
        return;
    }
    // The link goes out encoded so that the mail program receives every
    // character of it; the window stays open for another sending.
    if (!TMisc::Open(u'"' + MailtoHandOff(recipients, subject, text) + u'"'))
        MessageBox::warning(this, HandOffRefusedWarning);
}

void TfrmInvioEmail::btnChiudiClick() {
    close();
}

void TfrmInvioEmail::FormClose() {
    // A settings file that cannot be written at close keeps the recipients
    // it had, and the user is not told: the window is already closing and
    // offers nothing to do about it; the write has logged its reason.
    (void)WriteMailRecipients(txtDestinatari->text());
}

bool TfrmInvioEmail::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(key)) {
            // Enter walks the fields towards "Invia e-mail"; it never types a
            // line break nor reaches a button of the window.
            if (watched == txtDestinatari)
                txtOggetto->setFocus();
            else if (watched == txtOggetto)
                txtMessaggio->setFocus();
            else
                btnInvia->setFocus();
            return true;
        }
        if (watched == txtDestinatari) {
            const QString typed = key->text();
            if (std::any_of(typed.begin(), typed.end(), IsRefusedRecipientCharacter))
                return true;
        }
    } else if (event->type() == QEvent::InputMethod && watched == txtDestinatari) {
        // Letters composed with dead keys arrive as committed text, not as
        // key presses; they are typed all the same.
        auto* input = static_cast<QInputMethodEvent*>(event);
        QString commit = input->commitString();
        if (commit.removeIf(IsRefusedRecipientCharacter).size() != input->commitString().size())
            input->setCommitString(commit, input->replacementStart(), input->replacementLength());
    }
    return FixedDialog::eventFilter(watched, event);
}

void OpenInvioEmail(QWidget* opener, const QString& subject, const QString& message) {
    auto window = std::make_unique<TfrmInvioEmail>(opener);
    window->setSubject(subject);
    window->setMessage(message);
    ShowModal(window.get());
}
