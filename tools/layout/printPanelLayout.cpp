// Prints the control panel's layout as KEY=VALUE lines (window pixels) for the tests and
// scripts that click the panel: the sliders' top, size and left edges, each button's centre, and
// the line of a notice.
#include "screens/PanelLayout.h"

#include <cstdio>

namespace {
void print(const char* key, int value) {
    std::printf("%s=%d\n", key, value);
}

void printCentre(const char* name, PanelLayout::Place place) {
    std::printf("%s_X=%d\n%s_Y=%d\n", name, place.x + PanelLayout::BUTTON_WIDTH / 2, name,
                place.y + PanelLayout::BUTTON_HEIGHT / 2);
}
} // namespace

int main() {
    print("SLIDER_Y", PanelLayout::SLIDER_Y);
    print("SLIDER_WIDTH", PanelLayout::SLIDER_WIDTH);
    print("SLIDER_HEIGHT", PanelLayout::SLIDER_HEIGHT);
    print("SLIDER_THUMB_WIDTH", PanelLayout::SLIDER_THUMB_WIDTH);
    const char* sliders[] = {"AGE_X", "COLOR_MUL_X", "INIT_X_SPEED_X", "INIT_Y_SPEED_X",
                             "PARTICLE_COUNT_X"};
    for (int i = 0; i < 5; ++i)
        print(sliders[i], PanelLayout::SLIDER_X[i]);
    printCentre("SAVE", PanelLayout::SAVE);
    printCentre("LOAD", PanelLayout::LOAD);
    printCentre("GRID", PanelLayout::GRID);
    printCentre("CELLS", PanelLayout::CELLS);
    printCentre("GRADIENT_MODE", PanelLayout::GRADIENT_MODE);
    printCentre("PARTICLE_MODE", PanelLayout::PARTICLE_MODE);
    print("NOTICE_Y", PanelLayout::NOTICE_Y);
    return 0;
}
