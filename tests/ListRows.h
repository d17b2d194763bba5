#pragma once

// The rows of the windows' list controls as the tests read and choose them:
// every row's text, the selected texts, a row found by its text, a row
// clicked as a user clicks it.

#include "widgets/LineList.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QStringList>
#include <QTest>

inline QStringList Items(const LineList* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items.append(list->text(row));
    return items;
}

inline QStringList SelectedTexts(const LineList* list) {
    QStringList texts;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        texts.append(index.data().toString());
    return texts;
}

// The rows whose texts match, as QListWidget::findItems matches them.
inline QList<int> FindRows(const LineList* list, const QString& text, Qt::MatchFlags flags) {
    QList<int> rows;
    const QAbstractItemModel* model = list->model();
    if (model->rowCount() == 0)
        return rows;
    for (const QModelIndex& index :
         model->match(model->index(0, 0), Qt::DisplayRole, text, -1, flags))
        rows.append(index.row());
    return rows;
}

// Scrolls the row into view and clicks its middle.
inline void ClickRow(LineList* list, int row) {
    list->scrollToRow(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(row).center());
}

inline QList<int> SelectedRows(const LineList* list) {
    QList<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        rows.append(index.row());
    return rows;
}
