#include "library/near_gestures.h"

#include "base/direction.h"

#include <algorithm>

namespace flickmark {
namespace {

std::size_t requiredMatches(std::size_t length) {
    if (length == 2)
        return 1;
    if (length == 3)
        return 2; // trunc(3 * 0.67)
    return length * 6 / 10;
}

Direction directionAt(std::string_view gesture, std::size_t i) {
    return directionFromDigit(gesture[i]);
}

bool correctsStroke(Direction candidate, Direction drawn, int angle) {
    return angleBetween(candidate, drawn, angle);
}

} // namespace

bool NearCandidates::contains(std::string_view gesture) const {
    return std::find(front.begin(), front.end(), gesture) != front.end() ||
           std::find(back.begin(), back.end(), gesture) != back.end();
}

void NearCandidates::addToFrontHead(const std::string& gesture) {
    if (!contains(gesture))
        front.insert(front.begin(), gesture);
}

void NearCandidates::addToBackEnd(const std::string& gesture) {
    if (!contains(gesture))
        back.push_back(gesture);
}

std::vector<std::string> NearCandidates::ordered() const {
    std::vector<std::string> all = front;
    all.insert(all.end(), back.begin(), back.end());
    return all;
}

bool isNearGesture(std::string_view drawn, std::string_view candidate) {
    const std::size_t length = drawn.size();
    if (length < 2 || candidate.size() != length)
        return false;
    std::size_t matches = 0;
    for (std::size_t i = 0; i < length; ++i)
        if (drawn[i] == candidate[i])
            ++matches;
    return matches >= requiredMatches(length);
}

NearCandidates collectNearGestures(std::string_view drawn, const GestureList& programSet,
                                   const GestureList& globalSet) {
    NearCandidates candidates;
    for (const GestureList* set : {&programSet, &globalSet}) {
        for (const std::string& gesture : *set) {
            if (!isNearGesture(drawn, gesture))
                continue;
            if (gesture.front() == drawn.front())
                candidates.addToFrontHead(gesture);
            else
                candidates.addToBackEnd(gesture);
        }
    }
    return candidates;
}

std::optional<std::string> findCorrection(std::string_view drawn, const NearCandidates& candidates,
                                          const std::function<int(std::size_t)>& strokeAngle) {
    for (const std::vector<std::string>* list : {&candidates.front, &candidates.back}) {
        for (const std::string& candidate : *list) {
            if (candidate.size() != drawn.size())
                continue;
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                if (candidate[i] == drawn[i])
                    continue;
                if (correctsStroke(directionAt(candidate, i), directionAt(drawn, i), strokeAngle(i)))
                    return candidate;
            }
        }
    }
    return std::nullopt;
}

void addOneOffGestures(std::string_view drawn, const GestureList& programSet, const GestureList& globalSet,
                       NearCandidates& candidates) {
    if (drawn.empty() || candidates.front.size() >= 3)
        return;
    const std::size_t length = drawn.size();
    for (const GestureList* set : {&programSet, &globalSet}) {
        for (std::size_t i = 0; i < length; ++i) {
            std::string shorter(drawn);
            shorter.erase(i, 1);
            for (const std::string& gesture : *set) {
                if (gesture != shorter || gesture.empty())
                    continue;
                if (gesture.front() == drawn.front())
                    candidates.addToFrontHead(gesture);
                else
                    candidates.addToBackEnd(gesture);
            }
        }
        if (length <= 1)
            continue;
        for (const std::string& gesture : *set) {
            if (gesture.size() != length + 1 || gesture.find(drawn) == std::string::npos)
                continue;
            if (gesture.starts_with(drawn))
                candidates.addToFrontHead(gesture);
            else
                candidates.addToBackEnd(gesture);
        }
    }
}

} // namespace flickmark
