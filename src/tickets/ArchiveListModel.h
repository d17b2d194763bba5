#pragma once

#include "tickets/ArchiveNames.h"

#include <QAbstractListModel>

struct ArchiveChange;

// The archive browser's rows: the listed names, each shown as its text.
// Filled in one reset; a change seen in the folder moves only the rows that
// went or came, so the other rows, the selection and the scrolled position
// stay.
class ArchiveListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const ArchiveNames& names() const { return m_names; }

    void setNames(const ArchiveNames& names);
    // Beyond `maxSingleChanges` names come or gone, the rows are filled afresh.
    void follow(const ArchiveChange& change, int maxSingleChanges);
    void clear();

private:
    ArchiveNames m_names;
};
