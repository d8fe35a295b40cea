#include "app/super/LetterScatter.h"

#include "platform/Cp1252.h"

#include <string>

namespace qor {

int PointsToPixels(int points) {
    return points * 96 / 72;
}

LetterScatter::LetterScatter(SuperCanvas& canvas, RandomDraw random, LetterScatterLook look)
    : m_canvas(canvas), m_random(std::move(random)), m_look(look) {}

FontSpec LetterScatter::Font() const {
    FontSpec font;
    font.name = kScatterFonts[m_font];
    font.height = PointsToPixels(m_size);
    font.bold = m_bold;
    font.italic = m_italic;
    return font;
}

int LetterScatter::DrawSize(int cap) {
    const int smallest = m_canvas.Height() / 32;
    return smallest + m_random(m_random(cap - smallest));
}

bool LetterScatter::Draw(std::string_view source, const LetterPause& pause) {
    if (source.empty()) {
        m_canvas.Clear(m_look.background);
        return true;
    }
    const int madness = m_look.madness;
    const int width = m_canvas.Width();
    const int height = m_canvas.Height();
    const int smallest = height / 32;
    const int middle = height / 24;
    const int largest = height / 8;

    std::string text(source);
    if (madness > 9) {
        for (char& character : text)
            if (Chance(6))
                character = UpperCp1252(character);
    }

    m_bold = false;
    m_italic = false;
    m_font = m_random(2);
    const int cap = madness > 3 ? largest : middle;
    m_size = DrawSize(cap);

    int x = 0;
    const int textWidth = m_canvas.Measure(Font(), text).width;
    if (textWidth < width) {
        const int span = width - 2 * textWidth;
        x = span < 1 ? m_random(m_random(200)) : m_random(span);
    } else {
        x = m_random(width / 2);
    }
    int y = m_random(height / 2);

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char character = text[i];
        const FontSpec drawn = Font();
        m_canvas.DrawChar(x, y, drawn, character, m_look.textColour);
        if (pause && pause())
            return false;

        const TextMetrics metrics = m_canvas.Measure(drawn, std::string_view(&text[i], 1));
        const int characterWidth = metrics.width;
        const int characterHeight = metrics.height;
        x += characterWidth;
        if (madness > 1) {
            int extra = 0;
            if (madness >= 3) {
                extra = m_random(m_random(4 * characterWidth));
                if (Chance(60))
                    extra += m_random(6);
            }
            if (Chance(80))
                extra += 2;
            if (madness > 4 && character == ' ')
                x += 5;
            if (madness < 6 || m_random(5) < 4)
                x += extra;
            else
                x -= m_random(characterWidth) / 3;
        }

        if (madness > 8) {
            if (Chance(95)) {
                m_bold = false;
                m_italic = !Chance(95);
            } else {
                m_bold = true;
            }
        }

        if (madness > 3) {
            if (m_size > middle) {
                m_size = DrawSize(cap);
            } else if (Chance(10)) {
                const int range = madness < 7 ? m_size : 2 * m_size;
                const int jitter = m_random(m_random(m_random(range)));
                m_size = m_random(2) == 0 ? m_size - jitter : m_size + jitter;
                if (m_size <= smallest)
                    m_size = smallest + m_random(m_random(largest - smallest));
            }
        }

        if (madness > 1 && Chance(20))
            m_font = m_random(2);

        const bool hasNext = i + 1 < text.size();
        const int nextWidth = hasNext ? m_canvas.Measure(Font(), std::string_view(&text[i + 1], 1)).width : 0;
        if (hasNext && x >= width - 2 * nextWidth) {
            x -= m_random(m_random(width / 2));
            if (x >= width - 2 * nextWidth)
                x -= 50;
            if (x < 0)
                x = m_random(100);
            y += characterHeight + m_random(30) - m_random(10);
        } else if (madness > 4) {
            int shift =
                madness < 8 ? m_random(m_random(characterHeight)) : m_random(m_random(2 * characterHeight));
            if (m_random(100) > 10 * madness - 10)
                shift = 0;
            if (madness > 8 && Chance(5))
                shift += characterHeight;
            y = m_random(3) < 2 ? y + shift : y - shift;
        }

        if (hasNext) {
            if (y < 10)
                y = 10 + m_random(40);
            if (y > height - characterHeight - 10)
                y = height - characterHeight - m_random(30) - 10;
        }
    }
    return true;
}

} // namespace qor
