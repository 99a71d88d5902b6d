#include "tests/support/RecordingListener.h"

#include <utility>

void RecordingListener::setName(const UIComponent* source, const std::string& name) {
    names[source] = name;
}

std::vector<std::string> RecordingListener::takeEvents() {
    return std::exchange(events, {});
}

void RecordingListener::componentActivated(UIComponent* source) {
    events.push_back("activated " + nameOf(source));
}

void RecordingListener::componentPressed(UIComponent* source, int x, int y) {
    recordAt("pressed", source, x, y);
}

void RecordingListener::componentReleased(UIComponent* source, int x, int y) {
    recordAt("released", source, x, y);
}

void RecordingListener::componentDragged(UIComponent* source, int x, int y) {
    recordAt("dragged", source, x, y);
}

std::string RecordingListener::nameOf(const UIComponent* source) const {
    const auto found = names.find(source);
    return found == names.end() ? "?" : found->second;
}

void RecordingListener::recordAt(const char* kind, const UIComponent* source, int x, int y) {
    events.push_back(std::string(kind) + " " + nameOf(source) + " " + std::to_string(x) + " " +
                     std::to_string(y));
}
