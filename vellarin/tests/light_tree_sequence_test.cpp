// SPDX-License-Identifier: GPL-3.0-or-later
#include <vellarin/light_tree_sequence.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using vellarin::LightTreeSequence;

// A counter of one tick a microsecond; calibration from 1000 to 1004 gives an overhead of 4.
constexpr std::int64_t kFrequency = 1'000'000;
constexpr std::int64_t kOverhead = 4;

std::int64_t Seconds(double s) {
    return static_cast<std::int64_t>(std::llround(s * kFrequency));
}

class LightTreeSequenceTest : public testing::Test {
protected:
    LightTreeSequence tree{16.1108f};
    std::int64_t now = 1000;

    void SetUp() override { tree.Calibrate(kFrequency, 1000, 1004); }

    void press(double after = 0.1) {
        now += Seconds(after);
        tree.Press(false, now);
    }
    std::optional<vellarin::RunTexts> pressAt(double after) {
        now += Seconds(after);
        return tree.Press(false, now);
    }
    // Lets the loop run to green: each step comes just over 0.5 s after the last lamps were set.
    void runToGreen() {
        while (tree.state() >= 2 && tree.state() < LightTreeSequence::kGreen) {
            now += Seconds(0.5) + kOverhead + 1;
            ASSERT_TRUE(tree.TimerCheck(now));
            tree.RestartInterval(now);
        }
    }
    // One full run, the press coming `after` seconds after green.
    std::optional<vellarin::RunTexts> run(double after) {
        press();
        press();
        runToGreen();
        return pressAt(after);
    }
};

TEST_F(LightTreeSequenceTest, TwoPressesStageThenTheTreeStepsToGreen) {
    EXPECT_EQ(tree.state(), 0);
    press();
    EXPECT_EQ(tree.state(), 1);
    EXPECT_FALSE(tree.TimerCheck(now + Seconds(10))); // staging waits for the user
    press();
    EXPECT_EQ(tree.state(), 2);
    const std::int64_t second = now;
    runToGreen();
    EXPECT_EQ(tree.state(), LightTreeSequence::kGreen);
    EXPECT_NEAR(static_cast<double>(now - second) / kFrequency, 2.0, 0.001);
    EXPECT_FALSE(tree.TimerCheck(now + Seconds(100))); // green waits without limit
}

TEST_F(LightTreeSequenceTest, StepNeedsStrictlyMoreThanHalfASecond) {
    press();
    press();
    const std::int64_t start = now;
    EXPECT_FALSE(tree.TimerCheck(start + Seconds(0.5) + kOverhead)); // exactly 0.5 s
    EXPECT_EQ(tree.state(), 2);
    EXPECT_TRUE(tree.TimerCheck(start + Seconds(0.5) + kOverhead + 1));
    EXPECT_EQ(tree.state(), 3);
}

TEST_F(LightTreeSequenceTest, OverheadIsTakenFromEveryInterval) {
    press();
    press();
    EXPECT_DOUBLE_EQ(tree.Interval(now + Seconds(1)), 1.0 - static_cast<double>(kOverhead) / kFrequency);
}

TEST_F(LightTreeSequenceTest, APressBeforeGreenIsAFoulInEachState) {
    for (int fouledIn = 2; fouledIn <= 5; ++fouledIn) {
        LightTreeSequence fresh(16.1108f);
        fresh.Calibrate(kFrequency, 0, 2);
        std::int64_t t = 10;
        fresh.Press(false, t);
        fresh.Press(false, t);
        while (fresh.state() < fouledIn) {
            t += Seconds(0.6);
            fresh.TimerCheck(t);
            fresh.RestartInterval(t);
        }
        EXPECT_FALSE(fresh.Press(false, t + 5).has_value());
        EXPECT_EQ(fresh.state(), LightTreeSequence::kFoul) << fouledIn;
        EXPECT_FALSE(fresh.TimerCheck(t + Seconds(10)));
        fresh.Press(false, t + 10);
        EXPECT_EQ(fresh.state(), 0);
        EXPECT_EQ(fresh.history().runCount(), 0);
    }
}

TEST_F(LightTreeSequenceTest, EscapeReturnsToTheDarkTreeFromEveryState) {
    for (int target = 0; target <= 7; ++target) {
        LightTreeSequence fresh(16.1108f);
        fresh.Calibrate(kFrequency, 0, 2);
        std::int64_t t = 10;
        while (fresh.state() < target && fresh.state() < 2) {
            fresh.Press(false, t);
        }
        while (fresh.state() < target && fresh.state() < LightTreeSequence::kGreen) {
            t += Seconds(0.6);
            fresh.TimerCheck(t);
            fresh.RestartInterval(t);
        }
        if (target == LightTreeSequence::kFoul) {
            fresh = LightTreeSequence(16.1108f);
            fresh.Press(false, 0);
            fresh.Press(false, 0);
            fresh.Press(false, 0);
        }
        ASSERT_EQ(fresh.state(), target);
        EXPECT_FALSE(fresh.Press(true, t + Seconds(0.2)).has_value());
        EXPECT_EQ(fresh.state(), 0) << target;
        EXPECT_EQ(fresh.history().runCount(), 0) << target;
    }
}

