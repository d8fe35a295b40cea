#include "page/controls/PageAnchorLabel.h"

#include <algorithm>

namespace qor {

namespace {

constexpr int kFrameWidth = 1;
constexpr int kOffset = 8;
constexpr int kRightMargin = 8;
constexpr int kRightFallback = 24;
constexpr int kBottomMargin = 24;

int TextWidth(std::string_view text) {
    return CurrentFontService().Measure(AnchorLabelFont(), text).width;
}

// Appends the lines of one paragraph (no line breaks inside) to `lines`.
void WrapParagraph(std::string_view paragraph, std::vector<std::string>& lines) {
    std::string line;
    std::size_t at = 0;
    while (at < paragraph.size()) {
        const std::size_t blank = paragraph.find(' ', at);
        const std::size_t end = blank == std::string_view::npos ? paragraph.size() : blank;
        const std::string_view word = paragraph.substr(at, end - at);
        at = end + 1;
        if (word.empty()) {
            continue;
        }
        const std::string candidate = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (line.empty() || TextWidth(candidate) <= AnchorLabel::kWrapWidth) {
            line = candidate;
        } else {
            lines.push_back(std::move(line));
            line = std::string(word);
        }
    }
    lines.push_back(std::move(line));
}

} // namespace

FontSpec AnchorLabelFont() {
    FontSpec font;
    font.name = "Arial";
    font.height = 13;
    return font;
}

AnchorLabel LayoutAnchorLabel(std::string_view text) {
    AnchorLabel label;
    label.text = text;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n", at);
        WrapParagraph(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at),
                      label.lines);
        if (end == std::string_view::npos) {
            break;
        }
        at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    const TextMetrics metrics = CurrentFontService().Measure(AnchorLabelFont(), "Ag");
    label.lineHeight = std::max(1, metrics.height);
    int widest = 0;
    for (const std::string& line : label.lines) {
        widest = std::max(widest, TextWidth(line));
    }
    const int border = 2 * (AnchorLabel::kPadding + kFrameWidth);
    label.rect = PageRect::FromSize(0, 0, widest + border,
                                    static_cast<int>(label.lines.size()) * label.lineHeight + border);
    return label;
}

void PlaceAnchorLabel(AnchorLabel& label, const PageRect& reference, int clientWidth, int clientHeight,
                      int bufferWidth) {
    const int width = label.rect.right - label.rect.left;
    const int height = label.rect.bottom - label.rect.top;
    int x = SaturatedAdd(reference.left, kOffset);
    int y = SaturatedAdd(reference.bottom, kOffset);
    if (SaturatedAdd(x, width) > clientWidth - kRightMargin) {
        x = bufferWidth - width - kRightFallback;
    }
    if (SaturatedAdd(y, height) > clientHeight - kBottomMargin) {
        y = reference.top - height - kOffset;
    }
    label.rect = PageRect::FromSize(x, y, width, height);
}

} // namespace qor
