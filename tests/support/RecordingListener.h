// A UIEventListener that records every callback as a readable line, such as
// "pressed ok 10 20" or "activated ok", naming sources by the names the test gave them.
#pragma once

#include "app/UIEventListener.h"

#include <map>
#include <string>
#include <vector>

class RecordingListener : public UIEventListener {
public:
    /// Names a source in the recorded lines; unnamed sources appear as "?".
    void setName(const UIComponent* source, const std::string& name);
    /// Returns the lines recorded so far and forgets them.
    std::vector<std::string> takeEvents();

    void componentActivated(UIComponent* source) override;
    void componentPressed(UIComponent* source, int x, int y) override;
    void componentReleased(UIComponent* source, int x, int y) override;
    void componentDragged(UIComponent* source, int x, int y) override;

    std::vector<std::string> events; ///< every callback, in call order

private:
    std::string nameOf(const UIComponent* source) const;
    void recordAt(const char* kind, const UIComponent* source, int x, int y);

    std::map<const UIComponent*, std::string> names;
};
