#pragma once

// The test side of the model's seams, for tests that link the model alone:
// each scope installs its hook for its own lifetime and puts back whatever
// was there before, so that scopes nest.
//
//   DesktopRecorder     texts handed to the desktop by TMisc::Open
//   FixedClock          "now" fixed at a moment
//   ProgramFolderScope  the program folder: a fresh temporary one, or a given one

#include "platform/Clock.h"
#include "platform/OpenURL.h"
#include "platform/ProgramFolder.h"

#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class DesktopRecorder {
public:
    DesktopRecorder()
        : m_previous(TMisc::setOpenHook([this](const QString& text) { opened.append(text); })) {}
    ~DesktopRecorder() { TMisc::setOpenHook(std::move(m_previous)); }
    Q_DISABLE_COPY_MOVE(DesktopRecorder)

    QStringList opened; // the texts given to TMisc::Open, in order

private:
    TMisc::Hook m_previous;
};

class FixedClock {
public:
    explicit FixedClock(const QDateTime& moment) : m_previous(SetFixedDateTime(moment)) {}
    ~FixedClock() { SetFixedDateTime(m_previous); }
    Q_DISABLE_COPY_MOVE(FixedClock)

private:
    QDateTime m_previous;
};

// path() and filePath() name the folder as QTemporaryDir does, without the
// trailing separator that ProgramFolder() adds.
class ProgramFolderScope {
public:
    // A fresh temporary folder, removed with the scope. Without one the tests
    // would write into the real program folder: they stop at once instead.
    ProgramFolderScope() : m_owned(std::make_unique<QTemporaryDir>()) {
        if (!m_owned->isValid())
            qFatal("cannot create a temporary program folder");
        m_path = m_owned->path();
        m_previous = SetProgramFolder(m_path);
    }
    // A folder the test made (or one that does not exist).
    explicit ProgramFolderScope(const QString& folder)
        : m_path(folder), m_previous(SetProgramFolder(folder)) {}
    ~ProgramFolderScope() { SetProgramFolder(m_previous); }
    Q_DISABLE_COPY_MOVE(ProgramFolderScope)

    QString path() const { return m_path; }
    QString filePath(const QString& name) const { return QDir(m_path).filePath(name); }

private:
    std::unique_ptr<QTemporaryDir> m_owned;
    QString m_path;
    QString m_previous;
};
