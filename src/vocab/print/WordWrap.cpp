#include "vocab/print/WordWrap.h"

#include "platform/PrintSurface.h"

namespace qor {

std::vector<std::string> WordWrap(std::string_view text, int width, const PrintSurface& surface) {
    std::vector<std::string> lines(1);
    int position = 0;
    while (!text.empty()) {
        if (width - position >= surface.TextWidth(text)) {
            lines.back() += text;
            break;
        }
        const std::size_t blank = text.find(' ');
        const std::string_view word = blank == std::string_view::npos ? text : text.substr(0, blank + 1);
        const int wordWidth = surface.TextWidth(word);
        // An empty line stays the word's own: a word too wide for any line would otherwise leave
        // a blank line before it.
        if (wordWidth > width - position && !lines.back().empty()) {
            lines.emplace_back();
            position = 0;
        }
        lines.back() += word;
        position += wordWidth;
        text.remove_prefix(word.size());
    }
    return lines;
}

std::vector<std::string> WordWrap(std::string_view text, int width, const PrintSurface& surface,
                                  int maxLines) {
    std::vector<std::string> lines = WordWrap(text, width, surface);
    if (static_cast<int>(lines.size()) > maxLines)
        lines.resize(static_cast<std::size_t>(maxLines));
    return lines;
}

} // namespace qor
