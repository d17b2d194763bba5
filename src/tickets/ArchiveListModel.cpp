#include "tickets/ArchiveListModel.h"

#include "tickets/ArchiveFollower.h"

int ArchiveListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant ArchiveListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_names.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_names.shown(index.row());
    return QVariant();
}

void ArchiveListModel::setNames(const ArchiveNames& names) {
    beginResetModel();
    m_names = names;
    endResetModel();
}

void ArchiveListModel::follow(const ArchiveChange& change, int maxSingleChanges) {
    if (change.gone.size() + change.added.size() > maxSingleChanges) {
        setNames(change.names);
        return;
    }
    // Runs of neighbouring rows go out together, from the last; with the gone
    // rows out, every name before an added one is listed by the time that
    // one goes in: its row in the folder's order is its row.
    for (qsizetype end = change.gone.size(); end > 0;) {
        qsizetype begin = end - 1;
        while (begin > 0 && change.gone.at(begin - 1) == change.gone.at(begin) - 1)
            --begin;
        const int first = change.gone.at(begin);
        const int last = change.gone.at(end - 1);
        beginRemoveRows(QModelIndex(), first, last);
        m_names.remove(first, last - first + 1);
        endRemoveRows();
        end = begin;
    }
    for (qsizetype begin = 0; begin < change.added.size();) {
        qsizetype end = begin + 1;
        while (end < change.added.size() && change.added.at(end) == change.added.at(end - 1) + 1)
            ++end;
        const int first = change.added.at(begin);
        const int last = change.added.at(end - 1);
        beginInsertRows(QModelIndex(), first, last);
        for (int row = first; row <= last; ++row)
            m_names.insert(row, change.names.file(row));
        endInsertRows();
        begin = end;
    }
    // The rows now hold the listing's names one for one: its block replaces
    // the one the single changes grew.
    m_names = change.names;
}

void ArchiveListModel::clear() {
    beginResetModel();
    m_names = ArchiveNames();
    endResetModel();
}
