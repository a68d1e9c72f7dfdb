// Near gestures of a drawn gesture that was not found: the candidates for auto-correction and the
// ordered suggestion list. Pure functions over gesture strings, so the whole policy is testable.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

// Candidates whose first direction equals the drawn gesture's first direction go to `front`, all others to
// `back`. No gesture appears twice in the two lists together.
struct NearCandidates {
    std::vector<std::string> front;
    std::vector<std::string> back;

    bool contains(std::string_view gesture) const;
    void addToFrontHead(const std::string& gesture);
    void addToBackEnd(const std::string& gesture);
    // front followed by back: the suggestion order.
    std::vector<std::string> ordered() const;
};

// A set's gesture strings in file order.
using GestureList = std::vector<std::string>;

// True when `candidate` has the drawn gesture's length and enough equal digits at the same positions:
// at least 1 of 2, 2 of 3, and trunc(0.6 * length) from 4 on. A gesture of length 1 has no near gestures.
bool isNearGesture(std::string_view drawn, std::string_view candidate);

// Near gestures over the program set, then the global set, each in list order; a near gesture beginning
// with the drawn gesture's first direction is inserted at the head of the front list.
NearCandidates collectNearGestures(std::string_view drawn, const GestureList& programSet,
                                   const GestureList& globalSet);

// Auto-correction: the first candidate (front list, then back list) that differs from the drawn gesture at a
// position whose drawn direction it corrects: the candidate's direction there and the drawn one are
// neighbours, and the angle recorded for that stroke lies between their nominal angles. strokeAngle(i) gives
// the angle recorded for stroke i.
std::optional<std::string> findCorrection(std::string_view drawn, const NearCandidates& candidates,
                                          const std::function<int(std::size_t)>& strokeAngle);

// Adds the gestures one direction shorter or longer than the drawn one, when the front list holds fewer
// than three gestures.
void addOneOffGestures(std::string_view drawn, const GestureList& programSet, const GestureList& globalSet,
                       NearCandidates& candidates);

} // namespace flickmark
