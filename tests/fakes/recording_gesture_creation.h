// Records the new gestures the suggestions menu asks for.
#pragma once

#include "library/gesture_creation.h"

#include <string>
#include <utility>
#include <vector>

namespace flickmark {

class RecordingGestureCreation final : public GestureCreation {
public:
    void createGesture(const std::string& gesture, const std::string& program) override {
        requests.emplace_back(gesture, program);
    }

    std::vector<std::pair<std::string, std::string>> requests; // (gesture, program)
};

} // namespace flickmark
