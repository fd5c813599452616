// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the light tree's timing on this machine: runs the real loop on the offscreen platform,
// injects presses into the window, and reports how late each amber and green step comes after its
// 0.5 s, how long an event takes from being posted to its counter reading, and which priority the
// loop got. Not a test: run it by hand and put the figures in the README.
//   vellarin_light_tree_timing [RUNS] [--busy N] [--no-priority]
// --busy N runs N busy processes beside the tree, as a compile or a browser would; --no-priority
// leaves the loop at the priority it started with.

#include "bench_support.h"
#include "light_tree_loop.h"
#include "light_tree_window.h"

#include <desktop/suite_defaults.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int runs = 50;
    int busyCount = 0;
    bool raisePriority = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--busy") == 0 && i + 1 < argc) {
            busyCount = std::max(0, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--no-priority") == 0) {
            raisePriority = false;
        } else {
            runs = std::max(1, std::atoi(argv[i]));
        }
    }
    const std::vector<pid_t> busy = bench::StartBusy(busyCount);
    QApplication app(argc, argv);
    desktop::InstallSuiteDefaults("Vellarin");
    QApplication::setQuitOnLastWindowClosed(false);

    QPointer<LightTreeWindow> window = new LightTreeWindow();
    window->show();
    LightTreeLoop loop(window, 16.1108f);
    loop.raisePriority = raisePriority;

    std::vector<double> stepLateness;
    std::vector<double> pressLatency;
    std::int64_t posted = 0;
    loop.onStep = [&](double late) { stepLateness.push_back(late * 1e6); };
    loop.onPressRead = [&](std::int64_t reading) {
        pressLatency.push_back(static_cast<double>(reading - posted) * 1e6 / CounterFrequency());
    };

    int finished = 0;
    std::int64_t greenSince = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, window, [&] {
        const int state = loop.sequence().state();
        const bool atGreen = state == vellarin::LightTreeSequence::kGreen;
        if (atGreen && greenSince == 0) {
            greenSince = CounterReading();
        }
        const bool reactNow = atGreen && CounterReading() - greenSince > CounterFrequency() / 5;
        if (state <= 1 || reactNow) {
            if (reactNow) {
                greenSince = 0;
                if (++finished == runs) {
                    driver.stop();
                    QTimer::singleShot(0, window, [&] { window->close(); });
                }
            }
            posted = CounterReading();
            QCoreApplication::postEvent(window,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
        }
    });
    driver.start(10);
    loop.Run();

    bench::StopBusy(busy);
    std::printf("%d runs beside %d busy processes, counter at %lld ticks a second\n", runs, busyCount,
                static_cast<long long>(CounterFrequency()));
    std::printf("loop priority: %s\n",
                raisePriority ? qPrintable(loop.priorityGranted()) : "left as it was (--no-priority)");
    bench::Report("amber and green steps, after their 0.5 s:", stepLateness);
    bench::Report("presses, from posting to the counter reading:", pressLatency);
    return 0;
}
