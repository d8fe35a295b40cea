#pragma once
// The "abgedreht" drawing of one text: character by character in changing fonts, sizes and
// places, the more chaotic the higher the level (1..10).

#include "app/super/SuperCanvas.h"
#include "app/super/SuperColours.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace qor {

inline constexpr const char* kScatterFonts[2] = {"Times New Roman", "Arial"};

struct LetterScatterLook {
    int madness = 9;
    std::int32_t textColour = 0;
    std::int32_t background = 0xFFFFFF;
};

// After each character; true stops the drawing at once (the learner asked to stop).
using LetterPause = std::function<bool()>;

// Sizes are font sizes in points, as the fonts of the window are given.
int PointsToPixels(int points);

class LetterScatter {
public:
    LetterScatter(SuperCanvas& canvas, RandomDraw random, LetterScatterLook look);

    // An empty text clears the window instead; false when a pause stopped it.
    bool Draw(std::string_view text, const LetterPause& pause);

private:
    FontSpec Font() const;
    int DrawSize(int cap);
    bool Chance(int percent) { return m_random(100) < percent; }

    SuperCanvas& m_canvas;
    RandomDraw m_random;
    LetterScatterLook m_look;
    int m_size = 0;
    int m_font = 0;
    bool m_bold = false;
    bool m_italic = false;
};

} // namespace qor
