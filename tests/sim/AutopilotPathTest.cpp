#include "sim/AutopilotPath.h"

#include "sim/Brush.h"
#include "sim/FlowField.h"
#include "sim/Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

namespace {
constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;
constexpr long TEN_MINUTES = 10L * 60 * Simulation::STEPS_PER_SECOND;

std::vector<AutopilotPath::Step> walk(uint32_t seed, long steps) {
    AutopilotPath path(seed, WIDTH, HEIGHT);
    std::vector<AutopilotPath::Step> out;
    for (long i = 0; i < steps; ++i)
        out.push_back(path.next());
    return out;
}
} // namespace

TEST(AutopilotPath, TenMinutesWanderEverywhereSmoothlyWithRestsAndNeverClearTheField) {
    for (uint32_t seed : {1u, 7u, 2024u}) {
        const auto steps = walk(seed, TEN_MINUTES);
        const Brush::Point corner = Simulation::clearingCorner(WIDTH, HEIGHT);
        Brush brush; // the cursor as the screen glides it after every motion
        std::set<int> reached;
        int largestMove = 0, rests = 0, stillFor = 0, presses = 0, modeChanges = 0;
        bool dragging = false;
        AutopilotPath::Step last = steps.front();
        for (const auto& step : steps) {
            largestMove = std::max({largestMove, std::abs(step.x - last.x), std::abs(step.y - last.y)});
            last = step;
            ASSERT_TRUE(step.x >= 0 && step.x < WIDTH && step.y >= 0 && step.y < HEIGHT);
            stillFor = step.moved ? 0 : stillFor + 1;
            if (stillFor == 2 * Simulation::STEPS_PER_SECOND)
                ++rests;
            if (step.moved) {
                brush.glideTo(step.x, step.y);
                ASSERT_FALSE(brush.cursorX() > corner.x && brush.cursorY() > corner.y)
                    << "seed " << seed << " cursor in the clearing corner at " << brush.cursorX()
                    << ", " << brush.cursorY();
            }
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int column = step.x / FlowField::CELL_SIZE + dx;
                    const int row = step.y / FlowField::CELL_SIZE + dy;
                    if (column >= 0 && column < FlowField::COLUMNS && row >= 0 && row < FlowField::ROWS)
                        reached.insert(row * FlowField::COLUMNS + column);
                }
            using Action = AutopilotPath::Action;
            if (step.action == Action::PressRight || step.action == Action::ReleaseRight) {
                EXPECT_NE(dragging, step.action == Action::PressRight) << "presses and releases alternate";
                dragging = step.action == Action::PressRight;
                presses += dragging;
            }
            modeChanges += step.action == Action::PressGradientMode ||
                           step.action == Action::PressParticleMode;
        }
        SCOPED_TRACE(seed);
        EXPECT_GT(reached.size(), FlowField::CELL_COUNT * 7 / 10) << "most cells are visited";
        EXPECT_LE(largestMove, 40) << "a third of the distance at which the cursor jumps";
        EXPECT_GE(rests, 10) << "rests of two seconds or more, more than one a minute";
        EXPECT_GE(presses, 3) << "brush resizes";
        EXPECT_GE(modeChanges, 2) << "mode buttons pressed";
    }
}

TEST(AutopilotPath, TheSameSeedGivesTheSamePath) {
    const auto first = walk(5, 20000);
    const auto again = walk(5, 20000);
    const auto other = walk(6, 20000);
    auto same = [](const std::vector<AutopilotPath::Step>& a, const std::vector<AutopilotPath::Step>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), [](const auto& p, const auto& q) {
            return p.x == q.x && p.y == q.y && p.moved == q.moved && p.action == q.action;
        });
    };
    EXPECT_TRUE(same(first, again));
    EXPECT_FALSE(same(first, other));
}
