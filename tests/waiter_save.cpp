// Saves one text, as a waiter's station does, into three files of a program
// folder: a price list, a ticket of the archive and a value of Orbisala.ini,
// each through the program's own save. The package test of two waiter
// accounts runs it as each account in turn on one folder.
//   waiter_save FOLDER TEXT
// Every save is tried even when an earlier one fails, so that a refusal shows
// for each file; each failure is printed as "<file>: <reason>" and makes the
// exit code 1.
#include "catalogue/ListFile.h"
#include "platform/IniProfile.h"
#include "platform/ProgramFolder.h"
#include "tickets/OrderArchive.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: waiter_save FOLDER TEXT\n");
        return 2;
    }
    SetProgramFolder(QString::fromLocal8Bit(argv[1]));
    const QString folder = ProgramFolder();
    const QString text = QString::fromLocal8Bit(argv[2]);

    const QString ticket =
        QStringLiteral("Comanda al tavolo 1 del giorno 01.01.2026 alle ore 12.00.00.eur");
    const struct {
        QString file;
        Result<void> saved;
    } saves[] = {
        {QStringLiteral("Listino_Pizze.lst"),
         WriteListFile(folder + QStringLiteral("Listino_Pizze.lst"), {text})},
        {ticket, SaveOrderArchive(ticket, {text})},
        {QStringLiteral("Orbisala.ini"),
         WriteProfileString(folder + QStringLiteral("Orbisala.ini"),
                            QStringLiteral("Destinatari Comande"),
                            QStringLiteral("Indirizzi Email"), text)},
    };
    int status = 0;
    for (const auto& save : saves) {
        if (!save.saved) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(save.file), qPrintable(save.saved.error()));
            status = 1;
        }
    }
    return status;
}
