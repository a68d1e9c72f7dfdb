#include "app/settings_targets.h"

namespace flickmark {

RecognizerSettings recognizerSettingsFrom(const RecognitionSettings& settings) {
    RecognizerSettings recognizer;
    recognizer.timeThreshold = settings.timeThreshold;
    recognizer.xThreshold = settings.xThreshold;
    recognizer.yThreshold = settings.yThreshold;
    recognizer.directionThreshold = settings.directionThreshold;
    recognizer.deltaBias = settings.deltaBias;
    recognizer.distanceBias = settings.distanceBias;
    recognizer.xPixel = settings.xPixel;
    recognizer.yPixel = settings.yPixel;
    recognizer.helpPause = settings.helpPause;
    recognizer.enableHelpPopup = settings.enableHelpPopup;
    recognizer.enableDiagonals = settings.enableDiagonals;
    recognizer.preciseRecognition = settings.preciseRecognition;
    return recognizer;
}

} // namespace flickmark
