#include "app/version_text.h"

namespace flickmark {
namespace {

std::string highHalf(std::uint32_t word) {
    return std::to_string(word >> 16);
}
std::string lowHalf(std::uint32_t word) {
    return std::to_string(word & 0xFFFFu);
}

// The root block: its length, the length of its value and its type (three 16-bit words), the key
// "VS_VERSION_INFO" in UTF-16 with its terminating zero, padding to a 32-bit boundary, then the value: the
// fixed file information, which starts with a signature, the structure's version and the file version.
constexpr std::u16string_view kRootKey = u"VS_VERSION_INFO";
constexpr std::size_t kKeyOffset = 6;
constexpr std::size_t kValueOffset = (kKeyOffset + (kRootKey.size() + 1) * 2 + 3) / 4 * 4;
constexpr std::size_t kFixedInfoSize = std::size_t{13} * 4;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;

std::uint16_t word16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
std::uint32_t word32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(word16(bytes, at)) | static_cast<std::uint32_t>(word16(bytes, at + 2))
                                                               << 16;
}

} // namespace

std::optional<VersionText> versionTextFromResource(std::span<const std::uint8_t> resource) {
    if (resource.size() < kValueOffset + kFixedInfoSize)
        return std::nullopt;
    const std::size_t length = word16(resource, 0);
    const std::size_t valueLength = word16(resource, 2);
    if (length < kValueOffset + kFixedInfoSize || length > resource.size() || valueLength < kFixedInfoSize)
        return std::nullopt;
    for (std::size_t i = 0; i <= kRootKey.size(); ++i) {
        const char16_t expected = i < kRootKey.size() ? kRootKey[i] : u'\0';
        if (word16(resource, kKeyOffset + 2 * i) != expected)
            return std::nullopt;
    }
    if (word32(resource, kValueOffset) != kFixedInfoSignature)
        return std::nullopt;
    return versionText(word32(resource, kValueOffset + 8), word32(resource, kValueOffset + 12));
}

VersionText versionText(std::uint32_t fileVersionMs, std::uint32_t fileVersionLs) {
    return {highHalf(fileVersionMs) + "." + lowHalf(fileVersionMs) + "." + highHalf(fileVersionLs),
            " build " + lowHalf(fileVersionLs)};
}

std::string trayTipText(std::string_view version, bool gesturesOn) {
    const std::string name =
        version.empty() ? std::string("Flickmark") : "Flickmark v" + std::string(version);
    return name + (gesturesOn ? " - gestures on" : " - gestures off");
}

} // namespace flickmark
