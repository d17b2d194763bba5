// Renders a window of the program to a PNG file without a display, in a
// temporary program folder holding the initial password store:
//   screenshot <class name> <file.png>
//   screenshot all <folder>        (every window it knows)
#include "access/PasswordStore.h"
#include "app/KeptWindow.h"
#include "app/ProgramFolder.h"
#include "app/Shell.h"
#include "help/HelpWindows.h"
#include "platform/ModalDialogs.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuListini.h"
#include "app/MenuOrdinazioni.h"
#include "archive/ApriOrdinazioni.h"
#include "orders/Ordinazioni.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

bool Save(QWidget* window, const QString& file) {
    QApplication::processEvents();
    const bool saved = window->grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

// Kept windows are drawn at their client size, as they open on a
// 1024 x 768 screen; dialogs as their opener shows them.
QMap<QString, std::function<QWidget*()>> KeptWindowsByName() {
    return {
        {QStringLiteral("TfrmPassword"), [] { return Kept().Password; }},
        {QStringLiteral("TfrmCambiaPassword"), [] { return Kept().CambiaPassword; }},
        {QStringLiteral("TfrmAvvio"), [] { return Kept().Avvio; }},
        {QStringLiteral("TfrmMenuListini"), [] { return Kept().MenuListini; }},
        {QStringLiteral("TfrmMenuOrdinazioni"), [] { return Kept().MenuOrdinazioni; }},
        {QStringLiteral("TfrmOrdinazioni"), [] { return Kept().Ordinazioni; }},
        {QStringLiteral("TfrmApriOrdinazioni"), [] { return Kept().ApriOrdinazioni; }},
    };
}

QMap<QString, std::function<void()>> DialogOpeners() {
    return {
        {QStringLiteral("TfrmGuida"), [] { OpenHelpTopic(Kept().Avvio, HelpTopic::Overview); }},
        {QStringLiteral("TfrmInfo"), [] { OpenInfo(Kept().Avvio); }},
        {QStringLiteral("TfrmSplash"), [] { OpenSplash(Kept().Avvio); }},
    };
}

bool Render(const QString& className, const QString& file) {
    const auto kept = KeptWindowsByName();
    if (const auto it = kept.find(className); it != kept.end()) {
        QWidget* window = it.value()();
        if (window->minimumSize() != window->maximumSize())
            window->resize(KeptWindow::WorkingSize);
        window->show();
        const bool saved = Save(window, file);
        window->hide();
        return saved;
    }
    const auto openers = DialogOpeners();
    if (const auto it = openers.find(className); it != openers.end()) {
        bool saved = false;
        SetModalHook([&](QDialog* dialog) {
            if (dialog->objectName() == className)
                saved = Save(dialog, file);
            dialog->reject();
        });
        Kept().Avvio->show();
        it.value()();
        Kept().Avvio->hide();
        SetModalHook({});
        return saved;
    }
    std::fprintf(stderr, "unknown window: %s\n", qPrintable(className));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot <class name>|all <file.png>|<folder>\n");
        return 2;
    }
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    QFile store(PasswordStorePath());
    if (store.open(QIODevice::WriteOnly))
        store.write(PasswordStoreContent(QStringLiteral("bruschettavolo")));
    store.close();

    CreateWindows();
    Kept().Password->hide();
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    if (what == u"all") {
        QDir().mkpath(target);
        for (const QString& name : KeptWindowsByName().keys() + DialogOpeners().keys())
            ok = Render(name, QDir(target).filePath(name + QStringLiteral(".png"))) && ok;
    } else {
        ok = Render(what, target);
    }
    DestroyWindows();
    return ok ? 0 : 1;
}
