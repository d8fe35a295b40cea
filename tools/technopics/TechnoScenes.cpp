#include "technopics/TechnoScenes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace qor::technopics {

namespace {

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A canvas of doubles, written into the bitmap at the end: soft shapes blend without rounding
// at every step.
class Canvas {
public:
    Canvas() : m_pixels(static_cast<std::size_t>(kWidth) * kHeight) {}

    Rgb& At(int x, int y) { return m_pixels[static_cast<std::size_t>(y) * kWidth + x]; }

    // Every row from top to bottom goes from `top` to `bottom`.
    void VerticalGradient(const Rgb& top, const Rgb& bottom, int from = 0, int to = kHeight) {
        for (int y = std::max(0, from); y < std::min(kHeight, to); ++y) {
            const Rgb colour = Mix(top, bottom, static_cast<double>(y - from) / std::max(1, to - from - 1));
            for (int x = 0; x < kWidth; ++x)
                At(x, y) = colour;
        }
    }

    // A disc with a soft edge of `soft` pixels, blended at `opacity`.
    void Disc(double cx, double cy, double radius, const Rgb& colour, double soft = 1.5,
              double opacity = 1.0) {
        Ellipse(cx, cy, radius, 1.0, colour, soft, opacity);
    }

    // A disc squeezed to `flat` of its height (a round table seen from the side).
    void Ellipse(double cx, double cy, double radius, double flat, const Rgb& colour, double soft = 1.5,
                 double opacity = 1.0) {
        const int x0 = std::max(0, static_cast<int>(cx - radius - soft));
        const int x1 = std::min(kWidth - 1, static_cast<int>(cx + radius + soft));
        const int y0 = std::max(0, static_cast<int>(cy - radius * flat - soft));
        const int y1 = std::min(kHeight - 1, static_cast<int>(cy + radius * flat + soft));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const double d = std::hypot(x - cx, (y - cy) / flat);
                const double cover = std::clamp((radius + soft - d) / (2 * soft), 0.0, 1.0) * opacity;
                if (cover > 0)
                    At(x, y) = Mix(At(x, y), colour, cover);
            }
        }
    }

    // Fills below the curve y = height(x) (columns from the curve down to the bottom).
    template <class Height> void FillBelow(Height height, const Rgb& colour) {
        for (int x = 0; x < kWidth; ++x) {
            const double top = height(x);
            for (int y = std::max(0, static_cast<int>(std::floor(top))); y < kHeight; ++y) {
                const double cover = std::clamp(y + 1 - top, 0.0, 1.0);
                At(x, y) = Mix(At(x, y), colour, cover);
            }
        }
    }

    void Rect(int left, int top, int right, int bottom, const Rgb& colour, double opacity = 1.0) {
        for (int y = std::max(0, top); y < std::min(kHeight, bottom); ++y) {
            for (int x = std::max(0, left); x < std::min(kWidth, right); ++x)
                At(x, y) = Mix(At(x, y), colour, opacity);
        }
    }

    TXBitmap ToBitmap() const {
        TXBitmap bitmap(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y) {
            std::uint8_t* row = bitmap.Row(y);
            for (int x = 0; x < kWidth; ++x) {
                const Rgb& p = m_pixels[static_cast<std::size_t>(y) * kWidth + x];
                row[3 * x] = static_cast<std::uint8_t>(std::clamp(std::lround(p.b), 0L, 255L));
                row[3 * x + 1] = static_cast<std::uint8_t>(std::clamp(std::lround(p.g), 0L, 255L));
                row[3 * x + 2] = static_cast<std::uint8_t>(std::clamp(std::lround(p.r), 0L, 255L));
            }
        }
        return bitmap;
    }

private:
    std::vector<Rgb> m_pixels;
};

// A sum of sines: hills and waves that look irregular but are the same in every build.
double Ridge(double x, double base, double amplitude, double phase) {
    return base + amplitude * (0.55 * std::sin(x / 97.0 + phase) + 0.3 * std::sin(x / 41.0 + 2 * phase) +
                               0.15 * std::sin(x / 17.0 + 3 * phase));
}

