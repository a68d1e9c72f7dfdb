// What the gesture library may ask of the recognizer from its menus.
#pragma once

namespace flickmark {

class RecognizerControl {
public:
    virtual ~RecognizerControl() = default;
    // The next tick only forgets the gesture in progress.
    virtual void requestReset() = 0;
    // False while monitoring is switched off (or the program is ending).
    virtual bool monitoringEnabled() const = 0;
};

} // namespace flickmark
