#pragma once
// The editor window's own sizing rules and its paste rule, so the window only applies them.

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// The list frame's width: half the client area, or (width - 800) / 3 + 400 on wider windows, so
// the entry frame grows faster than the list.
int ListFrameWidth(int clientWidth);

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// The "Fenstergröße" item's caption ("800 x 600") as a size; nothing for another text.
std::optional<WindowSize> WindowSizeFromCaption(std::string_view caption);

// Pasting into a multi-line meaning field: a "; " at the very start and one at the very end of the
// resulting text are removed (copied lists often carry their separators along).
std::string StripPastedSeparators(std::string_view text);

} // namespace qor
