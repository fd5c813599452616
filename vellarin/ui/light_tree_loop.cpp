// SPDX-License-Identifier: GPL-3.0-or-later
#include "light_tree_loop.h"

#include "light_tree_window.h"
#include "loop_priority.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <chrono>
#include <optional>

std::int64_t CounterReading() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

std::int64_t CounterFrequency() {
    using Period = std::chrono::steady_clock::period;
    return Period::den / Period::num;
}

namespace {

// Keys the window system treats as its own: menu keys, not presses.
bool IsSystemKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Alt || key->key() == Qt::Key_F10 || (key->modifiers() & Qt::AltModifier);
}

} // namespace

LightTreeLoop::LightTreeLoop(LightTreeWindow* window, float currentEt)
    : QObject(nullptr)
    , m_window(window)
    , m_windowObject(window)
    , m_sequence(currentEt) {}

bool LightTreeLoop::eventFilter(QObject* watched, QEvent* event) {
    // The press is timed from here: the reading comes before anything else is looked at.
    const std::int64_t reading = CounterReading();
    // Only the window's own delivery counts: a press that a lamp or label passed on to it would
    // otherwise count twice. (Its lamps and labels let the mouse through to it, and it has the keys.)
    // The window is compared as an object: it may be halfway through its destruction.
    if (!m_windowObject || watched != m_windowObject) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!IsSystemKey(key)) {
            Press(key->key() == Qt::Key_Escape, reading);
        }
    } else if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The second press of a double click comes as a double click, and is a press all the same.
        Press(false, reading);
    }
    return false;
}

void LightTreeLoop::Press(bool escape, std::int64_t reading) {
    if (onPressRead) {
        onPressRead(reading);
    }
    if (const std::optional<vellarin::RunTexts> texts = m_sequence.Press(escape, reading)) {
        m_window->ShowResults(*texts);
    }
    m_window->ShowTreeState(m_sequence.state());
}

void LightTreeLoop::Run() {
    // The steps and presses are timed to the microsecond only while the loop gets the processor
    // whenever it wants it, however busy the machine is.
    std::optional<LoopPriority> priority;
    if (raisePriority) {
        priority.emplace();
        m_priorityGranted = priority->granted();
    }
    // Three back-to-back readings: the overhead is what two readings cost.
    const std::int64_t first = CounterReading();
    (void)CounterReading();
    m_sequence.Calibrate(CounterFrequency(), first, CounterReading());
    // Every event of the application passes here first; presses count only in the tree's window.
    QCoreApplication::instance()->installEventFilter(this);
    while (m_window) {
        if (m_sequence.IsTiming()) {
            const std::int64_t now = CounterReading();
            if (m_sequence.TimerCheck(now)) {
                if (onStep) {
                    onStep(m_sequence.Interval(now) - vellarin::LightTreeSequence::kStep);
                }
                m_window->ShowTreeState(m_sequence.state());
                m_sequence.RestartInterval(CounterReading());
            }
        }
        // Never blocks: handles what is waiting and comes straight back, so the steps stay exact.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The X server and Qt's reader thread that bring a press may be waiting for this core.
        GiveWayBetweenPolls();
    }
    QCoreApplication::instance()->removeEventFilter(this);
}
