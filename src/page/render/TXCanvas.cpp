#include "page/render/TXCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace qor {

namespace {

Colour Inverted(Colour colour) {
    return ~colour & 0xFFFFFF;
}

} // namespace

TXCanvas::TXCanvas(TXBitmap& bitmap) : m_bitmap(bitmap) {}

void TXCanvas::SetOrigin(int x, int y) {
    m_originX = x;
    m_originY = y;
}

void TXCanvas::SetClip(const TXRect& clip) {
    m_clip =
        Box{clip.left + m_originX, clip.top + m_originY, clip.right + m_originX, clip.bottom + m_originY};
}

void TXCanvas::ClearClip() {
    m_clip.reset();
}

TXCanvas::State TXCanvas::Save() const {
    State state;
    state.originX = m_originX;
    state.originY = m_originY;
    state.clip = m_clip;
    state.pen = m_pen;
    state.brush = m_brush;
    state.font = m_font;
    return state;
}

void TXCanvas::Restore(const State& state) {
    m_originX = state.originX;
    m_originY = state.originY;
    m_clip = state.clip;
    m_pen = state.pen;
    m_brush = state.brush;
    m_font = state.font;
}

void TXCanvas::EnterArea(int x, int y, int width, int height) {
    const Box outer = DeviceClip();
    m_originX += x;
    m_originY += y;
    m_clip = Box{std::max(outer.left, m_originX), std::max(outer.top, m_originY),
                 std::min(outer.right, m_originX + width), std::min(outer.bottom, m_originY + height)};
}

TXCanvas::Box TXCanvas::DeviceClip() const {
    Box box{0, 0, m_bitmap.Width(), m_bitmap.Height()};
    if (m_clip) {
        box.left = std::max(box.left, m_clip->left);
        box.top = std::max(box.top, m_clip->top);
        box.right = std::min(box.right, m_clip->right);
        box.bottom = std::min(box.bottom, m_clip->bottom);
    }
    return box;
}

Colour TXCanvas::Pixel(int x, int y) const {
    return m_bitmap.Pixel(x + m_originX, y + m_originY);
}

void TXCanvas::SetPixel(int x, int y, Colour colour) {
    Plot(x + m_originX, y + m_originY, colour, PenMode::Copy, DeviceClip());
}

void TXCanvas::Plot(int deviceX, int deviceY, Colour colour, PenMode mode, const Box& clip) {
    if (deviceX < clip.left || deviceX >= clip.right || deviceY < clip.top || deviceY >= clip.bottom)
        return;
    if (mode == PenMode::Invert)
        colour = Inverted(m_bitmap.Pixel(deviceX, deviceY));
    m_bitmap.SetPixel(deviceX, deviceY, colour);
}

void TXCanvas::FillSpan(int y, int x1, int x2, Colour colour, const Box& clip) {
    // Device coordinates, [x1, x2).
    if (y < clip.top || y >= clip.bottom)
        return;
    x1 = std::max(x1, clip.left);
    x2 = std::min(x2, clip.right);
    if (x1 >= x2)
        return;
    PixelRun(colour).Fill(m_bitmap.Row(y) + 3 * x1, x2 - x1);
}

// [SECTION] Areas

void TXCanvas::FillRect(const TXRect& rect) {
    if (!m_brush.none)
        FillRect(rect, m_brush.colour);
}

void TXCanvas::FillRect(const TXRect& rect, Colour colour) {
    const Box clip = DeviceClip();
    // Device coordinates; 64 bits, as a rectangle near the int limits may lie anywhere.
    const int x1 = static_cast<int>(std::max<long long>(clip.left, 0LL + rect.left + m_originX));
    const int x2 = static_cast<int>(std::min<long long>(clip.right, 0LL + rect.right + m_originX));
    const int y1 = static_cast<int>(std::max<long long>(clip.top, 0LL + rect.top + m_originY));
    const int y2 = static_cast<int>(std::min<long long>(clip.bottom, 0LL + rect.bottom + m_originY));
    if (x1 >= x2 || y1 >= y2)
        return;
    const PixelRun run(colour);
    for (int y = y1; y < y2; ++y)
        run.Fill(m_bitmap.Row(y) + 3 * x1, x2 - x1);
}

