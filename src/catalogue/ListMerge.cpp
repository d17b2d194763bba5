#include "catalogue/ListMerge.h"

#include "catalogue/ListFile.h"

#include <QHash>

#include <algorithm>
#include <iterator>

QStringList MergeListChanges(const QStringList& base, const QStringList& ours,
                             const QStringList& theirs) {
    // How many more of each line ours holds than base: above zero added,
    // below zero removed.
    QHash<QString, qsizetype> change;
    change.reserve(ours.size());
    for (const QString& line : ours)
        ++change[line];
    for (const QString& line : base)
        --change[line];

    QStringList added;
    for (const QString& line : ours) {
        auto at = change.find(line);
        if (at != change.end() && at.value() > 0) {
            added.append(line);
            --at.value();
        }
    }
    QStringList kept = theirs;
    kept.removeIf([&change](const QString& line) {
        auto at = change.find(line);
        if (at == change.end() || at.value() >= 0)
            return false;
        ++at.value();
        return true;
    });

    SortByListOrder(kept);
    SortByListOrder(added);
    QStringList merged;
    merged.reserve(kept.size() + added.size());
    // Equal lines: those already in the list first (std::merge takes from
    // the first range on a tie).
    std::merge(kept.cbegin(), kept.cend(), added.cbegin(), added.cend(), std::back_inserter(merged),
               [](const QString& a, const QString& b) { return ListOrder(a, b) < 0; });
    return merged;
}
