// Build-time helper: writes the password store that the installation puts
// beside the program, holding the initial password.
#include "access/PasswordStore.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_password_store <path of unins000.dll>\n");
        return 2;
    }
    QFile store(QString::fromLocal8Bit(argv[1]));
    const QByteArray content = PasswordStoreContent(QStringLiteral("bruschettavolo"));
    if (!store.open(QIODevice::WriteOnly) || store.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
