// SPDX-License-Identifier: GPL-3.0-or-later
// The light tree's claim on the processor: raised while the tree is open, given back when it
// closes. What the machine grants is told by the caller: EXPECTED_PRIORITY, as ThreadPriority()
// reads it, and EXPECTED_GRANT, how it came. On Linux ctest runs it as root, where the loop sets the
// level itself, and e2e/realtimekit.sh as an ordinary user beside a real RealtimeKit daemon; on
// Windows as any user.

#include "light_tree_loop.h"
#include "light_tree_window.h"
#include "thread_priority.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

class LoopPriorityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void priorityIsRaisedWhileTheTreeIsOpen() {
        const QString expected = qEnvironmentVariable("EXPECTED_PRIORITY");
        QVERIFY2(!expected.isEmpty(), "EXPECTED_PRIORITY names the priority this machine grants");
        const QString before = ThreadPriority();
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        LightTreeLoop loop(window, 16.1108f);
        QString during = before;
        QTimer::singleShot(0, window, [&] {
            during = ThreadPriority();
            window->close();
        });
        loop.Run();

        QCOMPARE(during, expected);
        QVERIFY2(loop.priorityGranted().endsWith(qEnvironmentVariable("EXPECTED_GRANT")),
                 qPrintable(loop.priorityGranted()));
        QCOMPARE(ThreadPriority(), before);
    }
};

QTEST_MAIN(LoopPriorityTest)
#include "loop_priority_test.moc"
