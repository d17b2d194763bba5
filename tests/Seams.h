#pragma once

// The test side of the program's seams: each recorder installs its hook for
// its own lifetime and puts back whatever hook was there before, so that
// recorders nest (a test may narrow what a fixture installed).
//
//   MessageRecorder     message boxes: kind and text, scripted confirmations
//   ModalRecorder       modal dialogs: object names, driven by a function
//   PrintRecorder       reports handed to the printer: name and pages
//   ProgramEndRecorder  calls to EndProgram
//
// and, from ModelSeams.h, the desktop, the clock and the program folder.

#include "ModelSeams.h"
#include "TestStep.h"

#include "app/Shell.h"
#include "output/PrintSummary.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ModalDialogs.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>
#include <QTest>
#include <QVector>

#include <functional>

struct RecordedMessage {
    MessageKind kind;
    QString text;
};

class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(SetMessageHook([this](MessageKind kind, const QString& text) {
              shown.append({kind, text});
              if (kind != MessageKind::Confirm || answers.isEmpty())
                  return true;
              return answers.dequeue();
          })) {}
    ~MessageRecorder() { SetMessageHook(std::move(m_previous)); }
    Q_DISABLE_COPY_MOVE(MessageRecorder)

    QVector<RecordedMessage> shown; // every message, in order
    QQueue<bool> answers;           // for the next confirmations (true: Yes); Yes once used up

private:
    MessageHook m_previous;
};

// Every dialog shown modally reaches `driver` while it shows, nested ones too
// (a driver may open another dialog, or set `driver` for the next one).
// ShowModal closes a dialog its driver left open. Once a check inside a
// driver has failed the recorder drives no further dialog; it remembers the
// failure for the helper that opened the dialog, and the test stops at its
// TEST_STEP.
class ModalRecorder {
public:
    using Driver = std::function<void(QDialog* dialog)>;

    explicit ModalRecorder(Driver first = {})
        : driver(std::move(first)), m_previous(SetModalHook([this](QDialog* dialog) {
              shown.append(dialog->objectName());
              if (!driver || m_driverFailed)
                  return;
              const bool failedBefore = QTest::currentTestFailed();
              const Driver drive = driver; // the driver may replace itself
              drive(dialog);
              if (!failedBefore && QTest::currentTestFailed())
                  m_driverFailed = true;
          })) {}
    ~ModalRecorder() { SetModalHook(std::move(m_previous)); }
    Q_DISABLE_COPY_MOVE(ModalRecorder)

    bool driverFailed() const { return m_driverFailed; }

    Driver driver;
    QStringList shown; // object names of the dialogs, in the order shown

private:
    bool m_driverFailed = false;
    ModalHook m_previous;
};

struct PrintedReport {
    QString name;
    QVector<ReportPage> pages;
};

class PrintRecorder {
public:
    PrintRecorder()
        : m_previous(SetPrintHook([this](const QString& name, const QVector<ReportPage>& pages) {
              printed.append({name, pages});
          })) {}
    ~PrintRecorder() { SetPrintHook(std::move(m_previous)); }
    Q_DISABLE_COPY_MOVE(PrintRecorder)

    QVector<PrintedReport> printed; // in the order printed

private:
    PrintHook m_previous;
};

class ProgramEndRecorder {
public:
    ProgramEndRecorder() : m_previous(SetEndProgramHook([this] { ++count; })) {}
    ~ProgramEndRecorder() { SetEndProgramHook(std::move(m_previous)); }
    Q_DISABLE_COPY_MOVE(ProgramEndRecorder)

    int count = 0; // calls to EndProgram

private:
    std::function<void()> m_previous;
};
