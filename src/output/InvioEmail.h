#pragma once

#include "widgets/FixedDialog.h"

#include <QChar>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The characters the recipients field refuses when they are typed: the
// space, "/", "<", ">", "£", "°" and the accented letters À Á Â Ä Ç È É Ê
// Ë Ì Í Î Ï Ñ Ò Ó Ô Ö Ù Ú Û Ü with their small forms. Pasted text and text
// put in by the program are not filtered.
bool IsRefusedRecipientCharacter(QChar character);

// The e-mail window: recipients, subject and message of a ticket, handed to
// the user's mail program as a mailto: link. The recipients are kept in
// "Orbisala.ini" between sendings; the subject and the message are written in
// by the order window before the window is shown.
class TfrmInvioEmail : public FixedDialog {
    Q_OBJECT

public:
    explicit TfrmInvioEmail(QWidget* owner = nullptr);

    // Pre-fill: the opener writes the subject and the message, taken as they
    // are. Line breaks of the message may be CR LF, LF or CR.
    void setSubject(const QString& subject);
    void setMessage(const QString& message);

    // The message as the user sees it, its lines joined by CR LF.
    QString message() const;

public slots:
    void btnInviaClick();
    void btnChiudiClick();

protected:
    // The recipients are read at every showing and kept at every closing; a
    // window restored from the task bar keeps what the user typed.
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* txtDestinatari;
    QLineEdit* txtOggetto;
    QPlainTextEdit* txtMessaggio;
    QPushButton* btnChiudi;
    QPushButton* btnInvia;
};

// Builds a fresh e-mail window owned by the opener, fills the subject and the
// message, shows it modally and destroys it when it closes.
void OpenInvioEmail(QWidget* opener, const QString& subject, const QString& message);
