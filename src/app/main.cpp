// The program block: builds the application and runs it.
#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::puts("Orbisala: the windows are not part of this build yet.");
    return 0;
}
