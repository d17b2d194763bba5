#pragma once

#include <QDialog>

class QPushButton;
class LinkLabel;
class Picture;
class PictureButton;

// The information window: what the program is, and a ready-made e-mail to
// the maker.
class TfrmInfo : public QDialog {
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget* owner = nullptr);

    Picture* imgLogo;
    PictureButton* imgEmail;
    LinkLabel* lnkWeb;
    QPushButton* btnChiudi;

public slots:
    void lnkWebClick();
    void btnChiudiClick();
};
