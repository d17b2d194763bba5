#include "tickets/ArchiveFollower.h"

#include "tickets/OrderArchive.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QHash>
#include <QTimer>

namespace {

// Reported changes within this time make one look at the folder.
constexpr int SettleMs = 150;
// Where nothing is reported: the folder's attributes are looked at this
// often, so that a new ticket shows within a second...
constexpr int PollMs = 300;
// ...and its entries listed at least every this many looks, for a server
// that keeps a folder's attributes when its entries change.
constexpr int ListEveryLooks = 10;

} // namespace

ArchiveChange CompareArchiveNames(const ArchiveNames& before, ArchiveNames now) {
    ArchiveChange change;
    if (before == now) {
        change.names = std::move(now);
        return change;
    }
    // Counted by their bytes, which both lists hold in blocks that outlive
    // the counts: no name is copied.
    QHash<QByteArrayView, int> countBefore;
    countBefore.reserve(before.size());
    for (qsizetype row = 0; row < before.size(); ++row)
        ++countBefore[before.file(row)];
    QHash<QByteArrayView, int> countNow;
    countNow.reserve(now.size());
    for (qsizetype row = 0; row < now.size(); ++row)
        ++countNow[now.file(row)];
    for (qsizetype row = 0; row < before.size(); ++row) {
        auto at = countNow.find(before.file(row));
        if (at == countNow.end() || at.value() == 0)
            change.gone.append(int(row));
        else
            --at.value();
    }
    for (qsizetype row = 0; row < now.size(); ++row) {
        auto at = countBefore.find(now.file(row));
        if (at == countBefore.end() || at.value() == 0)
            change.added.append(int(row));
        else
            --at.value();
    }
    change.names = std::move(now);
    return change;
}

ArchiveFollower::ArchiveFollower(QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)), m_settle(new QTimer(this)),
      m_poll(new QTimer(this)) {
    m_pool.setMaxThreadCount(1);
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    m_poll->setInterval(PollMs);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (m_following)
            m_settle->start();
    });
    connect(m_settle, &QTimer::timeout, this, [this] { look(true); });
    connect(m_poll, &QTimer::timeout, this, [this] { look(false); });
}

ArchiveFollower::~ArchiveFollower() {
    m_pool.waitForDone();
}

void ArchiveFollower::start(const QString& folder, const ArchiveNames& shown) {
    stop();
    m_stamp = StampOfFolder(folder);
    // The watch kept from the last showing holds while it is on this very
    // folder: one put in the place of the watched one while hidden is
    // watched anew.
    if (folder != m_folder || m_stamp.device != m_watched.device ||
        m_stamp.inode != m_watched.inode)
        unwatchFolder();
    m_folder = folder;
    m_following = true;
    rebase(shown);
    watchFolder();
    m_poll->start();
}

void ArchiveFollower::rebase(const ArchiveNames& shown) {
    m_shown = shown;
    ++m_generation;
}

void ArchiveFollower::stop() {
    m_following = false;
    ++m_generation; // a look still running is dropped when it ends
    m_settle->stop();
    m_poll->stop();
    // The folder stays watched, its reports unheeded until the next start:
    // watching a folder makes the system go through every entry it holds
    // in memory, a frame's time at two hundred thousand tickets.
    m_again = m_againListing = false;
}

void ArchiveFollower::unwatchFolder() {
    if (const QStringList watched = m_watcher->directories(); !watched.isEmpty())
        m_watcher->removePaths(watched);
}

void ArchiveFollower::watchFolder() {
    // A folder that was removed is no longer watched: it is watched again
    // once it is back. Where nothing is reported, the looks do all the work.
    m_reported = KernelReportsFolderChanges(m_folder);
    if (m_reported && m_watcher->directories().isEmpty() &&
        m_watcher->addPath(QDir(m_folder).absolutePath()))
        m_watched = m_stamp;
}

void ArchiveFollower::look(bool listAnyway) {
    if (!m_following)
        return;
    if (m_running) {
        m_again = true;
        m_againListing = m_againListing || listAnyway;
        return;
    }
    // Where changes are reported, the looks only find a folder that went
    // or came back; elsewhere the entries are listed now and then anyway.
    if (!listAnyway && !m_reported && ++m_unlistedLooks >= ListEveryLooks)
        listAnyway = true;
    if (listAnyway)
        m_unlistedLooks = 0;
    m_running = true;
    const int generation = m_generation;
    const QString folder = m_folder;
    const ArchiveNames before = m_shown;
    const FileStamp last = m_stamp;
    m_pool.start([this, generation, folder, before, last, listAnyway] {
        const FileStamp stamp = StampOfFolder(folder);
        // Some shares give a folder no time at all: it is then listed at
        // every look.
        const bool listing = listAnyway || stamp != last || stamp.modifiedSeconds == 0;
        ArchiveChange change;
        if (listing)
            change = CompareArchiveNames(before,
                                         stamp.exists ? ListArchiveNames(folder) : ArchiveNames());
        QMetaObject::invokeMethod(
            this,
            [this, generation, stamp, listing, change] {
                passDone(generation, stamp, listing, change);
            },
            Qt::QueuedConnection);
    });
}

void ArchiveFollower::passDone(int generation, const FileStamp& stamp, bool listed,
                               const ArchiveChange& change) {
    m_running = false;
    const bool current = m_following && generation == m_generation;
    if (current) {
        // A folder that went and came back is another folder: watched anew.
        const bool another = stamp.exists != m_stamp.exists || stamp.device != m_stamp.device ||
                             stamp.inode != m_stamp.inode;
        m_stamp = stamp;
        if (another) {
            unwatchFolder();
            if (stamp.exists)
                watchFolder();
        }
        if (listed && (!change.gone.isEmpty() || !change.added.isEmpty())) {
            m_shown = change.names;
            emit changed(change);
        }
    }
    if (!m_following)
        return;
    if (m_again || !current) {
        const bool listing = m_againListing || !current;
        m_again = m_againListing = false;
        look(listing);
    }
}
