#include "platform/AtomicSave.h"

#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// QSaveFile does not fit the shared folder: it always replaces (a ticket's
// first save must not), names its temporary file after the target (so a
// killed save's leftover cannot be told from another program's file), gives
// a new file only what the umask leaves (not the group's write bit) and never
// syncs the folder. The steps below are its own, on the POSIX calls.

namespace {

constexpr char LeftoverPrefix[] = ".~orbisala-";
constexpr char LeftoverSuffix[] = ".tmp";
constexpr int LeftoverRandomLength = 12;
constexpr char RandomAlphabet[] = "abcdefghijklmnopqrstuvwxyz234567";

QString SystemError(int code) {
    return qt_error_string(code);
}

void LogFailure(const char* what, const QByteArray& path, const QString& reason) {
    qWarning("%s %ls: %ls", what,
             qUtf16Printable(QDir::toNativeSeparators(QFile::decodeName(path))),
             qUtf16Printable(reason));
}

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// File systems that cannot sync a folder, or a file, say so with these;
// there is then nothing more a save can do.
bool IsUnsupported(int code) {
    return code == EINVAL || code == ENOSYS || code == ENOTSUP || code == EOPNOTSUPP ||
           code == EROFS;
}

// Makes the folder's entries durable: the renamed or removed name is on the
// disk, not only in the cache. A failure here leaves the file in place with
// its durability unknown; it is logged, and the save still counts as done,
// since the new file is what every station now reads (a save reported failed
// would be repeated, and a ticket saved twice).
void SyncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        LogFailure("Cannot sync the folder", folder, SystemError(errno));
        return;
    }
    if (::fsync(fd) != 0 && !IsUnsupported(errno))
        LogFailure("Cannot sync the folder", folder, SystemError(errno));
    ::close(fd);
}

// Group members write the files of a folder the group shares.
bool IsGroupShared(const QByteArray& folder) {
    struct stat info;
    return ::stat(folder.constData(), &info) == 0 && (info.st_mode & (S_ISGID | S_IWGRP));
}

QByteArray LeftoverName() {
    QByteArray name(LeftoverPrefix);
    QRandomGenerator* random = QRandomGenerator::system();
    for (int i = 0; i < LeftoverRandomLength; ++i)
        name += RandomAlphabet[random->bounded(int(sizeof(RandomAlphabet) - 1))];
    return name + LeftoverSuffix;
}

// The content written to a new temporary file of the folder, synced and
// closed, with its final mode: the given one, or what the umask leaves,
// with the group's read and write bits in a group-shared folder.
struct TemporaryFile {
    QByteArray path;

    Result<void> write(const QByteArray& folder, const QByteArray& bytes,
                       std::optional<mode_t> mode, std::optional<gid_t> group) {
        int fd = -1;
        for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
            path = folder + '/' + LeftoverName();
            fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                        0666);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0) {
            const int code = errno;
            path.clear();
            return Failure{SystemError(code)};
        }
        Result<void> written;
        {
            QFile file;
            // Unbuffered: every write reaches the file and reports its own
            // failure (a full disk, a size limit).
            if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                           QFileDevice::DontCloseHandle))
                written = Failure{file.errorString()};
            else
                written = WriteWholeBytes(file, bytes);
        }
        if (written && ::fsync(fd) != 0 && !IsUnsupported(errno))
            written = Failure{SystemError(errno)};
        if (written) {
            struct stat info;
            mode_t finalMode =
                mode ? *mode : (::fstat(fd, &info) == 0 ? info.st_mode & 07777 : 0644);
            if (IsGroupShared(folder))
                finalMode |= S_IRGRP | S_IWGRP;
            // Best effort: a share may keep its own modes and groups.
            if (group)
                (void)::fchown(fd, uid_t(-1), *group);
            (void)::fchmod(fd, finalMode);
        }
        // Network file systems report a failed write-back at the latest here.
        if (::close(fd) != 0 && written && errno != EINTR)
            written = Failure{SystemError(errno)};
        if (!written)
            discard();
        return written;
    }

    void discard() {
        if (!path.isEmpty())
            ::unlink(path.constData());
        path.clear();
    }
};

// The file a path stands for: a symbolic link's target when it has one,
// also when that file is not there yet (an administrator's link to where the
// file is to be).
QByteArray ResolvedTarget(const QByteArray& path) {
    struct stat info;
    if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    if (char* resolved = ::realpath(path.constData(), nullptr)) {
        QByteArray target(resolved);
        std::free(resolved);
        return target;
    }
    QByteArray target(4096, '\0');
    const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
    if (length <= 0 || length >= target.size())
        return path;
    target.truncate(length);
    return target.startsWith('/') ? target : FolderOf(path) + '/' + target;
}

