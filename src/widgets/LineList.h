#pragma once

#include <QListView>
#include <QStringList>

class LineModel;

// The list of every window that shows list files, order lines or tickets:
// one line per row in "Courier New" 12, black, so that fixed columns stand
// one under the other, one row selected at most. A view over its own
// LineModel (or another model of texts set on it), the font set once on
// the list, every row as tall as the first: a hundred thousand lines fill
// and scroll at once.
class LineList : public QListView {
    Q_OBJECT

public:
    // Over its own LineModel, or over `texts` where given.
    LineList(const QString& name, QWidget* parent, QAbstractItemModel* texts = nullptr);

    // The list's own texts; null when another model was set on it.
    LineModel* lines() const;

    // Replaces the rows with the lines, in one reset.
    void showLines(const QStringList& lines);

    int count() const;
    QString text(int row) const;
    // The selected row, or -1.
    int selectedRow() const;
    int currentRow() const;
    // The row made current and the only one selected.
    void setCurrentRow(int row);
    void scrollToRow(int row);
    QRect rowRect(int row) const;

    // Every row at least this wide: the list scrolls sideways to show it.
    void setItemWidth(int width);
    // Both scroll bars shown whatever the list holds.
    void showScrollBars();
};
