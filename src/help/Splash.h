#pragma once

#include <QDialog>

class QPushButton;
class QWidget;
class LinkLabel;
class PictureButton;

// The credits window: the credits picture and the link to the maker's web
// site. Centred on the window that opens it.
class TfrmSplash : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* owner = nullptr);

    QWidget* imgLogo;
    PictureButton* imgWeb;
    LinkLabel* lnkWeb;
    QPushButton* btnChiudi;

public slots:
    void lnkWebClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent* event) override;
};
