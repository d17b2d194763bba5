#pragma once

#include <QString>

#include <sys/types.h>

// Whether the system tells a program when a folder's entries change. Local
// file systems do (inotify); on network and FUSE file systems (NFS, SMB,
// SSHFS) only the changes made by this machine would be told, so a program
// following a shared folder there must look at the folder itself.
bool KernelReportsFolderChanges(const QString& folder);

// What a look at a folder's own attributes tells of its entries: a folder
// whose stamp is unchanged has, on the usual file systems, the same entries.
struct FolderStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    long long modifiedSeconds = 0;
    long modifiedNanoseconds = 0;
    long long changedSeconds = 0;
    long changedNanoseconds = 0;
    long long size = 0;

    bool operator==(const FolderStamp& other) const;
    bool operator!=(const FolderStamp& other) const { return !(*this == other); }
};

FolderStamp StampOfFolder(const QString& folder);
