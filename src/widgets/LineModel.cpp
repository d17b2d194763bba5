#include "widgets/LineModel.h"

#include "platform/LetGo.h"

#include <utility>

int LineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant LineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_lines.at(index.row());
    return QVariant();
}

void LineModel::setLines(const QStringList& lines) {
    beginResetModel();
    m_lines = lines;
    endResetModel();
}

void LineModel::insertLine(int row, const QString& line) {
    beginInsertRows(QModelIndex(), row, row);
    m_lines.insert(row, line);
    endInsertRows();
}

void LineModel::appendLine(const QString& line) {
    insertLine(int(m_lines.size()), line);
}

void LineModel::removeLine(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    m_lines.removeAt(row);
    endRemoveRows();
}

void LineModel::clear() {
    beginResetModel();
    LetGoOnWorker(std::exchange(m_lines, QStringList()));
    endResetModel();
}
