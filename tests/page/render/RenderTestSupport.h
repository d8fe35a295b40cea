#pragma once
// A page for the layout and painting tests: markup parsed with the fixed-advance fonts (every
// character of a size-3 word is 8 pixels wide, ascent 12, descent 4), laid out for an 800 × 572
// control and painted on demand. Pictures are made up from their names: "pic40x20.bmp" is a
// 40 × 20 picture filled with a colour of its own.

#include "page/markup/MarkupTestSupport.h"
#include "page/render/PageLayout.h"
#include "page/render/PagePainter.h"

#include <charconv>
#include <gtest/gtest.h>
#include <regex>

namespace qor::test {

inline bool MadeUpPicture(std::string_view path, bool, bool, TXBitmap& bitmap) {
    static const std::regex size(R"((\d+)x(\d+)\.bmp$)", std::regex::icase);
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_search(path.begin(), path.end(), match, size)) {
        return false;
    }
    const long long width = std::stoll(match[1].str());
    const long long height = std::stoll(match[2].str());
    // Like the real picture reader: more than 25 million pixels are refused.
    if (width <= 0 || height <= 0 || width * height > 25'000'000) {
        return false;
    }
    bitmap.Resize(static_cast<int>(width), static_cast<int>(height));
    bitmap.Fill(0x3060C0, ColourOrder::BlueHigh);
    return true;
}

struct LaidOutPage : TestPage {
    PageLayout layout;
    PagePainter painter{document, layout};
    MessageCapture messages;

    LaidOutPage() {
        SetFontService(nullptr);
        document.pictures.SetReader(MadeUpPicture);
    }

    void Lay(std::string_view markup, LayoutSettings settings = {}) {
        Parse(markup);
        layout.Run(document, settings);
    }

    void Paint(std::string_view markup) {
        Lay(markup);
        painter.Render();
    }

    // The first layout element whose text is `text`.
    const LayoutElement& Word(std::string_view text) const {
        for (const LayoutElement& element : layout.Elements()) {
            if (element.text == text) {
                return element;
            }
        }
        static const LayoutElement none;
        ADD_FAILURE() << "no element " << text;
        return none;
    }
};

} // namespace qor::test
