// SPDX-License-Identifier: GPL-3.0-or-later
// The light tree under a real X server with real input: xdotool types and clicks into the window
// while the real loop runs. Started by ctest under xvfb-run.
//
// Each input is sent once the tree shows what the one before it did, so a busy machine only makes
// the run slower. Where an input must change nothing, a pointer move to a fresh point follows it:
// X delivers events in the order they were made, so once that move has arrived the input before it
// has been handled.

#include "light_tree_loop.h"
#include "light_tree_window.h"

#include <suite/test_main.h>

#include <QDeadlineTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <functional>

namespace {

void Xdotool(const QStringList& arguments) {
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}

// Steps taken in turn from the loop's own event polling, each once its condition holds. A condition
// that does not come within 30 s closes the window and names the step.
class Steps : public QObject {
public:
    struct Step {
        const char* awaited;
        std::function<bool()> until;
        std::function<void()> then;
    };

    Steps(QWidget* window, std::deque<Step> steps)
        : m_window(window)
        , m_steps(std::move(steps)) {
        connect(&m_timer, &QTimer::timeout, this, &Steps::Poll);
        m_timer.start(1);
    }
    QString failure;

private:
    void Poll() {
        if (m_steps.empty() || !m_window) {
            return;
        }
        if (m_steps.front().until()) {
            const Step step = m_steps.front();
            m_steps.pop_front();
            m_deadline = QDeadlineTimer(30000);
            step.then();
        } else if (m_deadline.hasExpired()) {
            failure = QStringLiteral("waited in vain for ") + QLatin1String(m_steps.front().awaited);
            m_steps.clear();
            m_window->close();
        }
    }

    QPointer<QWidget> m_window;
    std::deque<Step> m_steps;
    QTimer m_timer;
    QDeadlineTimer m_deadline{30000};
};

// The last pointer position the window was told of.
class PointerSeen : public QObject {
public:
    explicit PointerSeen(QWindow* window) { window->installEventFilter(this); }
    QPoint at{-1, -1};

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            at = static_cast<QMouseEvent*>(event)->position().toPoint();
        }
        return false;
    }
};

// Whether the X server shows every lamp as the window last drew it: its own pixels, read back.
bool LampsShownByX(QWidget* window) {
    const QImage shown =
        window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    int lamps = 0;
    for (QLabel* lamp : window->findChildren<QLabel*>()) {
        if (lamp->pixmap().isNull()) {
            continue;
        }
        ++lamps;
        const QImage drawn = lamp->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (shown.copy(QRect(lamp->mapTo(window, QPoint()), lamp->size())) != drawn) {
            return false;
        }
    }
    return lamps == 28;
}

} // namespace

class LightTreeX11Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void realKeysDriveTheTree() {
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QString id = QString::number(window->winId());
        LightTreeLoop loop(window, 16.1108f);

        std::vector<std::int64_t> presses;
        std::int64_t green = 0;
        loop.onPressRead = [&](std::int64_t reading) { presses.push_back(reading); };
        loop.onStep = [&](double) {
            if (loop.sequence().state() == vellarin::LightTreeSequence::kGreen) {
                green = CounterReading();
            }
        };
        const auto state = [&](int expected) {
            return [&, expected] { return loop.sequence().state() == expected; };
        };
        const auto key = [](const char* name) {
            return [name] { Xdotool({"key", QString::fromLatin1(name)}); };
        };
        QString redPrompt;
        Steps steps(
            window,
            {
                {"the window", [] { return true; },
                 [&] {
                     Xdotool({"windowfocus", "--sync", id});
                     Xdotool({"key", "space"});
                 }},
                {"the first stage", state(1), key("Return")},
                {"the second stage", state(2), [] {}},
                {"the second amber", state(4), [] {}}, // the ambers step by themselves
                {"green", state(vellarin::LightTreeSequence::kGreen), key("space")},
                {"the measured run", [&] { return loop.sequence().history().runCount() == 1; }, key("a")},
                {"a new first stage", state(1), key("b")},
                {"a new second stage", state(2), key("c")}, // while the ambers light: a foul
                {"the red light", state(vellarin::LightTreeSequence::kFoul),
                 [&] { redPrompt = window->findChild<QLabel*>(QStringLiteral("161"))->text(); }},
                // Every lamp lit, the green and the red light too, on the screen itself.
                {"every lamp lit on the screen", [&] { return LampsShownByX(window); },
                 [&] { window->close(); }},
            });
        loop.Run();

