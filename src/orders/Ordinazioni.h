#pragma once

#include "output/ReportLayout.h"
#include "widgets/KeptWindow.h"

#include <QDateTime>

struct CatalogueEntry;
class InfoBar;
class QKeyEvent;
class QLineEdit;
class LineList;
class QPushButton;
class Ticket;

// The order composition window: one ticket for one table, composed from the
// price lists through the import dialogs, then totalled, saved to the
// archive, printed and sent by e-mail. Every showing starts a new, empty
// ticket stamped with the clock's date and time; closing it drops the ticket
// and leads back to the start window.
class TfrmOrdinazioni : public KeptWindow {
    Q_OBJECT

public:
    TfrmOrdinazioni();

    // What the import dialogs may do to the ticket, and nothing more: one
    // more line at the end of the list (the total is then no longer
    // computed), and the ticket's table.
    void appendOrderLine(const QString& line);
    void setTable(const QString& table);

signals:
    void closed(); // back to the start window

public slots:
    void impTavoloClick();
    void btnEliminaClick();
    void btnTotaleClick();
    void cmdSalvaClick();
    void cmdStampaClick();
    void cmdInviaClick();
    void cmdChiudiClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // btnPizzeClick and its eleven siblings: the category's import dialog.
    void openCategory(const CatalogueEntry& entry);
    // Backspace and Delete empty the table field; any other key opens the
    // table dialog. True when the key is used up.
    bool txtTavoloKeyDown(const QKeyEvent* key);

    // The ticket on screen: the list's lines and the fields' texts.
    Ticket ticket() const;

    QLineEdit* txtData;
    QLineEdit* txtOra;
    QLineEdit* txtTavolo;
    LineList* lstRecords;
    QLineEdit* txtTotale;
    QPushButton* impTavolo;
    QPushButton* btnElimina;
    QPushButton* btnTotale;
    QPushButton* cmdSalva;
    QPushButton* cmdStampa;
    QPushButton* cmdInvia;
    QPushButton* cmdChiudi;
    InfoBar* panInfo;

    ReportLayout m_report;
    QDateTime m_moment;  // the ticket's date and time, as its fields show them
    QString m_savedName; // the file this ticket last saved to, if any
};