TEST_F(LightTreeSequenceTest, APressAtGreenMeasuresTheRun) {
    const auto texts = run(0.2);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(tree.state(), 0);
    EXPECT_EQ(texts->lastLine, "Last Reaction Time: 0.7000");
    EXPECT_EQ(texts->etLine, "ET with Reaction Time: 16.3108");
    EXPECT_FALSE(texts->averageLine.has_value());
    EXPECT_EQ(tree.history().slot(1), 0.7f);
}

TEST_F(LightTreeSequenceTest, ReactionTimeIsRoundedToFourDecimalsAndStoredAsFloat) {
    struct Row {
        double after;
        float stored;
        const char* text;
    };
    for (const Row& row :
         {Row{0.123456, 0.6235f, "Last Reaction Time: 0.6235"},
          Row{0.123444, 0.6234f, "Last Reaction Time: 0.6234"},
          Row{1.99999, 2.5f, "Last Reaction Time: 2.5000"}, Row{9.6, 10.1f, "Last Reaction Time: 10.1000"}}) {
        const auto texts = run(row.after);
        ASSERT_TRUE(texts.has_value());
        EXPECT_EQ(texts->lastLine, row.text);
        EXPECT_EQ(tree.history().slot(tree.history().slotIndex()), row.stored);
    }
}

TEST_F(LightTreeSequenceTest, AverageShowsFromTheFifthRunAndTheRingWraps) {
    const double reactions[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6};
    std::optional<vellarin::RunTexts> texts;
    for (int i = 0; i < 6; ++i) {
        texts = run(reactions[i]);
        ASSERT_TRUE(texts.has_value());
        EXPECT_EQ(tree.history().runCount(), i + 1);
        EXPECT_EQ(texts->averageLine.has_value(), i + 1 >= 5) << "run " << i + 1;
        if (i + 1 == 5) {
            EXPECT_EQ(*texts->averageLine, "Average of Last Five: 0.8000"); // (0.6 + ... + 1.0) / 5
        }
    }
    EXPECT_EQ(tree.history().slotIndex(), 1);
    EXPECT_EQ(tree.history().slot(1), 1.1f); // run 6 overwrote run 1
    EXPECT_EQ(*texts->averageLine, "Average of Last Five: 0.9000");
}

TEST_F(LightTreeSequenceTest, AverageIsAccumulatedInFloat) {
    vellarin::ReactionHistory history;
    for (float r : {0.1f, 0.2f, 0.3f, 0.4f, 0.5f}) {
        history.Record(r);
    }
    float sum = 0.0f;
    for (float r : {0.1f, 0.2f, 0.3f, 0.4f, 0.5f}) {
        sum = sum + r;
    }
    EXPECT_EQ(*history.Average(), sum / 5.0f);
}

TEST_F(LightTreeSequenceTest, APressInStagingNeverMeasures) {
    press(100);
    press(100);
    EXPECT_EQ(tree.history().runCount(), 0);
}

TEST(LightTreeSequenceEtTest, InfiniteEtShowsAWord) {
    LightTreeSequence tree(std::numeric_limits<float>::infinity());
    tree.Calibrate(1000, 0, 0);
    tree.Press(false, 0);
    tree.Press(false, 0);
    std::int64_t t = 0;
    while (tree.state() < LightTreeSequence::kGreen) {
        t += 501;
        tree.TimerCheck(t);
        tree.RestartInterval(t);
    }
    const auto texts = tree.Press(false, t + 200);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->etLine, "ET with Reaction Time: Infinity");
    EXPECT_EQ(texts->lastLine, "Last Reaction Time: 0.7000");
}

TEST(TreePromptTest, PromptsByState) {
    EXPECT_EQ(vellarin::TreePrompt(0), "Press any key to light first stage lights");
    EXPECT_EQ(vellarin::TreePrompt(1), "Press any key to light second stage lights");
    for (int s = 2; s <= 5; ++s) {
        EXPECT_EQ(vellarin::TreePrompt(s), "Press any key once the green lights are lit");
    }
    EXPECT_EQ(vellarin::TreePrompt(6), "GO!");
    EXPECT_EQ(vellarin::TreePrompt(7), "RED LIGHT! Press any key to continue");
    EXPECT_EQ(vellarin::TreePrompt(9), "RED LIGHT! Press any key to continue");
}

} // namespace
