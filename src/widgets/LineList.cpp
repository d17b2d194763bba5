#include "widgets/LineList.h"

#include "widgets/LineModel.h"
#include "widgets/Theme.h"

#include <QItemSelectionModel>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Draws the rows in black whatever the list's look, and gives them their
// width. With uniform item sizes it is asked for one size, not one per row.
class LineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setItemWidth(int width) {
        m_itemWidth = width;
        emit sizeHintChanged(QModelIndex()); // the view lays its rows out again
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(std::max(size.width(), m_itemWidth));
        return size;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->palette.setColor(QPalette::Text, Qt::black);
    }

private:
    int m_itemWidth = 0;
};

} // namespace

LineList::LineList(const QString& name, QWidget* parent, QAbstractItemModel* texts)
    : QListView(parent) {
    setObjectName(name);
    Theme::ApplyLook(this, Theme::Look::Field);
    setFont(ListItemFont());
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new LineDelegate(this));
    setModel(texts ? texts : new LineModel(this));
}

LineModel* LineList::lines() const {
    return qobject_cast<LineModel*>(model());
}

void LineList::showLines(const QStringList& lines) {
    if (LineModel* own = this->lines())
        own->setLines(lines);
}

int LineList::count() const {
    return model()->rowCount();
}

QString LineList::text(int row) const {
    return model()->index(row, 0).data().toString();
}

int LineList::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int LineList::currentRow() const {
    return currentIndex().row();
}

void LineList::setCurrentRow(int row) {
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

void LineList::scrollToRow(int row) {
    scrollTo(model()->index(row, 0));
}

QRect LineList::rowRect(int row) const {
    return visualRect(model()->index(row, 0));
}

void LineList::setItemWidth(int width) {
    if (auto* delegate = dynamic_cast<LineDelegate*>(itemDelegate()))
        delegate->setItemWidth(width);
}

void LineList::showScrollBars() {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}
