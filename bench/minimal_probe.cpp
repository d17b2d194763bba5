// The floor of the start-up and memory figures: a minimal Qt Widgets program
// showing one label, started and ended the same way as the start-up probe.
// It prints its peak resident memory in kilobytes.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Orbisala"));
    label.show();
    QTimer::singleShot(0, [] { QApplication::quit(); });
    const int code = QApplication::exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return code;
}
