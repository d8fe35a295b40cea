#include "page/render/FeedbackAnimation.h"

#include "page/render/PaintHelpers.h"
#include "page/render/TXCanvas.h"
#include "platform/Random.h"

namespace qor {

namespace {

constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kGrey = 0x808080;

} // namespace

FontSpec FeedbackAnimation::Font() {
    FontSpec font;
    font.name = "Times New Roman";
    font.height = 48;
    font.heightIsCell = true;
    font.italic = true;
    return font;
}

FeedbackAnimation::FeedbackAnimation(int width, int height, std::string_view text)
    : m_bitmap(std::max(1, width), std::max(1, height)), m_text(text) {}

void FeedbackAnimation::Begin() {
    m_bitmap.Fill(0, ColourOrder::BlueHigh);
    const TextMetrics metrics = CurrentFontService().Measure(Font(), m_text);
    m_textX = (m_bitmap.Width() - metrics.width) / 2;
    m_textY = (m_bitmap.Height() - metrics.height) / 2;
    DrawTextAt(m_bitmap, m_textX, m_textY, Font(), m_text, 0xFFFFFF, 0);
}

void FeedbackAnimation::DrawSpeck() {
    const int fieldWidth = std::max(1, m_bitmap.Width() - 2 * kInsetX);
    const int fieldHeight = std::max(1, m_bitmap.Height() - 2 * kInsetY);
    TXCanvas canvas(m_bitmap);
    const Colour colour = RandomBelow(2) == 0 ? kSilver : kGrey;
    canvas.Pen().colour = colour;
    canvas.Brush().colour = colour;
    const int x = kInsetX + RandomBelow(fieldWidth);
    const int y = kInsetY + RandomBelow(fieldHeight);
    if (RandomBelow(2) == 0) {
        canvas.Rectangle(TXRect{x, y, x + 1 + RandomBelow(6), y + 1 + RandomBelow(8)});
    } else {
        canvas.Ellipse(TXRect{x, y, x + 1 + RandomBelow(10), y + 1 + RandomBelow(10)});
    }
}

void FeedbackAnimation::Frame() {
    TXCanvas(m_bitmap).FillRect(
        TXRect{kInsetX, kInsetY, m_bitmap.Width() - kInsetX, m_bitmap.Height() - kInsetY}, 0);
    const int specks = 4 + RandomBelow(4);
    for (int i = 0; i < specks; ++i) {
        DrawSpeck();
    }
    DrawTextAt(m_bitmap, m_textX, m_textY, Font(), m_text, 0xFFFFFF, 0);
    m_textX += RandomBelow(5) - 2;
    m_textY += RandomBelow(5) - 2;
}

int FeedbackAnimation::Run(int durationMs, const std::function<long long()>& nowMs,
                           const std::function<void(const TXBitmap&)>& present) {
    m_busy = true;
    Begin();
    const long long end = nowMs() + durationMs;
    int frames = 0;
    while (nowMs() < end) {
        Frame();
        ++frames;
        if (present) {
            present(m_bitmap);
        }
    }
    m_busy = false;
    return frames;
}

} // namespace qor