void Sunset(Canvas& c, std::mt19937& random) {
    c.VerticalGradient({38, 22, 78}, {250, 140, 60}, 0, 250);
    c.Disc(560, 235, 70, {255, 214, 120}, 3);
    c.VerticalGradient({200, 90, 70}, {30, 20, 60}, 250, kHeight);
    std::uniform_real_distribution<double> across(0, kWidth);
    for (int i = 0; i < 90; ++i) {
        const double y = 255 + i * 1.6;
        const double x = 560 + (across(random) - kWidth / 2.0) * (0.15 + i / 120.0);
        c.Rect(static_cast<int>(x - 40), static_cast<int>(y), static_cast<int>(x + 40),
               static_cast<int>(y + 1), {255, 200, 120}, 0.5 - i / 200.0);
    }
}

void Lavender(Canvas& c, std::mt19937&) {
    c.VerticalGradient({120, 170, 230}, {245, 225, 200}, 0, 170);
    c.FillBelow([](int x) { return Ridge(x, 150, 18, 0.7); }, {110, 130, 150});
    c.FillBelow([](int x) { return 170.0 + 0 * x; }, {120, 90, 160});
    // Rows of lavender running towards a vanishing point above the picture's middle.
    for (int y = 170; y < kHeight; ++y) {
        const double depth = (y - 160.0) / (kHeight - 160.0);
        for (int x = 0; x < kWidth; ++x) {
            const double u = (x - 400.0) / depth;
            // Far rows blur into one colour instead of a moiré.
            const double sharpness = std::clamp(depth * 4, 0.0, 1.0);
            const double stripe = 0.5 + 0.5 * std::cos(u / 22.0) * sharpness;
            c.At(x, y) = Mix({150, 110, 200}, {70, 110, 60}, stripe * stripe * 0.85);
        }
    }
    c.Disc(660, 70, 28, {255, 250, 225}, 4);
}

void ParisNight(Canvas& c, std::mt19937& random) {
    c.VerticalGradient({8, 14, 40}, {40, 50, 100});
    std::uniform_real_distribution<double> x(0, kWidth);
    std::uniform_real_distribution<double> y(0, 220);
    std::uniform_real_distribution<double> size(0.6, 1.8);
    for (int i = 0; i < 140; ++i)
        c.Disc(x(random), y(random), size(random), {250, 245, 220}, 0.8);
    c.Disc(120, 80, 36, {245, 240, 220}, 2);
    // The tower: a tapering silhouette with two platforms and an arch.
    const Rgb dark{6, 8, 20};
    for (int row = 60; row < kHeight; ++row) {
        const double t = (row - 60.0) / (kHeight - 60.0);
        const double half = 4 + 110 * t * t * t + 12 * t;
        c.Rect(static_cast<int>(520 - half), row, static_cast<int>(520 + half + 1), row + 1, dark);
    }
    c.Rect(470, 250, 571, 258, dark);
    c.Rect(490, 170, 551, 176, dark);
    c.Disc(520, kHeight + 20, 52, {40, 50, 100}, 1.5);
    c.FillBelow([](int x) { return Ridge(x, 350, 14, 2.1); }, {12, 14, 30});
    for (int i = 0; i < 40; ++i) {
        const int wx = static_cast<int>(x(random));
        c.Rect(wx, 360 + static_cast<int>(y(random)) / 8, wx + 4, 366 + static_cast<int>(y(random)) / 8,
               {255, 200, 90}, 0.9);
    }
}

void Tricolour(Canvas& c, std::mt19937&) {
    const Rgb blue{0, 50, 150};
    const Rgb white{245, 245, 245};
    const Rgb red{220, 40, 50};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // Three bands that wave like cloth in the wind.
            const double u = x + 40 * std::sin(y / 60.0 + x / 150.0);
            const double band = u / (kWidth / 3.0);
            Rgb colour = band < 1 ? Mix(blue, white, std::clamp((band - 0.9) * 10, 0.0, 1.0))
                                  : Mix(white, red, std::clamp((band - 1.9) * 10, 0.0, 1.0));
            const double shade = 0.82 + 0.18 * std::sin(y / 60.0 + x / 150.0 + 1.2);
            colour = {colour.r * shade, colour.g * shade, colour.b * shade};
            c.At(x, y) = colour;
        }
    }
}

