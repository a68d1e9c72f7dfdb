// The recognition values of the settings file, with the values that apply when the file lacks them. The
// application hands them to the recognizer.
#pragma once

namespace flickmark {

struct RecognitionSettings {
    int timeThreshold = 160; // kept for the settings file; no recognition step reads it
    int xThreshold = 3;
    int yThreshold = 3;
    int directionThreshold = 0;
    float deltaBias = 0.8f;    // weight of the new sample in the speed average
    float distanceBias = 0.7f; // weight of the new sample in the accumulators
    int xPixel = 30;
    int yPixel = 25;
    int helpPause = 800; // milliseconds
    bool enableHelpPopup = true;
    bool enableDiagonals = false;
    bool preciseRecognition = false; // gestures from the whole path of the press at release

    bool operator==(const RecognitionSettings&) const = default;
};

} // namespace flickmark
