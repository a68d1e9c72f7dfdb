// The program's version as the user reads it: in the About window and in the tray icon's tip.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace flickmark {

struct VersionText {
    std::string version; // "2.1.0"
    std::string build;   // " build 37"
};

// From the file version of a version resource, given as its two 32-bit words (four 16-bit numbers, the most
// significant first): the first three numbers joined by points, and the fourth as the build number.
VersionText versionText(std::uint32_t fileVersionMs, std::uint32_t fileVersionLs);

// From the bytes of a version resource as the executable carries it (its root block "VS_VERSION_INFO" and the
// fixed file information that block holds); none when the bytes are not such a block.
std::optional<VersionText> versionTextFromResource(std::span<const std::uint8_t> resource);

// The tray icon's tip: "Flickmark v" + version ("Flickmark" when the version is not known), and whether
// gestures are on: "Flickmark v2.1.0 - gestures off".
std::string trayTipText(std::string_view version, bool gesturesOn);

} // namespace flickmark