void Alps(Canvas& c, std::mt19937&) {
    c.VerticalGradient({90, 150, 220}, {225, 235, 245}, 0, 260);
    c.VerticalGradient({225, 235, 245}, {225, 235, 245}, 260, kHeight);
    const Rgb layers[] = {{150, 170, 200}, {100, 125, 165}, {60, 85, 120}, {40, 70, 60}};
    for (int i = 0; i < 4; ++i) {
        const double base = 150 + i * 60;
        const double amplitude = 90 - i * 15;
        c.FillBelow([=](int x) { return Ridge(x + i * 130, base, amplitude, i * 1.3); }, layers[i]);
    }
    // Snow on the farthest peaks.
    for (int x = 0; x < kWidth; ++x) {
        const double top = Ridge(x, 150, 90, 0);
        for (int y = static_cast<int>(top); y < std::min(kHeight, static_cast<int>(top) + 14); ++y) {
            if (y >= 0 && top < 120)
                c.At(x, y) = Mix(c.At(x, y), {250, 250, 255}, 0.85);
        }
    }
}

void Cafe(Canvas& c, std::mt19937& random) {
    c.VerticalGradient({235, 205, 160}, {200, 150, 100});
    // The awning: red and white stripes with a scalloped edge.
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool red = ((x + y / 3) / 50) % 2 == 0;
            const double edge = 130 + 14 * std::abs(std::sin(x * 3.14159 / 50));
            if (y < edge)
                c.At(x, y) = red ? Rgb{200, 30, 40} : Rgb{245, 240, 230};
        }
    }
    c.Rect(0, 150, kWidth, 158, {90, 50, 30}, 0.5);
    // Round tables with their cups.
    std::uniform_int_distribution<int> cups(1, 2);
    for (int i = 0; i < 4; ++i) {
        const double cx = 110 + i * 195;
        c.Rect(static_cast<int>(cx - 4), 290, static_cast<int>(cx + 4), 385, {50, 45, 45});
        c.Ellipse(cx, 388, 30, 0.25, {50, 45, 45}, 1.5);
        c.Ellipse(cx, 292, 72, 0.3, {60, 55, 55}, 1.5);
        c.Ellipse(cx, 287, 70, 0.28, {230, 225, 215}, 1.5);
        for (int k = 0; k < cups(random); ++k) {
            const double cup = cx - 22 + 44 * k;
            c.Rect(static_cast<int>(cup - 9), 268, static_cast<int>(cup + 9), 284, {250, 250, 245});
            c.Ellipse(cup, 284, 9, 0.35, {250, 250, 245}, 1.0);
            c.Ellipse(cup, 268, 9, 0.35, {110, 65, 35}, 1.0);
        }
    }
}

using Painter = void (*)(Canvas&, std::mt19937&);

struct Scene {
    const char* file;
    Painter paint;
};

constexpr Scene kScenes[] = {
    {"01_sonnenuntergang.jpg", Sunset}, {"02_lavendel.jpg", Lavender}, {"03_paris_bei_nacht.jpg", ParisNight},
    {"04_trikolore.jpg", Tricolour},    {"05_alpen.jpg", Alps},        {"06_cafe.jpg", Cafe},
};

} // namespace

std::vector<std::string> SceneFileNames() {
    std::vector<std::string> names;
    for (const Scene& scene : kScenes)
        names.emplace_back(scene.file);
    return names;
}

TXBitmap PaintScene(int index) {
    Canvas canvas;
    std::mt19937 random(1000u + static_cast<unsigned>(index));
    if (index >= 0 && index < static_cast<int>(std::size(kScenes)))
        kScenes[index].paint(canvas, random);
    return canvas.ToBitmap();
}

} // namespace qor::technopics
