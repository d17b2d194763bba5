#include "pricelists/PriceListDocument.h"

#include "platform/TextTrim.h"
#include "pricelists/ListFile.h"
#include "pricelists/PriceText.h"

PriceListDocument::PriceListDocument(const CatalogueEntry& entry) : m_entry(&entry) {}

bool PriceListDocument::load() {
    QStringList read;
    if (!ReadListFile(ListFilePath(*m_entry), &read))
        return false;
    SortByListOrder(read);
    m_lines = std::move(read);
    return true;
}

ListAddition PriceListDocument::add(const QString& name, const QString& price) {
    if (TrimBlanks(name).isEmpty())
        return {AddOutcome::NoName};
    QString line;
    if (m_entry->Kind == EntryKind::PriceList) {
        if (TrimBlanks(price).isEmpty())
            return {AddOutcome::NoPrice};
        line = FormatPriceListLine(name, price);
    } else {
        line = TrimBlanks(name);
    }
    const qsizetype row = ListInsertPosition(m_lines, line);
    m_lines.insert(row, line);
    return {AddOutcome::Added, row};
}

bool PriceListDocument::removeAt(qsizetype row) {
    if (row < 0 || row >= m_lines.size())
        return false;
    m_lines.removeAt(row);
    return true;
}

std::optional<QString> PriceListDocument::save() const {
    return WriteListFile(ListFilePath(*m_entry), m_lines);
}

PriceListItem SplitPriceListLine(const QString& line) {
    const qsizetype priceColumn = NameColumnWidth + PriceSeparator.size();
    return {TrimBlanks(TakeLeft(line, NameColumnWidth)),
            TrimBlanks(line.mid(priceColumn, PriceColumnWidth))};
}
