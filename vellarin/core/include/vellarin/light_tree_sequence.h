// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The light-tree reflex timer without a window: the eight states, the 0.5 s steps timed from counter
// readings, fouls, and the reaction time of a run with the three result texts. The caller reads the
// counter and passes the readings in, so the sequence runs on synthetic readings as well as on the
// real clock. Showing a state is the window's business.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellarin {

// The last five reaction times, written in the ring 1, 2, 3, 4, 5, 1, ...; the average counts from
// the fifth run on.
class ReactionHistory {
public:
    void Record(float reactionTime);
    int runCount() const { return m_runCount; }
    int slotIndex() const { return m_slotIndex; } // 1 to 5; 0 before the first run
    float slot(int index) const { return m_slots[static_cast<std::size_t>(index - 1)]; }
    std::optional<float> Average() const;

private:
    std::array<float, 5> m_slots{};
    int m_slotIndex = 0;
    std::int32_t m_runCount = 0;
};

struct RunTexts {
    std::string etLine;                     // "ET with Reaction Time: 16.3108"
    std::string lastLine;                   // "Last Reaction Time: 0.7000"
    std::optional<std::string> averageLine; // "Average of Last Five: 0.6000", from the fifth run
};

class LightTreeSequence {
public:
    static constexpr int kGreen = 6;
    static constexpr int kFoul = 7;
    // The seconds between the ambers and to green, held as a float as the trainer always has.
    static constexpr float kStep = 0.5f;

    explicit LightTreeSequence(float currentEt);

    // The counter's ticks per second and the first and last of three back-to-back readings; their
    // difference is the overhead taken from every interval.
    void Calibrate(std::int64_t frequency, std::int64_t first, std::int64_t last);

    // States 2 to 5 step on the clock; the others wait for a press.
    bool IsTiming() const { return m_state >= 2 && m_state <= 5; }
    // While timing: whether more than kStep has passed since the start instant at this reading; if
    // so the state has stepped, and the caller shows it and then calls RestartInterval.
    bool TimerCheck(std::int64_t reading);
    void RestartInterval(std::int64_t reading) { m_start = reading; }

    // A key press or left-button press, with the counter read first thing at the press. Returns the
    // texts of a measured run (a press at green), or nothing.
    std::optional<RunTexts> Press(bool escape, std::int64_t reading);

    int state() const { return m_state; }
    double Interval(std::int64_t reading) const; // seconds since the start instant, less the overhead
    const ReactionHistory& history() const { return m_history; }

private:
    RunTexts MeasureRun(std::int64_t end);

    float m_currentEt;
    int m_state = 0;
    std::int64_t m_frequency = 1;
    std::int64_t m_overhead = 0;
    std::int64_t m_start = 0;
    ReactionHistory m_history;
};

// The prompt shown for a state; states above 7 are shown as 7.
std::string_view TreePrompt(int state);

} // namespace vellarin
