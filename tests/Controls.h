#pragma once

// The controls of the windows as the tests find and drive them by their
// object names: a control to use, a click as the user makes it, the text a
// field or a label shows.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>

// A control of the window, for the test to use at once. A window without it
// stops the run with the window's and the control's names, so what comes
// back is never null.
template <typename T> T* Control(const QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (!control)
        qFatal("%s has no control %s", qPrintable(window->objectName()), qPrintable(name));
    return control;
}

// A click in the middle of the control of that name, a button unless told
// otherwise (a picture or a link text is clicked as a QWidget). A window
// without it fails the test; a TEST_STEP around the click stops it there.
template <typename T = QAbstractButton> void Click(QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    QVERIFY2(control,
             qPrintable(QStringLiteral("%1 has no control %2").arg(window->objectName(), name)));
    QTest::mouseClick(control, Qt::LeftButton);
}

inline void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

// The text a control of that type shows; a window without it reads
// "<no name>", which no expected text is, so the comparison fails naming it.
template <typename T> QString ControlText(const QWidget* window, const QString& name) {
    const T* control = window->findChild<T*>(name);
    return control ? control->text() : QStringLiteral("<no %1>").arg(name);
}

inline QString FieldText(const QWidget* window, const QString& name) {
    return ControlText<QLineEdit>(window, name);
}

// Hidden labels included, as the section menus' `lblMemory`.
inline QString LabelText(const QWidget* window, const QString& name) {
    return ControlText<QLabel>(window, name);
}
