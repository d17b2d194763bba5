#pragma once

// Files as the tests look at them: raw bytes in and out, the entries of a
// folder, the read-only mark, and targets a save must fail on.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The owner's write bit cleared is the program's read-only mark, which holds
// even when the tests run as root.
inline bool MakeReadOnly(const QString& path) {
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

// A target named `name` in `dir` that a save must refuse: "folder" (a folder
// stands there), "missing folder" (its folder does not exist) or "read-only"
// (a read-only file holding `before`). Returns the target's path.
inline QString FailingTarget(const QTemporaryDir& dir, const QString& name, const QString& failure,
                             const QByteArray& before) {
    if (failure == QStringLiteral("folder")) {
        QDir(dir.path()).mkdir(name);
        return dir.filePath(name);
    }
    if (failure == QStringLiteral("missing folder"))
        return dir.filePath(QStringLiteral("nowhere/") + name);
    const QString path = dir.filePath(name);
    WriteBytes(path, before);
    MakeReadOnly(path);
    return path;
}

// After a refused save: the folder, the missing folder or the read-only file
// is as it was, and no temporary file is left beside it.
inline bool TargetUntouched(const QTemporaryDir& dir, const QString& path, const QString& failure,
                            const QByteArray& before) {
    const int files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size();
    if (failure == QStringLiteral("folder"))
        return QFileInfo(path).isDir() && files == 0;
    if (failure == QStringLiteral("missing folder"))
        return !QFileInfo::exists(QFileInfo(path).path()) && files == 0;
    return ReadBytes(path) == before && files == 1;
}
