// The program block: prepares the process, builds the application and starts
// the program, and runs until the program is ended.
#include "app/Shell.h"

#include <QApplication>

int main(int argc, char** argv) {
    PrepareProcess();
    QApplication application(argc, argv);
    StartProgram();
    const int code = QApplication::exec();
    DestroyWindows();
    return code;
}
