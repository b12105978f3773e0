// What the poll and the frame asked of the fakes, in order, shared by the
// desktop and the highlight of a test so that the order across both shows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace fakes {

using CallLog = std::vector<std::string>;

// Calls in the log that start with prefix.
inline int Count(const CallLog& log, const std::string& prefix) {
    return static_cast<int>(std::count_if(
        log.begin(), log.end(), [&](const std::string& s) { return s.rfind(prefix, 0) == 0; }));
}

inline std::string Hex(std::uintptr_t value) {
    std::ostringstream out;
    out << std::hex << value;
    return out.str();
}

}  // namespace fakes
