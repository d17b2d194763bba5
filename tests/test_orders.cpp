#include <QtTest>
class Testorders : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(Testorders)
#include "test_orders.moc"
