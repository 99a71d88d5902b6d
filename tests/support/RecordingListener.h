// A UIEventListener that records every callback as a line such as "pressed 10 20" or
// "activated".
#pragma once

#include "ui/UIEventListener.h"

#include <string>
#include <vector>

class RecordingListener : public UIEventListener {
public:
    void componentActivated(UIComponent*) override { events.push_back("activated"); }
    void componentPressed(UIComponent*, int x, int y) override { record("pressed", x, y); }
    void componentReleased(UIComponent*, int x, int y) override { record("released", x, y); }
    void componentDragged(UIComponent*, int x, int y) override { record("dragged", x, y); }

    std::vector<std::string> events; ///< every callback, in call order

private:
    void record(const char* kind, int x, int y) {
        events.push_back(kind + (" " + std::to_string(x) + " " + std::to_string(y)));
    }
};
