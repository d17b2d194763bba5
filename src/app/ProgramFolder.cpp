#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& OverrideFolder() {
    static QString folder;
    return folder;
}

QString WithSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
} // namespace

QString ProgramFolder() {
    if (!OverrideFolder().isEmpty())
        return OverrideFolder();
    static const QString programFolder = WithSeparator(QCoreApplication::applicationDirPath());
    return programFolder;
}

void SetProgramFolder(const QString& folder) {
    OverrideFolder() = folder.isEmpty() ? QString() : WithSeparator(QDir::cleanPath(folder));
}
