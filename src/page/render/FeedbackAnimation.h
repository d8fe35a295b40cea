#pragma once
// The feedback animation: a short text over a black field, trembling among random specks for a
// given time. This draws the frames; the page control runs the loop in real time (with its busy
// flag) and copies the buffer back afterwards.

#include "page/render/TXBitmap.h"
#include "platform/Fonts.h"

#include <functional>
#include <string>
#include <string_view>

namespace qor {

class FeedbackAnimation {
public:
    static constexpr int kInsetX = 80;
    static constexpr int kInsetY = 50;

    FeedbackAnimation(int width, int height, std::string_view text);

    // The first picture: all black, the text centred.
    void Begin();
    // One frame: the inner field black again, 4 to 7 specks, the text, and the text moved by
    // -2 … +2 pixels each way for the next frame.
    void Frame();
    // Frames until `nowMs()` has passed `durationMs` from the start; `present` shows each one.
    // Returns the number of frames drawn. Busy() holds while it runs.
    int Run(int durationMs, const std::function<long long()>& nowMs,
            const std::function<void(const TXBitmap&)>& present);

    const TXBitmap& Bitmap() const { return m_bitmap; }
    int TextX() const { return m_textX; }
    int TextY() const { return m_textY; }
    bool Busy() const { return m_busy; }
    static FontSpec Font();

private:
    void DrawSpeck();

    TXBitmap m_bitmap;
    std::string m_text;
    int m_textX = 0;
    int m_textY = 0;
    bool m_busy = false;
};

} // namespace qor
