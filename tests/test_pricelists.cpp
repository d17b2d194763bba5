#include <QtTest>
class Testpricelists : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(Testpricelists)
#include "test_pricelists.moc"
