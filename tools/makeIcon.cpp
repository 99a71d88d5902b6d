#include "tools/makeIcon.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const float TWO_PI = 6.2831853f;
const int ARMS = 3;
const int PARTICLES_PER_ARM = 40;
const Colour CORE = {1.00f, 0.90f, 0.70f, 1};
const Colour ARM_TIPS[ARMS] = {
    {0.30f, 0.80f, 1.00f, 1}, {1.00f, 0.35f, 0.80f, 1}, {1.00f, 0.70f, 0.25f, 1}};

struct Glow {
    float x, y, radius;
    Colour colour; // premultiplied by the glow's strength
};

// Particles laid along spiral arms: near the centre large, warm and bright; at the rim small
// and coloured. A glow no smaller than about a pixel keeps the swirl readable at 16 px.
std::vector<Glow> swirl(int side) {
    std::vector<Glow> glows = {{side / 2.0f, side / 2.0f, side * 0.08f, withAlpha(CORE, 0.8f)}};
    for (int arm = 0; arm < ARMS; ++arm)
        for (int i = 0; i < PARTICLES_PER_ARM; ++i) {
            const float t = (i + 0.5f) / PARTICLES_PER_ARM;
            const float angle = arm * TWO_PI / ARMS + t * 1.3f * TWO_PI;
            const float distance = side * (0.05f + 0.36f * t);
            const Colour colour = mix(CORE, ARM_TIPS[arm], std::min(1.0f, 2 * t));
            const float strength = 1.6f - 0.6f * t;
            glows.push_back({side / 2.0f + distance * std::cos(angle),
                             side / 2.0f + distance * std::sin(angle),
                             std::max(side * (0.03f - 0.015f * t), 0.7f),
                             {colour.r * strength, colour.g * strength, colour.b * strength, 1}});
        }
    return glows;
}

// Light falling on the pixel centre (x, y) from every glow, before tone mapping.
Colour lightAt(const std::vector<Glow>& glows, float x, float y) {
    Colour light = {0, 0, 0, 1};
    for (const Glow& glow : glows) {
        const float d2 = (x - glow.x) * (x - glow.x) + (y - glow.y) * (y - glow.y);
        const float falloff = std::exp(-d2 / (2 * glow.radius * glow.radius));
        light.r += glow.colour.r * falloff;
        light.g += glow.colour.g * falloff;
        light.b += glow.colour.b * falloff;
    }
    return light;
}

// Adds light to the background without clipping: bright overlaps saturate towards white.
float expose(float background, float light) {
    return background + (1 - background) * (1 - std::exp(-light));
}

} // namespace

Picture makeIcon(int side) {
    const Colour inner = {0.07f, 0.07f, 0.16f, 1}, outer = {0.02f, 0.02f, 0.06f, 1};
    const std::vector<Glow> glows = swirl(side);
    const float centre = side / 2.0f;
    Picture icon(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const float d = std::hypot(x + 0.5f - centre, y + 0.5f - centre);
            const Colour background = mix(inner, outer, d / centre);
            const Colour light = lightAt(glows, x + 0.5f, y + 0.5f);
            icon.set(x, y,
                     {expose(background.r, light.r), expose(background.g, light.g),
                      expose(background.b, light.b), std::clamp(centre - d + 0.5f, 0.0f, 1.0f)});
        }
    return icon;
}
