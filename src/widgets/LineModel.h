#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The texts of a list control, each once, one row each. They are set in one
// reset and changed by rows, so the view lays out and paints only what it
// shows: ten thousand lines cost no object each.
class LineModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QStringList& lines() const { return m_lines; }

    // The lines replaced in one reset; the list is shared, not copied.
    void setLines(const QStringList& lines);
    void insertLine(int row, const QString& line);
    void appendLine(const QString& line);
    void removeLine(int row);
    void clear();

private:
    QStringList m_lines;
};
