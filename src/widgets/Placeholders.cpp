#include "widgets/Placeholders.h"

#include "platform/ModalDialogs.h"
#include "widgets/FixedDialog.h"
#include "widgets/Theme.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

QString PlaceholderText() {
    return QStringLiteral("Questa sezione sarà disponibile in una prossima versione di Orbisala.");
}

void OpenPlaceholderDialog(QWidget* opener, const QString& className, const QString& title) {
    auto dialog = std::make_unique<FixedDialog>(className, title, QSize(520, 220), opener);
    auto* text = new QLabel(PlaceholderText(), dialog.get());
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setFont(Theme::Verdana(13, true));
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), dialog.get());
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(Theme::Verdana(12));
    btnChiudi->setMinimumSize(140, 44);
    QObject::connect(btnChiudi, &QPushButton::clicked, dialog.get(), &QDialog::accept);
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(text, 1);
    layout->addWidget(btnChiudi, 0, Qt::AlignCenter);
    ShowModal(dialog.get());
}
