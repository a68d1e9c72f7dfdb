// The settings the recognizer reads, with the values that apply when the settings file lacks them.
#pragma once

namespace flickmark {

struct RecognizerSettings {
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
    // Gestures from the whole path of the press at release instead of the tick-by-tick codes, and a pause
    // for help that a few pixels of jitter do not end.
    bool preciseRecognition = false;

    bool operator==(const RecognizerSettings&) const = default;
};

} // namespace flickmark
