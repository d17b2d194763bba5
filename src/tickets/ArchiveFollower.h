#pragma once

#include "platform/FileStamp.h"
#include "tickets/OrderArchive.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QVector>

class QFileSystemWatcher;
class QTimer;

// How the archive's names changed between two looks at the folder.
struct ArchiveChange {
    ArchiveNames names; // the names now, in the archive's order
    QVector<int> gone;  // rows of the names before that are no longer there, ascending
    QVector<int> added; // rows in `names` of the names that were not there, ascending
};

// The names of `before` and `now` compared by their bytes: what went, what
// came.
ArchiveChange CompareArchiveNames(const ArchiveNames& before, ArchiveNames now);

// Follows the archive folder while a window shows its tickets: tickets
// saved or deleted by any station appear as a change, whatever the folder's
// file system. Where the system reports the folder's changes they are
// followed as they come; elsewhere (network and FUSE mounts) the folder's
// own attributes are looked at several times a second, and its entries
// listed again when they changed, or every few seconds in any case. A folder
// removed or renamed away gives an empty list, and its names again when it
// is back.
//
// Every listing runs on a thread of its own, so a change costs the
// user-interface thread only the rows that changed.
class ArchiveFollower : public QObject {
    Q_OBJECT

public:
    explicit ArchiveFollower(QObject* parent = nullptr);
    ~ArchiveFollower() override;

    // Follows `folder` from the names shown now.
    void start(const QString& folder, const ArchiveNames& shown);
    // The window filled its list afresh: later changes are from these names.
    void rebase(const ArchiveNames& shown);
    void stop();

    bool following() const { return m_following; }

signals:
    void changed(const ArchiveChange& change);

private:
    void watchFolder();
    void unwatchFolder();
    void look(bool listAnyway);
    void passDone(int generation, const FileStamp& stamp, bool listed, const ArchiveChange& change);

    QFileSystemWatcher* m_watcher;
    QTimer* m_settle; // gathers a burst of reported changes into one look
    QTimer* m_poll;   // the looks where nothing is reported
    QThreadPool m_pool;

    QString m_folder;
    ArchiveNames m_shown;
    FileStamp m_stamp;
    FileStamp m_watched; // the folder as it was when the watch was put on it
    bool m_following = false;
    bool m_reported = false; // the system reports this folder's changes
    bool m_running = false;
    bool m_again = false; // a look was asked for while one ran
    bool m_againListing = false;
    int m_generation = 0; // bumped whenever m_shown is set from outside
    int m_unlistedLooks = 0;
};
