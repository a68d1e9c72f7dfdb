#include "app/version_text.h"

namespace flickmark {
namespace {

std::string highHalf(std::uint32_t word) {
    return std::to_string(word >> 16);
}
std::string lowHalf(std::uint32_t word) {
    return std::to_string(word & 0xFFFFu);
}

} // namespace

VersionText versionText(std::uint32_t fileVersionMs, std::uint32_t fileVersionLs) {
    return {highHalf(fileVersionMs) + "." + lowHalf(fileVersionMs) + "." + highHalf(fileVersionLs),
            " build " + lowHalf(fileVersionLs)};
}

std::string trayTipText(std::string_view version) {
    if (version.empty())
        return "Flickmark";
    return "Flickmark v" + std::string(version);
}

} // namespace flickmark
