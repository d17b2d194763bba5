#include "platform/FileStamp.h"

#include <QFile>

#include <sys/stat.h>
#include <sys/vfs.h>

namespace {

// statfs() magic numbers of the file systems whose changes may come from
// another machine.
constexpr unsigned long RemoteFileSystems[] = {
    0x6969,     // NFS
    0x517B,     // SMB
    0xFF534D42, // CIFS
    0xFE534D42, // SMB2
    0x65735546, // FUSE (SSHFS, smbnetfs, ...)
    0x01021997, // 9P
    0x73757245, // Coda
    0x5346414F, // AFS
    0x00C36400, // Ceph
    0x564C,     // NCP
    0x47504653, // GPFS
    0x0BD00BD0, // Lustre
};

} // namespace

bool KernelReportsFolderChanges(const QString& folder) {
    struct statfs info;
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return false; // nothing to be told about a folder that is not there
    for (const unsigned long type : RemoteFileSystems)
        if ((unsigned long)(info.f_type) == type)
            return false;
    return true;
}

bool FileStamp::operator==(const FileStamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           modifiedSeconds == other.modifiedSeconds &&
           modifiedNanoseconds == other.modifiedNanoseconds &&
           changedSeconds == other.changedSeconds &&
           changedNanoseconds == other.changedNanoseconds && size == other.size;
}

namespace {

FileStamp StampOf(const QString& path, mode_t type) {
    FileStamp stamp;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || (info.st_mode & S_IFMT) != type)
        return stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.modifiedSeconds = info.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = info.st_mtim.tv_nsec;
    stamp.changedSeconds = info.st_ctim.tv_sec;
    stamp.changedNanoseconds = info.st_ctim.tv_nsec;
    stamp.size = info.st_size;
    return stamp;
}

} // namespace

FileStamp StampOfFolder(const QString& folder) {
    return StampOf(folder, S_IFDIR);
}

FileStamp StampOfFile(const QString& path) {
    return StampOf(path, S_IFREG);
}
