// The program block: asks for software drawing, builds the application and
// its kept windows, and runs until the program is ended.
#include "app/Shell.h"
#include "platform/QtItalian.h"

#include <QApplication>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication application(argc, argv);
    // Qt's own dialogs, menus and buttons speak Italian as the windows do.
    LoadQtItalian();
    // Windows are only hidden when they close; the program ends only through
    // the start window or the password window.
    QApplication::setQuitOnLastWindowClosed(false);
    CreateWindows();
    const int code = QApplication::exec();
    DestroyWindows();
    return code;
}
