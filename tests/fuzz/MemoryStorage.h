#pragma once

#include "base/profile/ProfileStorage.h"

#include <string>

namespace orvd::fuzz {

// One profile file held in memory, so that a run touches no disk.
class MemoryStorage : public ProfileStorage {
public:
    std::string content;
    std::string Load(const std::string&) const override { return content; }
    void Store(const std::string&, std::string_view bytes) override { content = bytes; }
};

} // namespace orvd::fuzz
