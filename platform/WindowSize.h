// The window's size in pixels: the display opens it, and the screens lay out and draw for it
// and hand it to the simulation.
#pragma once

constexpr int WINDOW_WIDTH = 1024;
constexpr int WINDOW_HEIGHT = 768;
