// Measures the light tree's timing on this machine: runs the real loop on the offscreen platform,
// injects presses into the window, and reports how late each amber and green step comes after its
// 0.5 s and how long an event takes from being posted to its counter reading. Not a test: run it by
// hand (build/dev/bin/vellarin_light_tree_timing [runs]) and put the figures in the README.

#include "light_tree_loop.h"
#include "light_tree_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Report(const char* what, std::vector<double> microseconds) {
    if (microseconds.empty()) {
        return;
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("%-44s %5zu samples, median %8.1f us, worst %8.1f us\n", what, microseconds.size(),
                microseconds[microseconds.size() / 2], microseconds.back());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    QPointer<LightTreeWindow> window = new LightTreeWindow();
    window->show();
    LightTreeLoop loop(window, 16.1108f);

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

    std::printf("%d runs, counter at %lld ticks a second\n", runs,
                static_cast<long long>(CounterFrequency()));
    Report("amber and green steps, after their 0.5 s:", stepLateness);
    Report("presses, from posting to the counter reading:", pressLatency);
    return 0;
}
