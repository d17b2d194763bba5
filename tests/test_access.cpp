#include <QtTest>
class Testaccess : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(Testaccess)
#include "test_access.moc"
