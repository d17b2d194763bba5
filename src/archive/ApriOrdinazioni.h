#pragma once

#include "tickets/OrderArchive.h"
#include "widgets/KeptWindow.h"

#include <optional>

class ArchiveFollower;
class ArchiveListModel;
struct ArchiveChange;
class LineList;
class QLabel;
class QPushButton;

// The archive browser: the tickets saved in the program folder, listed by
// name, opened in the read-only viewer or deleted after a confirmation. While
// it is shown it follows the folder, so that tickets saved or deleted by
// another station sharing it appear or vanish by themselves.
class TfrmApriOrdinazioni : public KeptWindow {
    Q_OBJECT

public:
    TfrmApriOrdinazioni();

signals:
    void closed(); // back to the start window

private slots:
    void btnApriClick();
    void btnEliminaClick();
    void btnAnnullaClick();
    void imgGuidaClick();

protected:
    void FormShow() override;
    void FormClose() override;
    void hideEvent(QHideEvent* event) override;

private:
    // The list as the folder holds it, nothing selected, the count
    // following; the names shown.
    ArchiveNames fillList();
    // The list brought in line with the folder after a change seen there,
    // the selection staying on its file while that file exists.
    void followFolder(const ArchiveChange& change);
    void showCount();

    std::optional<ArchiveName> selectedName() const;

    LineList* lstFiles;
    QLabel* lblCreati;
    QPushButton* btnApri;
    QPushButton* btnElimina;
    QPushButton* btnAnnulla;

    ArchiveFollower* m_follower;
    ArchiveListModel* m_names; // the file of every row, in the list's order
};
