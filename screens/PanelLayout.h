// Where the control panel's widgets lie in the window, in pixels from its top-left corner. The
// panel is built from these; the tests and scripts that click the panel read them from
// panel-layout.env, which the build writes from this header (tools/layout/printPanelLayout.cpp).
#pragma once

#include <array>

struct PanelLayout {
    struct Place {
        int x, y;
    };

    /// The sliders' labels and tracks: Age, Color mul, Init X speed, Init Y speed, Particle count.
    static constexpr int LABEL_Y = 10;
    static constexpr int SLIDER_Y = 25;
    static constexpr std::array<int, 5> SLIDER_X = {20, 160, 300, 440, 580};
    /// The track image's size (data/slider_h.png) and the thumb's width (data/slider_h_thumb.png):
    /// the thumb's centre moves from half its width to the track's width less that.
    static constexpr int SLIDER_WIDTH = 130;
    static constexpr int SLIDER_HEIGHT = 16;
    static constexpr int SLIDER_THUMB_WIDTH = 10;

    /// The buttons' top-left corners.
    static constexpr Place SAVE{20, 728};
    static constexpr Place LOAD{140, 728};
    static constexpr Place GRID{904, 728};
    static constexpr Place CELLS{784, 728};
    static constexpr Place GRADIENT_MODE{904, 688};
    static constexpr Place PARTICLE_MODE{784, 688};
    /// The button image's size (data/button_up_small.png).
    static constexpr int BUTTON_WIDTH = 110;
    static constexpr int BUTTON_HEIGHT = 32;

    /// The middle of a notice's line (a failed save or load), above the buttons.
    static constexpr int NOTICE_Y = 648;

    /// The labels that name the mode cycles, above their buttons.
    static constexpr Place GRADIENT_MODES_LABEL{894, 668};
    static constexpr Place PARTICLE_MODES_LABEL{784, 668};
};
