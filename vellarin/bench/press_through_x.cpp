// SPDX-License-Identifier: GPL-3.0-or-later
// Measures a press along the whole path a racer's key takes: another process sends it with XTest to
// a real X server (an Xvfb of this benchmark's own), the X server hands it to Qt's reader thread,
// and the light tree's loop reads the counter for it. The sender stamps each press with the steady
// clock just before sending it; the steady clock is the same in every process, so the press delay is
// the loop's reading less that stamp. Not a test: run it by hand and put the figures in the README.
//   vellarin_press_through_x [RUNS] [--busy N] [--no-priority] [--one-core]
// --busy N runs N busy processes beside the tree; --one-core pins the X server, the tree and the busy
// processes to the first core; --no-priority leaves the loop at the priority it started with.
// To tell which thread waits, it also reports how long the X server, Qt's reader thread and the loop
// waited for a processor (the kernel's run-queue delay) per press.

#include "bench_support.h"
#include "light_tree_loop.h"
#include "light_tree_window.h"

#include <desktop/suite_defaults.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

void PinToFirstCore() {
    cpu_set_t first;
    CPU_ZERO(&first);
    CPU_SET(0, &first);
    sched_setaffinity(0, sizeof first, &first);
}

// An Xvfb of our own; its display number comes back through -displayfd.
pid_t StartXServer(std::string& display) {
    int fds[2];
    if (pipe(fds) != 0) {
        return -1;
    }
    const pid_t server = fork();
    if (server == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset", "-screen", "0",
               "1024x768x24", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // The number ends with a newline once the server is ready.
    display = ":";
    char digit = 0;
    while (read(fds[0], &digit, 1) == 1 && digit != '\n') {
        display += digit;
    }
    close(fds[0]);
    return digit == '\n' ? server : -1;
}

xcb_keycode_t SpaceKeycode(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection,
        xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count)), nullptr);
    xcb_keycode_t space = 0;
    if (mapping) {
        const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping);
        for (int i = 0; i < count * mapping->keysyms_per_keycode && space == 0; ++i) {
            if (symbols[i] == 0x20) {
                space = static_cast<xcb_keycode_t>(setup->min_keycode + i / mapping->keysyms_per_keycode);
            }
        }
        std::free(mapping);
    }
    return space;
}

