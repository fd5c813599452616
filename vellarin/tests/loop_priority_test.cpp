// SPDX-License-Identifier: GPL-3.0-or-later
// The light tree's claim on the processor: raised while the tree is open, given back when it
// closes. What the machine grants is told by the caller: EXPECTED_NICE, the level, and
// EXPECTED_GRANT, how it came. ctest runs it as root, where the loop sets the level itself, and
// e2e/realtimekit.sh as an ordinary user beside a real RealtimeKit daemon.

#include "light_tree_loop.h"
#include "light_tree_window.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

int ThreadNice() {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)));
}

} // namespace

class LoopPriorityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void priorityIsRaisedWhileTheTreeIsOpen() {
        bool given = false;
        const int expected = qEnvironmentVariableIntValue("EXPECTED_NICE", &given);
        QVERIFY2(given, "EXPECTED_NICE names the level this machine grants");
        const int before = ThreadNice();
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        LightTreeLoop loop(window, 16.1108f);
        int during = before;
        QTimer::singleShot(0, window, [&] {
            during = ThreadNice();
            window->close();
        });
        loop.Run();

        QCOMPARE(during, expected);
        QVERIFY2(loop.priorityGranted().endsWith(qEnvironmentVariable("EXPECTED_GRANT")),
                 qPrintable(loop.priorityGranted()));
        QCOMPARE(ThreadNice(), before);
    }
};

QTEST_MAIN(LoopPriorityTest)
#include "loop_priority_test.moc"
