#include "catalogue/PriceListDocument.h"

#include "catalogue/ListFile.h"
#include "catalogue/ListMerge.h"
#include "catalogue/PriceText.h"
#include "platform/FileStamp.h"
#include "platform/LetGo.h"
#include "platform/TextTrim.h"
#include "platform/UpdateLock.h"

#include <QDir>

#include <utility>

using namespace Qt::StringLiterals;

PriceListDocument::PriceListDocument(const CatalogueEntry& entry) : m_entry(&entry) {}

SharedRead PriceListDocument::load() {
    const QString path = ListFilePath(*m_entry);
    // Taken before the read: a change made while reading shows as a change.
    const FileStamp stamp = StampOfFile(path);
    QStringList read;
    const SharedRead result = ReadListLines(path, &read);
    if (result != SharedRead::Read)
        return result;
    m_loadedStamp = stamp;
    SortByListOrder(read);
    m_lines = std::move(read);
    m_loaded = m_lines;
    m_loadedUntrimmed = false;
    return SharedRead::Read;
}

void PriceListDocument::clear() {
    LetGoOnWorker(std::exchange(m_lines, QStringList()));
    LetGoOnWorker(std::exchange(m_loaded, QStringList()));
    m_loadedUntrimmed = false;
    m_loadedStamp = {};
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

Result<void> PriceListDocument::save() {
    const QString path = ListFilePath(*m_entry);
    return UnderUpdateLock(path, [&]() -> Result<void> {
        // Read again under the lock: another station may have saved the
        // list since this one was loaded. Its changes stay, and this
        // editor's own are applied to them; with no other change the file
        // is written as the editor has it. On a local disk an unchanged
        // stamp says so without the read; a network client may show a
        // stamp from its cache, so there the list is always read.
        QStringList written = m_lines;
        const bool unchanged = m_loadedStamp.exists && KernelReportsFolderChanges(path) &&
                               StampOfFile(path) == m_loadedStamp;
        if (!unchanged) {
            QStringList now;
            const SharedRead read = ReadListLines(path, &now);
            if (read != SharedRead::Read && read != SharedRead::Missing) {
                const QString reason = u"The list as saved meanwhile cannot be read"_s;
                qWarning("Cannot save %ls: %ls", qUtf16Printable(QDir::toNativeSeparators(path)),
                         qUtf16Printable(reason));
                return Failure{reason};
            }
            SortByListOrder(now);
            if (m_loadedUntrimmed) {
                for (QString& line : m_loaded)
                    line = TrimBlanks(line);
                m_loadedUntrimmed = false;
            }
            if (now != m_loaded)
                written = MergeListChanges(m_loaded, m_lines, now);
        }
        if (Result<void> saved = WriteListFile(path, written); !saved)
            return saved;
        // What is saved, as a reader of the file takes it (trimmed), is what
        // later changes are from: a second save must not take this one for
        // another station's. Trimmed only when a later save needs it: the
        // editor that saves closes at once.
        m_lines = written;
        m_loaded = std::move(written);
        m_loadedUntrimmed = true;
        m_loadedStamp = StampOfFile(path);
        return {};
    });
}

PriceListItem SplitPriceListLine(const QString& line) {
    const qsizetype priceColumn = NameColumnWidth + PriceSeparator.size();
    return {TrimBlanks(TakeLeft(line, NameColumnWidth)),
            TrimBlanks(line.mid(priceColumn, PriceColumnWidth))};
}
