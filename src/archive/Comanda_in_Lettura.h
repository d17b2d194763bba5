#pragma once

#include "output/ReportLayout.h"
#include "widgets/MaximisedDialog.h"

#include <QByteArray>

class InfoBar;
class QLabel;
class QLineEdit;
class LineList;
class QPushButton;
class Ticket;

// The read-only viewer of one archived ticket: its lines as saved, the total
// on request and a printout. It reads the file once, when it is shown, and
// never writes it.
class TfrmComanda_in_Lettura : public MaximisedDialog {
    Q_OBJECT

public:
    explicit TfrmComanda_in_Lettura(QWidget* owner = nullptr);

    // What the opener hands over before showing the window: the full path
    // of the ticket file, in the file system's bytes, and the heading over
    // its lines.
    void setFile(const QByteArray& nativePath);
    void setHeading(const QString& heading);

private slots:
    void btnTotaleClick();
    void cmdStampaClick();
    void cmdChiudiClick();

protected:
    void FormShow() override;

private:
    // The ticket shown: the list's lines.
    Ticket ticket() const;

    QLabel* lblNome;
    QLabel* lblFile;
    LineList* lstRecords;
    QLineEdit* txtTotale;
    QPushButton* btnTotale;
    QPushButton* cmdStampa;
    QPushButton* cmdChiudi;
    InfoBar* panInfo;

    ReportLayout m_report;
    QByteArray m_path; // the file itself; lblFile shows it as text
};

// Builds a fresh viewer owned by the opener for the ticket at `nativePath`,
// shows it modally under `heading` and destroys it when it closes.
void OpenComandaInLettura(QWidget* opener, const QByteArray& nativePath, const QString& heading);