        QVERIFY2(steps.failure.isEmpty(), qPrintable(steps.failure));
        QCOMPARE(redPrompt, QStringLiteral("RED LIGHT! Press any key to continue"));
        QCOMPARE(presses.size(), std::size_t{6});
        // Green comes no sooner than four steps of 0.5 s after the second press.
        const double frequency = static_cast<double>(CounterFrequency());
        QVERIFY2(static_cast<double>(green - presses[1]) / frequency >= 2.0,
                 qPrintable(QString::number(green)));
        // The reaction time counts from the green light's showing to the press, 0.5 s added; green was
        // shown after the step was told of it.
        const double reaction = loop.sequence().history().slot(1);
        const double fromGreenAtMost = static_cast<double>(presses[2] - green) / frequency;
        QVERIFY2(reaction >= 0.5 && reaction <= 0.5 + fromGreenAtMost + 0.0001,
                 qPrintable(QStringLiteral("%1 not in [0.5, %2]").arg(reaction).arg(0.5 + fromGreenAtMost)));
    }

    // A racer's press 200 ms after "GO!" reads as 0.7000 and a little, whatever waits for the
    // processor: the press comes through the X server while the loop spins beside it.
    void pressAfterGoReadsAsMade() {
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QString id = QString::number(window->winId());
        LightTreeLoop loop(window, 16.1108f);
        loop.onStep = [&](double) {
            if (loop.sequence().state() == vellarin::LightTreeSequence::kGreen) {
                // xdotool counts its 200 ms from its own start, so the press is no sooner than that.
                QProcess::startDetached(QStringLiteral("xdotool"), {"sleep", "0.2", "key", "space"});
            }
        };
        QString last;
        Steps steps(window,
                    {
                        {"the window", [] { return true; },
                         [&] {
                             Xdotool({"windowfocus", "--sync", id});
                             Xdotool({"key", "space", "space"});
                         }},
                        {"the measured run", [&] { return loop.sequence().history().runCount() == 1; },
                         [&] {
                             last = window->findChild<QLabel*>(QStringLiteral("151"))->text();
                             window->close();
                         }},
                    });
        loop.Run();

        QVERIFY2(steps.failure.isEmpty(), qPrintable(steps.failure));
        const QString prefix = QStringLiteral("Last Reaction Time: ");
        QVERIFY2(last.startsWith(prefix), qPrintable(last));
        const double reaction = last.mid(prefix.size()).toDouble();
        QVERIFY2(reaction >= 0.7 && reaction <= 0.75, qPrintable(last));
    }

    // Real clicks: on a lamp, on the prompt, a double click on the ground, a right click.
    void realClicksDriveTheTree() {
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QString id = QString::number(window->winId());
        LightTreeLoop loop(window, 16.1108f);
        PointerSeen pointer(window->windowHandle());
        const auto clickAt = [&](const char* name, const char* button, const char* repeat) {
            return [&, name, button, repeat] {
                auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
                const QPoint at =
                    control ? control->mapTo(window, control->rect().center()) : QPoint(200, 300);
                Xdotool({"mousemove", "--sync", "--window", id, QString::number(at.x()),
                         QString::number(at.y()), "click", "--repeat", QString::fromLatin1(repeat), "--delay",
                         "80", QString::fromLatin1(button)});
            };
        };
        const auto state = [&](int expected) {
            return [&, expected] { return loop.sequence().state() == expected; };
        };
        const QPoint marker(3, 3);
        int afterRightClick = -1;
        Steps steps(window,
                    {
                        {"the window", [] { return true; },
                         [&] {
                             Xdotool({"windowfocus", "--sync", id});
                             clickAt("311", "1", "1")(); // a lamp
                         }},
                        {"the first stage", state(1), clickAt("161", "1", "1")}, // the prompt
                        {"the second stage", state(2),
                         [] {
                             Xdotool({"key", "Escape"});
                         }},
                        {"the tree reset", state(0), clickAt("", "1", "2")}, // a double click on the ground
                        {"two stages from a double click", state(2),
                         [&] {
                             clickAt("341", "3", "1")(); // a right click while the first amber waits
                             Xdotool({"mousemove", "--window", id, QString::number(marker.x()),
                                      QString::number(marker.y())});
                         }},
                        {"the pointer move after the right click", [&] { return pointer.at == marker; },
                         [&] {
                             afterRightClick = loop.sequence().state();
                             window->close();
                         }},
                    });
        loop.Run();

        QVERIFY2(steps.failure.isEmpty(), qPrintable(steps.failure));
        // The right click is no press, so no red light: the ambers go on.
        QVERIFY2(afterRightClick >= 2 && afterRightClick < vellarin::LightTreeSequence::kFoul,
                 qPrintable(QString::number(afterRightClick)));
    }
};

SUITE_TEST_MAIN(LightTreeX11Test, "Vellarin")
#include "light_tree_x11_test.moc"
