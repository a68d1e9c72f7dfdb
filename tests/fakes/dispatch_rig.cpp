#include "fakes/dispatch_rig.h"

namespace flickmark {

DispatchRig::DispatchRig(std::string folder, DiagnosticLog* sharedLog)
    : dataFolder(std::move(folder)), log(sharedLog ? *sharedLog : ownLog) {}

void DispatchRig::setForeground(const std::string& exeName) {
    const WindowId id = 100 + windows.windows.size();
    windows.windows.insert(windows.windows.begin(), FakeWindowStack::Window{id, exeName, true, 7});
    windows.foreground = id;
}

} // namespace flickmark
