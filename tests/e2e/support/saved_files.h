#pragma once

#include <optional>
#include <string>

namespace qm::e2e {

// A file's bytes; nothing when it cannot be read (for instance not written yet).
std::optional<std::string> FileBytes(const std::string& path);

// Waits until the file holds exactly `expected`; when it does not in time, the
// failure shows what it holds.
void ExpectFileSoonHolds(const std::string& path, const std::string& expected);

}  // namespace qm::e2e
