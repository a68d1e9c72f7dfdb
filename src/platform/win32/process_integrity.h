// The integrity port on Win32: the integrity levels of the process tokens, compared.
#pragma once

#include "platform/process_integrity.h"

#include <cstdint>
#include <optional>

namespace flickmark {

class Win32ProcessIntegrity final : public ProcessIntegrity {
public:
    bool aboveOurs(WindowId window) override;

private:
    std::optional<std::uint32_t> ownLevel_; // read once: a process keeps its level
};

} // namespace flickmark
