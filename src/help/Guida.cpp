#include "help/Guida.h"

#include "help/HelpLook.h"
#include "platform/OpenURL.h"
#include "platform/ProgramFolder.h"
#include "widgets/Controls.h"
#include "widgets/LinkLabel.h"
#include "widgets/LogoBand.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget* owner)
    : FixedDialog(QStringLiteral("TfrmGuida"), QStringLiteral(" Guida all'utilizzo del software"),
                  QSize(670, 572), owner) {
    auto* band = new LogoBand(this, 100, QStringLiteral("Guida all'utilizzo del software"));

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(Theme::Arial(16, true));
    Theme::SetTextColour(lblTitolo, Theme::Crimson);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtGuida->setFont(Theme::Verdana(12, true));
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ApplyFieldStyle(txtGuida);

    auto* lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"),
                                 QStringLiteral("Visualizza guida in formato PDF"), this);
    PictureButton* imgPDF = LinkIcon(QStringLiteral("imgPDF"), QStringLiteral("pdf"), lnkWeb, this);
    QPushButton* btnChiudi = CloseButton(this);

    auto* foot = new QHBoxLayout;
    foot->setSpacing(10);
    foot->addWidget(imgPDF);
    foot->addWidget(lnkWeb);
    foot->addStretch();
    foot->addWidget(btnChiudi);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(18, 12, 18, 14);
    content->setSpacing(10);
    content->addWidget(lblTitolo);
    content->addWidget(txtGuida, 1);
    content->addSpacing(2);
    content->addLayout(foot);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addLayout(content, 1);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
}

void TfrmGuida::lnkWebClick() {
    TMisc::Open(u'"' + ProgramFolder() + QStringLiteral("Guida.pdf") + u'"');
}

void TfrmGuida::btnChiudiClick() {
    close();
}

void TfrmGuida::setTopic(const QString& title, const QString& body) {
    lblTitolo->setText(title);
    txtGuida->setPlainText(body);
}

void TfrmGuida::FormShow() {
    // The topic is read from its first line.
    txtGuida->moveCursor(QTextCursor::Start);
    txtGuida->verticalScrollBar()->setValue(0);
}
