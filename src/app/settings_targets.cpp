#include "app/settings_targets.h"

namespace flickmark {

RecognizerSettings recognizerSettingsFrom(const RecognitionSettings& settings) {
    // Both structs are named field by field: one that gains a field without the other stops the build here.
    const auto& [timeThreshold, xThreshold, yThreshold, directionThreshold, deltaBias, distanceBias, xPixel,
                 yPixel, helpPause, enableHelpPopup, enableDiagonals, preciseRecognition] = settings;
    const RecognizerSettings recognizer{timeThreshold, xThreshold,      yThreshold,      directionThreshold,
                                        deltaBias,     distanceBias,    xPixel,          yPixel,
                                        helpPause,     enableHelpPopup, enableDiagonals, preciseRecognition};
    [[maybe_unused]] const auto& [t, x, y, d, db, dsb, xp, yp, hp, hpop, diag, precise] = recognizer;
    return recognizer;
}

} // namespace flickmark
