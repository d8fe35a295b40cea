#pragma once
// A log for developers, not for learners (they only ever see message boxes): lines go to stderr when
// the environment variable QOR_DEBUG_LOG is set, and the last ones are kept so tests can read them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// How many of the newest lines are kept.
inline constexpr std::size_t kKeptDebugLines = 200;

// `line` is Windows-1252; stderr gets it as UTF-8 with a line break.
void DebugLog(std::string_view line);

// The kept lines, oldest first.
std::vector<std::string> RecentDebugLog();
void ClearDebugLog();

} // namespace qor
