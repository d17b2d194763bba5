#pragma once

#include "widgets/FixedDialog.h"

class QLabel;
class QPlainTextEdit;

// The help window: one topic, put in by the opener, and the link to the PDF
// guide that lies in the program folder.
class TfrmGuida : public FixedDialog {
    Q_OBJECT

public:
    explicit TfrmGuida(QWidget* owner = nullptr);

    // The topic's title and text, read from its first line.
    void setTopic(const QString& title, const QString& body);

public slots:
    void lnkWebClick();
    void btnChiudiClick();

protected:
    void FormShow() override;

private:
    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
};
