#include <QtTest>
class Testarchive : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(Testarchive)
#include "test_archive.moc"
