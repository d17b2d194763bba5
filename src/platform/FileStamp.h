#pragma once

// How a program tells that a file or folder of the shared folder changed.

#include <QString>

#include <sys/types.h>

// Whether the system tells a program when a folder's entries change. Local
// file systems do (inotify); on network and FUSE file systems (NFS, SMB,
// SSHFS) only the changes made by this machine would be told, so a program
// following a shared folder there must look at the folder itself.
bool KernelReportsFolderChanges(const QString& folder);

// What a look at a file's or a folder's own attributes tells of its content:
// one whose stamp is unchanged has, on the usual file systems, the same
// content (a folder the same entries). A replace gives a file another inode,
// any write another modification time.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    long long modifiedSeconds = 0;
    long modifiedNanoseconds = 0;
    long long changedSeconds = 0;
    long changedNanoseconds = 0;
    long long size = 0;

    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

FileStamp StampOfFolder(const QString& folder);
// A regular file's, through symbolic links; a missing one's stamp is empty.
FileStamp StampOfFile(const QString& path);
