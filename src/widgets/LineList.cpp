#include "widgets/LineList.h"

#include "widgets/Theme.h"

#include <QListWidget>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Draws the items in black whatever the list's look, and gives them their
// width. With uniform item sizes it is asked for one size, not one per item.
class LineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setItemWidth(int width) {
        m_itemWidth = width;
        emit sizeHintChanged(QModelIndex()); // the view lays its items out again
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

QListWidget* LineList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    Theme::ApplyLook(list, Theme::Look::Field);
    list->setFont(ListItemFont());
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setItemDelegate(new LineDelegate(list));
    return list;
}

void ShowLines(QListWidget* list, const QStringList& lines) {
    list->clear();
    list->addItems(lines);
}

void SetItemWidth(QListWidget* list, int width) {
    if (auto* delegate = dynamic_cast<LineDelegate*>(list->itemDelegate()))
        delegate->setItemWidth(width);
}

void ShowScrollBars(QListWidget* list) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}
