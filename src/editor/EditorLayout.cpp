#include "editor/EditorLayout.h"

#include "vocab/VocText.h"

namespace qor {

namespace {
constexpr int kBaseWidth = 800;
constexpr int kBaseListWidth = 400;
} // namespace

int ListFrameWidth(int clientWidth) {
    if (clientWidth > kBaseWidth)
        return (clientWidth - kBaseWidth) / 3 + kBaseListWidth;
    return clientWidth / 2;
}

std::optional<WindowSize> WindowSizeFromCaption(std::string_view caption) {
    const std::size_t cross = caption.find(" x ");
    if (cross == std::string_view::npos)
        return std::nullopt;
    WindowSize size;
    if (!vocab::ParseDecimal(caption.substr(0, cross), size.width) ||
        !vocab::ParseDecimal(caption.substr(cross + 3), size.height) || size.width <= 0 || size.height <= 0)
        return std::nullopt;
    return size;
}

std::string StripPastedSeparators(std::string_view text) {
    constexpr std::string_view kSeparator = "; ";
    if (text.substr(0, kSeparator.size()) == kSeparator)
        text.remove_prefix(kSeparator.size());
    if (text.size() >= kSeparator.size() && text.substr(text.size() - kSeparator.size()) == kSeparator)
        text.remove_suffix(kSeparator.size());
    return std::string(text);
}

} // namespace qor
