#include "app/platform_module_win.h"

#include "app/file_version_win.h"

#include <charconv>

namespace flickmark {
namespace {

std::string hex(unsigned long value) {
    char digits[16] = {};
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value, 16).ptr;
    return "0x" + std::string(digits, end);
}

} // namespace

PlatformModule::PlatformModule() : version(ownFileVersion()) {
    if (!com.initialised())
        log.append("COM could not be initialised (" + hex(static_cast<unsigned long>(com.result())) +
                   "); opening some files and folders may fail");
    // The clock's waits are nested loops.
    adapters.clock.setNestedLoops(&nestedLoops);
}

PlatformModule::~PlatformModule() {
    adapters.clock.setNestedLoops(nullptr);
}

void PlatformModule::beginExit() {
    messageBoxes.programEnding();
    adapters.clock.markShuttingDown();
}

} // namespace flickmark
