#include "sim/AutopilotPath.h"

#include "sim/Brush.h"
#include "sim/Simulation.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double TWO_PI = 6.283185307179586;
constexpr double STEP_SECONDS = 1.0 / Simulation::STEPS_PER_SECOND;
/// How close the pointer may come to the clearing corner: more than the cursor's glide lags
/// behind the pointer, so the cursor stays out too.
constexpr int CORNER_MARGIN = 90;
constexpr int EDGE = 10;
/// A resize drag: steps to drag, to hold while the cursor catches up, and to come back.
constexpr long DRAG_STEPS = 30;
constexpr long HOLD_STEPS = 12;
/// Steps between opening the panel, pressing a button and closing the panel again.
constexpr long PANEL_STEPS = 40;

long seconds(double value) { return static_cast<long>(value * Simulation::STEPS_PER_SECOND); }

/// 0 at 0, 1 at 1, with zero slope at both ends.
double smooth(double t) { return t * t * (3 - 2 * t); }
} // namespace

AutopilotPath::AutopilotPath(uint32_t seed, int windowWidth, int windowHeight)
    : random(seed), width(windowWidth), height(windowHeight), radius(Brush::DEFAULT_RADIUS) {
    for (Wave* waves : {centreX, centreY}) {
        waves[0] = wave(40, 110);
        waves[1] = wave(15, 40);
    }
    size = wave(25, 60);
    for (Wave* waves : {swingX, swingY}) {
        waves[0] = wave(2, 5);
        waves[1] = wave(1.5, 3);
    }
    active = uniform(0, 1000);
    untilRest = seconds(uniform(6, 15));
    nextResize = seconds(uniform(20, 60));
    nextModeChange = seconds(uniform(90, 180));
}

double AutopilotPath::uniform(double low, double high) {
    return low + (high - low) * (random.nextInt31() / 2147483648.0);
}

AutopilotPath::Wave AutopilotPath::wave(double periodLow, double periodHigh) {
    return {TWO_PI / uniform(periodLow, periodHigh), uniform(0, TWO_PI)};
}

void AutopilotPath::point(double& x, double& y) const {
    auto at = [this](const Wave& w) { return std::sin(w.frequency * active + w.phase); };
    // A slowly wandering centre, a gesture size that breathes, and a swing around the centre.
    const double centreXValue = width / 2.0 + (width / 2.0 - 150) * (0.6 * at(centreX[0]) +
                                                                    0.4 * at(centreX[1]));
    const double centreYValue = height / 2.0 + (height / 2.0 - 120) * (0.6 * at(centreY[0]) +
                                                                      0.4 * at(centreY[1]));
    const double reach = 30 + 85 * (1 + at(size));
    x = centreXValue + reach * (0.65 * at(swingX[0]) + 0.35 * at(swingX[1]));
    y = centreYValue + reach * (0.65 * at(swingY[0]) + 0.35 * at(swingY[1]));
    x = std::clamp(x, double(EDGE), double(width - 1 - EDGE));
    y = std::clamp(y, double(EDGE), double(height - 1 - EDGE));
    keepClear(x, y);
}

void AutopilotPath::keepClear(double& x, double& y) const {
    // Slides a point inside the guarded corner diagonally back to its edge: continuous, so
    // the path stays smooth where it brushes past.
    const Brush::Point corner = Simulation::clearingCorner(width, height);
    const double into = std::min(x - (corner.x - CORNER_MARGIN), y - (corner.y - CORNER_MARGIN));
    if (into > 0) {
        x -= into;
        y -= into;
    }
}

void AutopilotPath::planGesture() {
    if (untilRest <= 0) {
        speedTarget = 0;
        gestureLeft = seconds(uniform(3, 8));
        untilRest = seconds(uniform(8, 25));
        return;
    }
    speedTarget = uniform(0.35, 1.6);
    gestureLeft = seconds(uniform(2, 7));
}

AutopilotPath::Action AutopilotPath::scheduledAction() {
    const long sinceOpen = step - nextModeChange;
    if (sinceOpen == 0)
        return Action::ShowPanel;
    if (sinceOpen == PANEL_STEPS)
        return random.nextInt31() % 2 ? Action::PressGradientMode : Action::PressParticleMode;
    if (sinceOpen == 2 * PANEL_STEPS) {
        nextModeChange += seconds(uniform(120, 300));
        return Action::HidePanel;
    }
    return Action::None;
}

void AutopilotPath::planResize(Step& current) {
    // Drags towards a new radius, as far as the window and the corner allow.
    resizeStart = step;
    resizeX = current.x;
    resizeY = current.y;
    const Brush::Point corner = Simulation::clearingCorner(width, height);
    const int bottom = resizeX > corner.x - CORNER_MARGIN ? corner.y - CORNER_MARGIN
                                                           : height - 1 - EDGE;
    const int wanted = static_cast<int>(uniform(40, 220) - radius);
    drag = std::clamp(wanted, EDGE - resizeY, bottom - resizeY);
    radius += drag;
    current.action = Action::PressRight;
    nextResize = step + seconds(uniform(30, 90));
}

AutopilotPath::Step AutopilotPath::resizeStep() {
    const long k = step - resizeStart;
    Step current{resizeX, resizeY, true, Action::None};
    if (k <= DRAG_STEPS) {
        current.y += static_cast<int>(std::lround(drag * smooth(double(k) / DRAG_STEPS)));
    } else if (k <= DRAG_STEPS + HOLD_STEPS) {
        current.y += drag;
        if (k == DRAG_STEPS + HOLD_STEPS)
            current.action = Action::ReleaseRight;
    } else {
        const double back = double(k - DRAG_STEPS - HOLD_STEPS) / DRAG_STEPS;
        current.y += static_cast<int>(std::lround(drag * (1 - smooth(back))));
        if (k == 2 * DRAG_STEPS + HOLD_STEPS)
            resizeStart = -1;
    }
    return current;
}

AutopilotPath::Step AutopilotPath::next() {
    ++step;
    Step current;
    if (resizeStart >= 0) {
        current = resizeStep();
    } else {
        if (--gestureLeft <= 0)
            planGesture();
        const double change = std::clamp(speedTarget - speed, -STEP_SECONDS, STEP_SECONDS);
        speed += change;
        active += speed * STEP_SECONDS;
        if (speedTarget > 0)
            --untilRest;
        double x = 0, y = 0;
        point(x, y);
        current.x = static_cast<int>(std::lround(x));
        current.y = static_cast<int>(std::lround(y));
        current.moved = current.x != lastX || current.y != lastY;
        const bool panelBusy = step >= nextModeChange;
        if (step >= nextResize && !panelBusy) {
            if (speed > 0.2)
                planResize(current);
            else
                nextResize = step + seconds(1);
        }
    }
    // The panel waits for a drag to end; a drag never starts while the panel is open.
    if (resizeStart >= 0 && step == nextModeChange)
        ++nextModeChange;
    if (current.action == Action::None)
        current.action = scheduledAction();
    lastX = current.x;
    lastY = current.y;
    return current;
}
