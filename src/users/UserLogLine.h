#pragma once
// The line each save appends to "<name>_F_LOG.txt": when and how long the learner trained, in
// which modes, and how well.

#include "users/UserTime.h"

#include <cstdint>
#include <string>

namespace qor {

struct UserLogEntry {
    LocalDateTime logIn;
    double duration = 0; // fraction of a day
    std::int32_t typing = 0;
    std::int32_t multipleChoice = 0;
    std::int32_t lasVegas = 0;
    std::int32_t averageAbsolute = 0;
    std::int32_t averageRelative = 0;
    std::int32_t recordCount = 0;
};

// The line with its CR LF.
std::string FormatUserLogLine(const UserLogEntry& entry);

} // namespace qor
