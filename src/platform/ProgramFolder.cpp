#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

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

QString SetProgramFolder(const QString& folder) {
    return std::exchange(OverrideFolder(),
                         folder.isEmpty() ? QString() : WithSeparator(QDir::cleanPath(folder)));
}
