#pragma once
// What the presentation needs of its window: a surface to paint the fading band and the scattered
// letters on, text measuring, and the message loop with its clock. The Qt window is one back end;
// tests give a recording canvas and a virtual clock, so a whole fade runs instantly.

#include "platform/Fonts.h"

#include <cstdint>
#include <string_view>

namespace qor {

class SuperCanvas {
public:
    virtual ~SuperCanvas() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Colours are Windows colour values (red in the low byte).
    virtual void Clear(std::int32_t colour) = 0;
    // Fills the band of `height` rows at `top` with `background` and draws `text` centred in it;
    // the band reaches the window in one piece, so a fade never shows half a frame.
    virtual void PaintBand(int top, int height, std::int32_t background, const FontSpec& font,
                           std::string_view text, std::int32_t textColour) = 0;
    // One character with a transparent background, its cell's top-left corner at (x, y).
    virtual void DrawChar(int x, int y, const FontSpec& font, char character, std::int32_t colour) = 0;
    virtual TextMetrics Measure(const FontSpec& font, std::string_view text) const = 0;
};

class SuperLoop {
public:
    virtual ~SuperLoop() = default;
    // Handles the window messages waiting now: clicks, keys and the timer's own ticks.
    virtual void ProcessMessages() = 0;
    virtual std::int64_t Milliseconds() = 0;
    // Sleeps about `milliseconds` without handling messages.
    virtual void Wait(int milliseconds) = 0;
};

} // namespace qor
