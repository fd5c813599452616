// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The light-tree phase: drives a LightTreeSequence from the steady clock and from the presses in the
// window, polling the event queue without ever sleeping, until the window is closed. A press is a
// key-down (repeats too) or a left-button press anywhere inside the window (the second of a double
// click too), counted once; Alt, F10 and keys held with Alt are not. The clock is read before anything else
// is done for an event.

#include <vellarin/light_tree_sequence.h>

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>

class LightTreeWindow;

// The high-resolution counter: steady-clock ticks.
std::int64_t CounterReading();
std::int64_t CounterFrequency();

class LightTreeLoop : public QObject {
    Q_OBJECT
public:
    LightTreeLoop(LightTreeWindow* window, float currentEt);

    // Raises the thread's priority (loop_priority.h), calibrates, then runs until the window no
    // longer exists, and gives the priority back.
    void Run();

    // How the priority stood while the loop ran; the timing figures report it.
    QString priorityGranted() const { return m_priorityGranted; }
    // For measurements of the loop without a raised priority.
    bool raisePriority = true;

    const vellarin::LightTreeSequence& sequence() const { return m_sequence; }

    // For measurements: told of each step (how long after its 0.5 s it came) and each press reading.
    std::function<void(double lateSeconds)> onStep;
    std::function<void(std::int64_t reading)> onPressRead;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Press(bool escape, std::int64_t reading);

    QPointer<LightTreeWindow> m_window;
    QPointer<QObject> m_windowObject; // for telling its events apart, never cast
    vellarin::LightTreeSequence m_sequence;
    QString m_priorityGranted;
};