Result<void> ReplaceFile(const QByteArray& target, const QByteArray& bytes) {
    std::optional<mode_t> mode;
    std::optional<gid_t> group;
    struct stat info;
    if (::stat(target.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return Failure{u"Not a regular file"_s};
        // The owner's write bit stands for the read-only attribute; the
        // rename would otherwise replace a file made read-only on purpose.
        // Whether this account may write the file itself does not matter:
        // the replace needs the folder, as it does on every station.
        if (!(info.st_mode & S_IWUSR))
            return Failure{u"The file is read-only"_s};
        mode = info.st_mode & 07777;
        group = info.st_gid;
    }
    const QByteArray folder = FolderOf(target);
    TemporaryFile temporary;
    if (Result<void> written = temporary.write(folder, bytes, mode, group); !written)
        return written;
    if (::rename(temporary.path.constData(), target.constData()) != 0) {
        const int code = errno;
        temporary.discard();
        return Failure{SystemError(code)};
    }
    SyncFolder(folder);
    return {};
}

// Moves the temporary file to a name nobody has, or says the name is taken.
// The kernel's no-replace rename where the file system has one; else a hard
// link, which fails on a taken name as well; else, on shares that have
// neither, the name is first claimed by an exclusive create (readers then
// briefly see an empty file, which no ticket is) and the content renamed
// over the claim.
CreateOutcome PlaceUnderNewName(TemporaryFile& temporary, const QByteArray& target, int* code) {
    const char* from = temporary.path.constData();
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
        temporary.path.clear();
        return CreateOutcome::Created;
    }
    if (errno == EEXIST)
        return CreateOutcome::NameTaken;
    if (!IsUnsupported(errno)) {
        *code = errno;
        return CreateOutcome::Failed;
    }
    if (::link(from, target.constData()) == 0) {
        temporary.discard();
        return CreateOutcome::Created;
    }
    if (errno == EEXIST)
        return CreateOutcome::NameTaken;
    if (!IsUnsupported(errno) && errno != EPERM && errno != EMLINK) {
        *code = errno;
        return CreateOutcome::Failed;
    }
    const int claim = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (claim < 0) {
        if (errno == EEXIST)
            return CreateOutcome::NameTaken;
        *code = errno;
        return CreateOutcome::Failed;
    }
    ::close(claim);
    if (::rename(from, target.constData()) != 0) {
        *code = errno;
        // Such a share may carry the rename out as a deletion and a rename:
        // in between, another station can take the name. Only the empty
        // claim, which no ticket is, goes.
        struct stat info;
        if (::lstat(target.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0)
            ::unlink(target.constData());
        return CreateOutcome::Failed;
    }
    temporary.path.clear();
    return CreateOutcome::Created;
}

} // namespace

Result<void> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = ResolvedTarget(QFile::encodeName(path));
    Result<void> saved = ReplaceFile(target, bytes);
    if (!saved)
        LogFailure("Cannot save", QFile::encodeName(path), saved.error());
    return saved;
}

CreateOutcome CreateFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    const QByteArray target = QFile::encodeName(path);
    const auto fail = [&](const QString& reason) {
        LogFailure("Cannot save", target, reason);
        if (error)
            *error = reason;
        return CreateOutcome::Failed;
    };
    struct stat info;
    if (::lstat(target.constData(), &info) == 0)
        return CreateOutcome::NameTaken;
    const QByteArray folder = FolderOf(target);
    TemporaryFile temporary;
    if (const Result<void> written = temporary.write(folder, bytes, {}, {}); !written)
        return fail(written.error());
    int code = 0;
    const CreateOutcome outcome = PlaceUnderNewName(temporary, target, &code);
    temporary.discard();
    if (outcome == CreateOutcome::Failed)
        return fail(SystemError(code));
    if (outcome == CreateOutcome::Created)
        SyncFolder(folder);
    return outcome;
}

bool RemoveFileDurably(const QByteArray& target) {
    if (::unlink(target.constData()) != 0)
        return false;
    SyncFolder(FolderOf(target));
    return true;
}

bool IsSaveLeftoverName(const char* name) {
    const size_t prefix = sizeof(LeftoverPrefix) - 1;
    const size_t suffix = sizeof(LeftoverSuffix) - 1;
    if (std::strlen(name) != prefix + LeftoverRandomLength + suffix ||
        std::strncmp(name, LeftoverPrefix, prefix) != 0 ||
        std::strcmp(name + prefix + LeftoverRandomLength, LeftoverSuffix) != 0)
        return false;
    for (int i = 0; i < LeftoverRandomLength; ++i)
        if (!std::strchr(RandomAlphabet, name[prefix + i]))
            return false;
    return true;
}

void RemoveStaleSaveLeftover(int folderFd, const char* name) {
    if (!IsSaveLeftoverName(name))
        return;
    struct stat info;
    if (::fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
        return;
    if (std::time(nullptr) - info.st_mtime < SaveLeftoverAgeSeconds)
        return;
    ::unlinkat(folderFd, name, 0);
}
