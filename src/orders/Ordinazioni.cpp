#include "orders/Ordinazioni.h"

#include "widgets/Placeholders.h"
#include "widgets/Banner.h"

#include <QVBoxLayout>

TfrmOrdinazioni::TfrmOrdinazioni()
    : KeptWindow(QStringLiteral("TfrmOrdinazioni"),
                 QStringLiteral(" Orbisala - Ordinazioni ai Tavoli")) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 18, 24, 18);
    page->addWidget(
        new Banner(QStringLiteral("icoTitolo"), QStringLiteral("NUOVA COMANDA"), 30, this));
    page->addWidget(InstructionLine(QStringLiteral("lblIstruzioni"), PlaceholderText(), this));
    page->addStretch(1);
}

void TfrmOrdinazioni::FormClose() {
    emit closed();
}