void TXCanvas::FrameRect(const TXRect& rect) {
    if (rect.Empty() || m_brush.none)
        return;
    const Colour colour = m_brush.colour;
    FillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void TXCanvas::Rectangle(const TXRect& rect) {
    if (rect.Empty())
        return;
    if (m_pen.none) {
        FillRect(rect);
        return;
    }
    const int w = std::max(1, m_pen.width);
    FillRect({rect.left + w, rect.top + w, rect.right - w, rect.bottom - w});
    const Colour colour = m_pen.colour;
    FillRect({rect.left, rect.top, rect.right, rect.top + w}, colour);
    FillRect({rect.left, rect.bottom - w, rect.right, rect.bottom}, colour);
    FillRect({rect.left, rect.top + w, rect.left + w, rect.bottom - w}, colour);
    FillRect({rect.right - w, rect.top + w, rect.right, rect.bottom - w}, colour);
}

void TXCanvas::Ellipse(const TXRect& rect) {
    if (rect.Empty())
        return;
    // Pixel centres inside the ellipse through the outermost pixels of the rectangle; the pen
    // draws the inside pixels that have a 4-neighbour outside.
    const double cx = (rect.left + rect.right - 1) / 2.0;
    const double cy = (rect.top + rect.bottom - 1) / 2.0;
    const double rx = rect.Width() / 2.0;
    const double ry = rect.Height() / 2.0;
    auto inside = [&](int x, int y) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    const Box clip = DeviceClip();
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (!inside(x, y))
                continue;
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (edge && !m_pen.none)
                Plot(x + m_originX, y + m_originY, m_pen.colour, m_pen.mode, clip);
            else if (!m_brush.none)
                Plot(x + m_originX, y + m_originY, m_brush.colour, PenMode::Copy, clip);
        }
    }
}

void TXCanvas::Polygon(std::span<const TXPoint> points) {
    if (points.size() < 2)
        return;
    if (!m_brush.none && points.size() >= 3) {
        int top = points[0].y, bottom = points[0].y;
        for (const TXPoint& p : points) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        const Box clip = DeviceClip();
        std::vector<double> crossings;
        for (int y = top; y <= bottom; ++y) {
            crossings.clear();
            for (std::size_t i = 0; i < points.size(); ++i) {
                const TXPoint& a = points[i];
                const TXPoint& b = points[(i + 1) % points.size()];
                if (a.y == b.y)
                    continue;
                const int low = std::min(a.y, b.y);
                const int high = std::max(a.y, b.y);
                // Half-open in y, so that a shared vertex is counted once; the bottom row is added
                // below by the outline.
                if (y < low || y >= high)
                    continue;
                crossings.push_back(a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
                const int x1 = static_cast<int>(std::ceil(crossings[i]));
                const int x2 = static_cast<int>(std::floor(crossings[i + 1])) + 1;
                FillSpan(y + m_originY, x1 + m_originX, x2 + m_originX, m_brush.colour, clip);
            }
        }
    }
    if (!m_pen.none) {
        // The outline is closed and, unlike a polyline, includes every vertex.
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TXPoint& a = points[i];
            const TXPoint& b = points[(i + 1) % points.size()];
            DrawLine(a.x, a.y, b.x, b.y, m_pen.mode == PenMode::Invert);
        }
    }
}

// [SECTION] Lines

void TXCanvas::PenDot(int x, int y, const Box& clip) {
    const int w = std::max(1, m_pen.width);
    const int x0 = x + m_originX - (w - 1) / 2;
    const int y0 = y + m_originY - (w - 1) / 2;
    for (int dy = 0; dy < w; ++dy)
        for (int dx = 0; dx < w; ++dx)
            Plot(x0 + dx, y0 + dy, m_pen.colour, m_pen.mode, clip);
}