// The sender: for each window id it is given, it focuses that window, stamps the steady clock and
// sends a space press and release; the stamps go back when it is told to stop.
[[noreturn]] void RunSender(const std::string& display, int commands, int stamps) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const xcb_keycode_t space = SpaceKeycode(connection);
    std::uint32_t window = 0;
    while (read(commands, &window, sizeof window) == sizeof window) {
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
        xcb_get_input_focus_reply_t* settled =
            xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
        std::free(settled);
        const std::int64_t stamp = CounterReading();
        xcb_test_fake_input(connection, XCB_KEY_PRESS, space, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(connection, XCB_KEY_RELEASE, space, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(connection);
        if (write(stamps, &stamp, sizeof stamp) != sizeof stamp) {
            break;
        }
    }
    xcb_disconnect(connection);
    _exit(0);
}

// Nanoseconds a thread has waited on a run queue, from the kernel's schedstat.
std::int64_t RunQueueWait(const std::string& task) {
    std::ifstream stat("/proc/" + task + "/schedstat");
    long long running = 0;
    long long waiting = 0;
    stat >> running >> waiting;
    return waiting;
}

std::optional<std::string> ThreadNamed(const char* name) {
    DIR* tasks = opendir("/proc/self/task");
    std::optional<std::string> found;
    while (dirent* entry = tasks ? readdir(tasks) : nullptr) {
        std::ifstream comm(std::string("/proc/self/task/") + entry->d_name + "/comm");
        std::string line;
        if (std::getline(comm, line) && line == name) {
            found = std::to_string(getpid()) + "/task/" + entry->d_name;
        }
    }
    if (tasks) {
        closedir(tasks);
    }
    return found;
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 30;
    int busyCount = 0;
    bool raisePriority = true;
    bool oneCore = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--busy") == 0 && i + 1 < argc) {
            busyCount = std::max(0, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--no-priority") == 0) {
            raisePriority = false;
        } else if (std::strcmp(argv[i], "--one-core") == 0) {
            oneCore = true;
        } else {
            runs = std::max(1, std::atoi(argv[i]));
        }
    }
    if (oneCore) {
        PinToFirstCore(); // the X server and the busy processes are forked from here, and inherit it
    }
    // Started first, so that they hold none of the pipes below open.
    const std::vector<pid_t> busy = bench::StartBusy(busyCount);
    std::string display;
    const pid_t server = StartXServer(display);
    if (server < 0) {
        std::fprintf(stderr, "could not start Xvfb\n");
        return 1;
    }
    int commands[2];
    int stamps[2];
    if (pipe(commands) != 0 || pipe(stamps) != 0) {
        return 1;
    }
    const pid_t sender = fork();
    if (sender == 0) {
        // The sender stands for the keyboard: it is not pinned with the rest.
        cpu_set_t all;
        CPU_ZERO(&all);
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
            CPU_SET(cpu, &all);
        }
        sched_setaffinity(0, sizeof all, &all);
        close(commands[1]);
        close(stamps[0]);
        RunSender(display, commands[0], stamps[1]);
    }
    close(commands[0]);
    close(stamps[1]);

    setenv("DISPLAY", display.c_str(), 1);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    desktop::InstallSuiteDefaults("Vellarin");
    QApplication::setQuitOnLastWindowClosed(false);

    QPointer<LightTreeWindow> window = new LightTreeWindow();
    window->show();
    const auto windowId = static_cast<std::uint32_t>(window->winId());
    LightTreeLoop loop(window, 16.1108f);
    loop.raisePriority = raisePriority;

    const std::optional<std::string> reader = ThreadNamed("QXcbEventQueue");
    const std::string loopThread = std::to_string(getpid()) + "/task/" + std::to_string(getpid());
    const std::string serverTask = std::to_string(server);
    std::int64_t waitedBefore[3] = {RunQueueWait(serverTask), reader ? RunQueueWait(*reader) : 0,
                                    RunQueueWait(loopThread)};

    std::vector<double> stepLateness;
    std::vector<std::int64_t> readings;
    std::vector<bool> reactions; // whether each press sent is the one a reaction time is read from
    bool inFlight = false;
    loop.onStep = [&](double late) { stepLateness.push_back(late * 1e6); };
    loop.onPressRead = [&](std::int64_t reading) {
        readings.push_back(reading);
        inFlight = false;
    };

    // Presses as a racer makes them: the two staging presses, then one 200 ms after green.
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
        if (inFlight || !(state <= 1 || reactNow)) {
            return;
        }
        if (reactNow) {
            greenSince = 0;
            if (++finished > runs) {
                driver.stop();
                window->close();
                return;
            }
        }
        inFlight = true;
        reactions.push_back(reactNow);
        if (write(commands[1], &windowId, sizeof windowId) != sizeof windowId) {
            window->close();
        }
    });
    driver.start(10);
    loop.Run();

    const std::int64_t waitedAfter[3] = {RunQueueWait(serverTask), reader ? RunQueueWait(*reader) : 0,
                                         RunQueueWait(loopThread)};
    close(commands[1]);
    std::vector<std::int64_t> sent;
    std::int64_t stamp = 0;
    while (read(stamps[0], &stamp, sizeof stamp) == sizeof stamp) {
        sent.push_back(stamp);
    }
    bench::StopBusy(busy);
    kill(server, SIGTERM);
    waitpid(sender, nullptr, 0);
    waitpid(server, nullptr, 0);

    std::printf("%d runs through Xvfb beside %d busy processes%s\n", runs, busyCount,
                oneCore ? ", the X server, the tree and the busy processes on one core" : "");
    std::printf("loop priority: %s\n",
                raisePriority ? qPrintable(loop.priorityGranted()) : "left as it was (--no-priority)");
    if (sent.size() != readings.size()) {
        std::printf("%zu presses sent but %zu read\n", sent.size(), readings.size());
        return 1;
    }
    // The first press is the first key from XTest's keyboard: the X server announces it as a new
    // keyboard, and Qt reads its key map anew before it hands the key on. A racer meets that once
    // after changing keyboards (typing on one, pressing on a push button), so it is reported apart.
    std::vector<double> firstKey;
    std::vector<double> delays;
    std::vector<double> reactionDelays;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const double delay = static_cast<double>(readings[i] - sent[i]) * 1e6 / CounterFrequency();
        (i == 0 ? firstKey : delays).push_back(delay);
        if (i > 0 && reactions[i]) {
            reactionDelays.push_back(delay);
        }
    }
    bench::Report("amber and green steps, after their 0.5 s:", stepLateness);
    bench::Report("the first press, from a keyboard new to X:", firstKey);
    bench::Report("presses after it, from sending to the reading:", delays);
    bench::Report("of which reactions, 200 ms after green:", reactionDelays);
    const char* names[3] = {"the X server", "Qt's X reader thread", "the loop"};
    for (int i = 0; i < 3; ++i) {
        std::printf("%-22s waited for a processor %8.1f us a press\n", names[i],
                    static_cast<double>(waitedAfter[i] - waitedBefore[i]) / 1e3 /
                        static_cast<double>(std::max<std::size_t>(1, sent.size())));
    }
    return 0;
}
