#pragma once
// Breaks a text into printed lines at its blanks, measured with the surface's current font.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class PrintSurface;

// At least one line. Each word keeps its trailing blank; a word wider than `width` gets a line of
// its own and is not split.
std::vector<std::string> WordWrap(std::string_view text, int width, const PrintSurface& surface);

// The first `maxLines` lines of WordWrap.
std::vector<std::string> WordWrap(std::string_view text, int width, const PrintSurface& surface,
                                  int maxLines);

} // namespace qor
