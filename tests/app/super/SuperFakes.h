#pragma once
// A canvas that remembers what was painted and a message loop on a virtual clock, on which
// scripted clicks arrive at chosen times.

#include "app/super/SuperCanvas.h"

#include <functional>
#include <string>
#include <vector>

namespace qor::test {

struct DrawnChar {
    int x;
    int y;
    char character;
};

class RecordingCanvas : public SuperCanvas {
public:
    int Width() const override { return 800; }
    int Height() const override { return 600; }
    void Clear(std::int32_t colour) override { clears.push_back(colour); }
    void PaintBand(int, int, std::int32_t background, const FontSpec&, std::string_view text,
                   std::int32_t textColour) override {
        ++bands;
        lastBackground = background;
        lastText = textColour;
        bandText = std::string(text);
    }
    void DrawChar(int x, int y, const FontSpec&, char character, std::int32_t) override {
        chars.push_back({x, y, character});
    }
    TextMetrics Measure(const FontSpec& font, std::string_view text) const override {
        return fonts.Measure(font, text);
    }

    FixedAdvanceFonts fonts;
    std::vector<std::int32_t> clears;
    std::vector<DrawnChar> chars;
    int bands = 0;
    std::int32_t lastBackground = -1;
    std::int32_t lastText = -1;
    std::string bandText;
};

class VirtualLoop : public SuperLoop {
public:
    void ProcessMessages() override {
        ++processed;
        if (onMessages)
            onMessages(now);
    }
    std::int64_t Milliseconds() override { return now; }
    void Wait(int milliseconds) override { now += milliseconds; }

    std::int64_t now = 0;
    long processed = 0;
    std::function<void(std::int64_t)> onMessages;
};

} // namespace qor::test
