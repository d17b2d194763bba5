#include <QtTest>
class Testplatform : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(Testplatform)
#include "test_platform.moc"
