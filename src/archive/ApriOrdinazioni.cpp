#include "archive/ApriOrdinazioni.h"

#include "widgets/Placeholders.h"
#include "widgets/Banner.h"

#include <QVBoxLayout>

TfrmApriOrdinazioni::TfrmApriOrdinazioni()
    : KeptWindow(QStringLiteral("TfrmApriOrdinazioni"),
                 QStringLiteral(" Orbisala - Visualizzazione comande in archivio")) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 18, 24, 18);
    page->addWidget(
        new Banner(QStringLiteral("icoTitolo"), QStringLiteral("COMANDE IN ARCHIVIO"), 30, this));
    page->addWidget(InstructionLine(QStringLiteral("lblIstruzioni"), PlaceholderText(), this));
    page->addStretch(1);
}

void TfrmApriOrdinazioni::FormClose() {
    emit closed();
}
