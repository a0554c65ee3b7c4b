// How often a long job is let repaint.
#include "app/repaint_throttle.h"

#include <QtTest>

using kinmora::RepaintThrottle;

class RepaintThrottleTest : public QObject {
    Q_OBJECT

private slots:
    void firstCallAndThenOncePerInterval();
};

void RepaintThrottleTest::firstCallAndThenOncePerInterval() {
    RepaintThrottle throttle(std::chrono::milliseconds(100));
    QVERIFY(throttle.due());
    int more = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 80) more += throttle.due();
    QCOMPARE(more, 0);
    QTest::qWait(40);
    QVERIFY(throttle.due());
    QVERIFY(!throttle.due());
}

QTEST_GUILESS_MAIN(RepaintThrottleTest)
#include "repaint_throttle_test.moc"
