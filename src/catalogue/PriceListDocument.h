#pragma once

#include "catalogue/Catalogue.h"
#include "platform/FileStamp.h"
#include "platform/Result.h"
#include "platform/SharedRead.h"

#include <QString>
#include <QStringList>

// What adding an item came to.
enum class AddOutcome {
    Added,
    NoName, // the name is blank
    NoPrice // the price is blank (price lists only)
};

struct ListAddition {
    AddOutcome outcome;
    qsizetype row = -1; // where the new line stands, when added
};

// The lines of one entry's list file, kept in ListOrder at all times: what an
// editor shows, adds to, removes from and saves, and what an import dialog
// reads. It holds no widget, so the rules stand apart from the windows.
class PriceListDocument {
public:
    explicit PriceListDocument(const CatalogueEntry& entry);

    const CatalogueEntry& entry() const { return *m_entry; }

    // Reads the entry's list file from the program folder and sorts its lines
    // once. Anything but SharedRead::Read says why the file was not read (a
    // missing or too large file among them): the lines then stay as they were.
    [[nodiscard]] SharedRead load();

    const QStringList& lines() const { return m_lines; }

    // A price list takes the name and the price as one price-list line (the
    // name in 50 columns, the price in 12, both trimmed, longer ones cut); the
    // table list takes the trimmed name and no price. The line goes to its
    // place in ListOrder, after the lines equal to it.
    ListAddition add(const QString& name, const QString& price = QString());

    // False when there is no such row.
    bool removeAt(qsizetype row);

    // The lines let go on a worker thread.
    void clear();

    // Writes the lines, in order, over the entry's list file. When another
    // station saved the list since it was loaded, writes that list with this
    // document's additions and removals applied instead (MergeListChanges),
    // so that neither station's changes are lost; the document then holds
    // the lines saved. On failure, why it was not saved; the previous file
    // then stays whole.
    Result<void> save();

private:
    const CatalogueEntry* m_entry;
    QStringList m_lines;
    QStringList m_loaded;           // the lines as loaded, what this document's changes are from
    bool m_loadedUntrimmed = false; // as saved: trimmed as a reader takes them when needed
    FileStamp m_loadedStamp;
};

// A price-list line taken apart as every reader of the file takes it: the
// name is the first 50 characters, the price the 12 characters from column 55
// on (as many as the line has), both trimmed.
struct PriceListItem {
    QString name;
    QString price;
};
PriceListItem SplitPriceListLine(const QString& line);
