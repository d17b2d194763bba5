#include <QtTest>
class Testoutput : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(Testoutput)
#include "test_output.moc"