void TXCanvas::DrawLine(int x1, int y1, int x2, int y2, bool inverted) {
    const Box clip = DeviceClip();
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1, y = y1;
    while (x != x2 || y != y2) {
        if (inverted)
            Plot(x + m_originX, y + m_originY, 0, PenMode::Invert, clip);
        else
            PenDot(x, y, clip);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void TXCanvas::MoveTo(int x, int y) {
    m_position = {x, y};
}

void TXCanvas::LineTo(int x, int y) {
    if (!m_pen.none)
        DrawLine(m_position.x, m_position.y, x, y, m_pen.mode == PenMode::Invert && m_pen.width <= 1);
    m_position = {x, y};
}

void TXCanvas::Line(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

void TXCanvas::Polyline(std::span<const TXPoint> points) {
    if (points.empty())
        return;
    MoveTo(points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i)
        LineTo(points[i].x, points[i].y);
}

void TXCanvas::InvertLine(int x1, int y1, int x2, int y2) {
    DrawLine(x1, y1, x2, y2, true);
}

// [SECTION] Text

void TXCanvas::TextOut(int x, int y, std::string_view text) {
    TextOut(x, y, text, m_font.colour);
}

void TXCanvas::TextOut(int x, int y, std::string_view text, Colour colour) {
    if (m_bitmap.Empty() || text.empty())
        return;
    const Box box = DeviceClip();
    if (box.right <= box.left || box.bottom <= box.top)
        return;
    PixelSurface surface{m_bitmap.Row(0), m_bitmap.Width(), m_bitmap.Height(), m_bitmap.Stride()};
    ClipRect clip{box.left, box.top, box.right - box.left, box.bottom - box.top};
    CurrentFontService().DrawText(surface, x + m_originX, y + m_originY, m_font.face, text, colour, &clip);
}

int TXCanvas::TextWidth(std::string_view text) const {
    return CurrentFontService().Measure(m_font.face, text).width;
}

int TXCanvas::TextHeight(std::string_view text) const {
    return CurrentFontService().Measure(m_font.face, text).height;
}

std::vector<std::string> TXCanvas::WrapText(std::string_view text, int width) const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view paragraph = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.remove_suffix(1);
        std::string line;
        std::size_t pos = 0;
        bool any = false;
        while (pos < paragraph.size()) {
            std::size_t blank = paragraph.find(' ', pos);
            std::string_view word =
                paragraph.substr(pos, blank == std::string_view::npos ? blank : blank - pos);
            pos = blank == std::string_view::npos ? paragraph.size() : blank + 1;
            if (word.empty())
                continue;
            std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
            if (line.empty() || TextWidth(candidate) <= width) {
                line = std::move(candidate);
            } else {
                lines.push_back(std::move(line));
                line = std::string(word);
            }
            any = true;
        }
        if (any || end != std::string_view::npos)
            lines.push_back(std::move(line));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return lines;
}

int TXCanvas::WrappedTextHeight(std::string_view text, int width) const {
    return static_cast<int>(WrapText(text, width).size()) * TextHeight("Wg");
}

int TXCanvas::DrawTextWrapped(const TXRect& rect, std::string_view text) {
    const std::vector<std::string> lines = WrapText(text, rect.Width());
    const int lineHeight = TextHeight("Wg");
    const std::optional<Box> savedClip = m_clip;
    const Box outer = DeviceClip();
    Box inner{std::max(outer.left, rect.left + m_originX), std::max(outer.top, rect.top + m_originY),
              std::min(outer.right, rect.right + m_originX), std::min(outer.bottom, rect.bottom + m_originY)};
    m_clip = inner;
    int y = rect.top;
    for (const std::string& line : lines) {
        TextOut(rect.left + (rect.Width() - TextWidth(line)) / 2, y, line);
        y += lineHeight;
    }
    m_clip = savedClip;
    return static_cast<int>(lines.size()) * lineHeight;
}

// [SECTION] Pictures

void TXCanvas::Draw(int x, int y, const TXBitmap& source) {
    CopyRect({x, y, x + source.Width(), y + source.Height()}, source,
             {0, 0, source.Width(), source.Height()});
}

void TXCanvas::CopyRect(const TXRect& to, const TXBitmap& source, const TXRect& from) {
    if (to.Empty() || from.Empty() || source.Empty())
        return;
    const Box clip = DeviceClip();
    // The part of `to` that the clip leaves, in canvas coordinates.
    const int xBegin = std::max(to.left, clip.left - m_originX);
    const int xEnd = std::min(to.right, clip.right - m_originX);
    const int yBegin = std::max(to.top, clip.top - m_originY);
    const int yEnd = std::min(to.bottom, clip.bottom - m_originY);
    if (xBegin >= xEnd || yBegin >= yEnd)
        return;
    const long long tw = to.Width(), th = to.Height(), fw = from.Width(), fh = from.Height();
    if (tw == fw && th == fh) {
        // Same size, the usual case (saving and restoring page areas): whole rows at a time.
        const int shiftX = from.left - to.left;
        const int shiftY = from.top - to.top;
        const int x1 = std::max(xBegin, -shiftX);
        const int x2 = std::min(xEnd, source.Width() - shiftX);
        if (x1 >= x2)
            return;
        for (int y = yBegin; y < yEnd; ++y) {
            const int sy = y + shiftY;
            if (sy < 0 || sy >= source.Height())
                continue;
            std::memmove(m_bitmap.Row(y + m_originY) + 3 * (x1 + m_originX),
                         source.Row(sy) + 3 * (x1 + shiftX), static_cast<std::size_t>(x2 - x1) * 3);
        }
        return;
    }
    for (int y = yBegin; y < yEnd; ++y) {
        const int sy = from.top + static_cast<int>(((y - to.top) * 2LL + 1) * fh / (2 * th));
        if (sy < 0 || sy >= source.Height())
            continue;
        const std::uint8_t* sourceRow = source.Row(sy);
        std::uint8_t* targetRow = m_bitmap.Row(y + m_originY);
        for (int x = xBegin; x < xEnd; ++x) {
            const int sx = from.left + static_cast<int>(((x - to.left) * 2LL + 1) * fw / (2 * tw));
            if (sx < 0 || sx >= source.Width())
                continue;
            const std::uint8_t* s = sourceRow + 3 * sx;
            std::uint8_t* t = targetRow + 3 * (x + m_originX);
            t[0] = s[0];
            t[1] = s[1];
            t[2] = s[2];
        }
    }
}

void TXCanvas::StretchDraw(const TXRect& to, const TXBitmap& source) {
    CopyRect(to, source, {0, 0, source.Width(), source.Height()});
}

} // namespace qor
