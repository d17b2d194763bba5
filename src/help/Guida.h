#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class LinkLabel;
class Picture;
class PictureButton;

// The help window: one topic, put in by the opener, and the link to the PDF
// guide that lies in the program folder.
class TfrmGuida : public QDialog {
    Q_OBJECT

public:
    explicit TfrmGuida(QWidget* owner = nullptr);

    Picture* imgLogo;
    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    PictureButton* imgPDF;
    LinkLabel* lnkWeb;
    QPushButton* btnChiudi;

public slots:
    void lnkWebClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent* event) override;
};
