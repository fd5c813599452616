// SPDX-License-Identifier: GPL-3.0-or-later
#include <vellarin/light_tree_sequence.h>
#include <vellarin/mask_format.h>

#include <cmath>

namespace vellarin {
namespace {

float RoundToFourDecimals(double seconds) {
    // nearbyint rounds exact ties to the even neighbour in the default rounding mode.
    return static_cast<float>(std::nearbyint(seconds * 10000.0) / 10000.0);
}

} // namespace

void ReactionHistory::Record(float reactionTime) {
    ++m_slotIndex;
    ++m_runCount;
    if (m_slotIndex > 5) {
        m_slotIndex = 1;
    }
    m_slots[static_cast<std::size_t>(m_slotIndex - 1)] = reactionTime;
}

std::optional<float> ReactionHistory::Average() const {
    if (m_runCount <= 4) {
        return std::nullopt;
    }
    float sum = 0.0f; // rounded to float after each addition, in slot order
    for (float slot : m_slots) {
        sum += slot;
    }
    return sum / 5.0f;
}

LightTreeSequence::LightTreeSequence(float currentEt)
    : m_currentEt(currentEt) {}

void LightTreeSequence::Calibrate(std::int64_t frequency, std::int64_t first, std::int64_t last) {
    m_frequency = frequency > 0 ? frequency : 1; // a counter always ticks; never divide by zero
    m_overhead = last - first;
    m_start = first;
}

double LightTreeSequence::Interval(std::int64_t reading) const {
    return static_cast<double>((reading - m_start) - m_overhead) / static_cast<double>(m_frequency);
}

bool LightTreeSequence::TimerCheck(std::int64_t reading) {
    if (!IsTiming() || !(Interval(reading) > kStep)) {
        return false;
    }
    ++m_state;
    return true;
}

std::optional<RunTexts> LightTreeSequence::Press(bool escape, std::int64_t reading) {
    if (escape) {
        m_state = 0;
        return std::nullopt;
    }
    switch (m_state) {
    case 0:
    case 1:
        ++m_state;
        m_start = reading; // from the second press on, this starts the first 0.5 s step
        return std::nullopt;
    case kGreen: {
        RunTexts texts = MeasureRun(reading);
        m_state = 0;
        return texts;
    }
    case kFoul:
        m_state = 0;
        return std::nullopt;
    default:
        m_state = kFoul; // a press before green
        return std::nullopt;
    }
}

RunTexts LightTreeSequence::MeasureRun(std::int64_t end) {
    const float reaction = RoundToFourDecimals(Interval(end) + kStep);
    m_history.Record(reaction);
    RunTexts texts{FormatUsingMask("ET with Reaction Time: #.####",
                                   static_cast<double>(m_currentEt) + static_cast<double>(reaction) - kStep),
                   FormatUsingMask("Last Reaction Time: #.####", reaction), std::nullopt};
    if (const std::optional<float> average = m_history.Average()) {
        texts.averageLine = FormatUsingMask("Average of Last Five: #.####", *average);
    }
    return texts;
}

std::string_view TreePrompt(int state) {
    switch (state) {
    case 0:
        return "Press any key to light first stage lights";
    case 1:
        return "Press any key to light second stage lights";
    case 2:
    case 3:
    case 4:
    case 5:
        return "Press any key once the green lights are lit";
    case 6:
        return "GO!";
    default:
        return "RED LIGHT! Press any key to continue";
    }
}

} // namespace vellarin
