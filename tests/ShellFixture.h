#pragma once

// What every GUI flow test of the shell starts from: a fresh program folder
// holding the initial password store, recorded message boxes, dialogs,
// desktop hand-offs and program ends, and the kept windows created as at
// start-up. The recorders are those of Seams.h; the fixture names what they
// hold.

#include "Seams.h"
#include "TestFiles.h"

#include "access/PasswordStore.h"
#include "app/Shell.h"

#include <QTest>

class ShellFixture {
    // Installed before the windows are created, restored after they are gone.
    ProgramFolderScope m_folder;
    MessageRecorder m_messages;
    ModalRecorder m_dialogs;
    DesktopRecorder m_desktop;
    ProgramEndRecorder m_ends;

public:
    ShellFixture() {
        if (!writeStore(PasswordStoreContent(QStringLiteral("bruschettavolo"))))
            QTest::qFail("cannot write the password store", __FILE__, __LINE__);
        CreateWindows();
    }
    ~ShellFixture() { DestroyWindows(); }
    Q_DISABLE_COPY_MOVE(ShellFixture)

    bool writeStore(const QByteArray& content) { return WriteBytes(PasswordStorePath(), content); }

    const ProgramFolderScope& folder = m_folder;
    QVector<RecordedMessage>& messages = m_messages.shown;
    QQueue<bool>& confirmations = m_messages.answers;   // Yes once used up
    QStringList& dialogs = m_dialogs.shown;             // object names, in the order shown
    ModalRecorder::Driver& onDialog = m_dialogs.driver; // works on each dialog while it shows
    QStringList& opened = m_desktop.opened;             // texts handed to the desktop
    int& programEnds = m_ends.count;
};
