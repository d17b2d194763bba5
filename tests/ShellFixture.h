#pragma once

// What every GUI flow test of the shell starts from: a fresh program folder
// holding the initial password store, recorded message boxes, dialogs and
// desktop hand-offs, and the kept windows created as at start-up.

#include "access/PasswordStore.h"
#include "app/OpenURL.h"
#include "app/ProgramFolder.h"
#include "app/Shell.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalDialogs.h"

#include <QDialog>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <functional>
#include <memory>

struct RecordedMessage {
    MessageKind kind;
    QString text;
};

class ShellFixture {
public:
    ShellFixture() {
        SetProgramFolder(folder.path());
        writeStore(PasswordStoreContent(QStringLiteral("bruschettavolo")));
        SetMessageHook([this](MessageKind kind, const QString& text) {
            messages.append({kind, text});
            return true;
        });
        SetModalHook([this](QDialog* dialog) {
            dialogs.append(dialog->objectName());
            if (onDialog)
                onDialog(dialog);
        });
        TMisc::SetOpenHook([this](const QString& text) { opened.append(text); });
        SetEndProgramHook([this] { ++programEnds; });
        CreateWindows();
    }

    ~ShellFixture() {
        DestroyWindows();
        SetMessageHook({});
        SetModalHook({});
        TMisc::SetOpenHook({});
        SetEndProgramHook({});
        SetProgramFolder({});
    }

    void writeStore(const QByteArray& content) {
        QFile store(PasswordStorePath());
        store.open(QIODevice::WriteOnly);
        store.write(content);
    }

    QTemporaryDir folder;
    QVector<RecordedMessage> messages;
    QStringList dialogs;                    // object names of the dialogs shown, in order
    std::function<void(QDialog*)> onDialog; // drives a dialog while it is shown
    QStringList opened;                     // texts handed to the desktop
    int programEnds = 0;
};
