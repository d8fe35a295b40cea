#include "vocab/styles/TTechnoStyle.h"

#include "page/sources/PictureFile.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/WinPath.h"
#include "settings/FileSearch.h"
#include "settings/TSuperOptions.h"
#include "vocab/styles/BingoRules.h"
#include "vocab/styles/StyleMusic.h"

#include <algorithm>
#include <cstdio>

namespace qor {

namespace {

constexpr int kLineGap = 20;
constexpr int kFrameY = 19;
constexpr int kFrameWait = 10;
// The progress bar under the "Loading..." text of the waiting screen.
constexpr StyleRect kProgressBar{200, 300, 600, 308};

PixelSurface PixelsOf(TXBitmap& bitmap) {
    return PixelSurface{bitmap.Row(0), bitmap.Width(), bitmap.Height(), bitmap.Stride()};
}

} // namespace

TechnoSettings TechnoSettingsOf(const TSuperOptions& options) {
    TechnoSettings settings;
    settings.photoFolder = options.Text(SuperText::TechnoPhotoDir);
    if (!options.Text(SuperText::TechnoSchrift).empty())
        settings.font = options.Text(SuperText::TechnoSchrift);
    settings.rand = options.Integer(SuperInt::TechnoRand);
    settings.mode = options.Integer(SuperInt::TechnoMode);
    settings.frameDelay = options.Integer(SuperInt::TechnoFrameDelay);
    settings.textDelay = options.Integer(SuperInt::TechnoTextDelay);
    settings.speed = options.Integer(SuperInt::TechnoSpeed);
    settings.transparency = options.Integer(SuperInt::TechnoTransparenz);
    settings.scrolling = options.Flag(SuperFlag::TechnoScrolling);
    settings.fading = options.Flag(SuperFlag::TechnoFading);
    settings.background = options.Colour(SuperColour::TechnoBGRColor);
    settings.textColour = options.Colour(SuperColour::TechnoTextColor);
    settings.pictureTint = options.Colour(SuperColour::TechnoBMPColor);
    return settings;
}

PictureReader PictureFileReader() {
    return [](const std::string& path, TXBitmap& bitmap) {
        const bool jpeg = SameTextInsensitive(ExtensionPart(path), ".jpg");
        return ReadPictureFile(path, jpeg, false, bitmap);
    };
}

std::vector<std::string> FindTechnoPictures(std::string_view folder) {
    std::vector<std::string> pictures;
    if (folder.empty())
        return pictures;
    for (std::string& file : FindFilesByExtension(folder, {".jpg", ".bmp"})) {
        if (!SameTextInsensitive(FileNamePart(file), "vorschau.jpg"))
            pictures.push_back(std::move(file));
    }
    return pictures;
}

TTechnoStyle::TTechnoStyle(StyleScreen& screen, StyleMusic* music, const FontService& fonts,
                           SuperItemSequence& items, TechnoSettings settings, PictureReader reader,
                           PlayRecording play)
    : m_screen(screen), m_music(music), m_fonts(fonts), m_items(items), m_settings(std::move(settings)),
      m_reader(std::move(reader)), m_play(std::move(play)) {}

bool TTechnoStyle::Create() {
    m_files = FindTechnoPictures(m_settings.photoFolder);
    return !m_files.empty();
}

// [SECTION] Preparation

void TTechnoStyle::Prepare() {
    m_prepared.clear();
    const int height = std::max(1, m_settings.CanvasHeight());
    const int total = static_cast<int>(m_files.size());
    TXBitmap& surface = m_screen.Surface();
    for (int i = 0; i < total; ++i) {
        TXBitmap picture;
        if (m_reader && m_reader(m_files[i], picture) && !picture.Empty()) {
            TXBitmap canvas(kFrameWidth, height);
            canvas.Fill(m_settings.background, ColourOrder::BlueHigh);
            canvas.SetXAlpha(m_settings.Opacity());
            canvas.SetXColor(m_settings.pictureTint);
            canvas.BlendedDraw((kFrameWidth - picture.Width()) / 2, (height - picture.Height()) / 2,
                               m_settings.mode, picture);
            canvas.SetXAlpha(255);
            m_prepared.push_back(std::move(canvas));
        }
        const int filled = kProgressBar.Width() * (i + 1) / total;
        surface.SetXAlpha(255);
        surface.TranslucentRectangle(kProgressBar.left, kProgressBar.top, kProgressBar.left + filled,
                                     kProgressBar.bottom, 0xFFFFFF);
        m_screen.Present();
        m_screen.ProcessMessages();
    }
    // Files that would not load leave nothing behind; the show needs one picture to draw.
    if (m_prepared.empty()) {
        TXBitmap blank(kFrameWidth, height);
        blank.Fill(m_settings.background, ColourOrder::BlueHigh);
        m_prepared.push_back(std::move(blank));
    }
}

// [SECTION] Frames

int TTechnoStyle::OtherPicture(int besides) const {
    const int count = static_cast<int>(m_prepared.size());
    if (count < 2)
        return 0;
    const int drawn = RandomBelow(count - 1);
    return drawn >= besides ? drawn + 1 : drawn;
}

int TTechnoStyle::FadeSteps() const {
    const int speed = m_settings.speed > 0 ? m_settings.speed : 1;
    return std::max(1, m_settings.Opacity() / speed);
}

void TTechnoStyle::Run() {
    if (m_prepared.empty())
        Prepare();
    if (m_music)
        m_music->Start();
    m_frame.Resize(kFrameWidth, std::max(1, m_settings.CanvasHeight()));
    m_current = RandomBelow(static_cast<int>(m_prepared.size()));
    m_next = OtherPicture(m_current);
    m_fpsStart = m_screen.Milliseconds();
    MusicPoll music(m_music);
    while (!m_stop) {
        Frame();
        music.Poll(m_screen.Milliseconds());
        m_screen.ProcessMessages();
        m_screen.Wait(kFrameWait);
    }
    if (m_music)
        m_music->Stop();
}

void TTechnoStyle::Frame() {
    if (m_frame.Empty())
        m_frame.Resize(kFrameWidth, std::max(1, m_settings.CanvasHeight()));
    const std::int64_t now = m_screen.Milliseconds();
    if (!m_started) {
        m_started = true;
        m_lastStep = m_lastCut = m_lastText = now;
        m_textY = m_frame.Height();
    }
    DrawBackground(now);
    DrawTexts(now);
    TXBitmap& surface = m_screen.Surface();
    surface.SetXAlpha(255);
    surface.BlendedDraw(0, m_settings.rand + kFrameY, 0, m_frame);
    ++m_frames;
    if (m_frames % kFpsInterval == 0) {
        const double seconds = static_cast<double>(now - m_fpsStart) / 1000.0;
        char fps[32];
        std::snprintf(fps, sizeof fps, "%2.1f fps ", seconds > 0 ? kFpsInterval / seconds : 0.0);
        m_fpsStart = now;
        FontSpec font;
        font.name = "courier new";
        font.height = 10;
        PixelSurface pixels = PixelsOf(surface);
        surface.TranslucentRectangle(10, 544, 10 + m_fonts.Measure(font, fps).width, 544 + 12, 0x000000);
        m_fonts.DrawText(pixels, 10, 544, font, fps, 0x808080);
    }
    m_screen.Present();
}

void TTechnoStyle::DrawBackground(std::int64_t now) {
    const int count = static_cast<int>(m_prepared.size());
    m_current = std::clamp(m_current, 0, count - 1);
    m_next = std::clamp(m_next, 0, count - 1);
    if (!m_settings.fading) {
        if (now - m_lastCut >= m_settings.frameDelay) {
            m_lastCut = now;
            m_current = OtherPicture(m_current);
        }
        m_frame.SetXAlpha(255);
        m_frame.BlendedDraw(0, 0, 0, m_prepared[m_current]);
        return;
    }
    const int steps = FadeSteps();
    if (m_settings.speed > 0) {
        ++m_step;
    } else if (now - m_lastStep >= 40 - 40 * m_settings.speed) {
        m_lastStep = now;
        ++m_step;
    }
    if (m_step >= steps) {
        m_step = 0;
        m_current = m_next;
        m_next = OtherPicture(m_current);
    }
    m_frame.Fill(m_settings.background, ColourOrder::BlueHigh);
    m_frame.SetXAlpha(255 - 255 * m_step / steps);
    m_frame.BlendedDraw(0, 0, 0, m_prepared[m_current]);
    m_frame.SetXAlpha(255 * m_step / steps);
    m_frame.BlendedDraw(0, 0, 0, m_prepared[m_next]);
    m_frame.SetXAlpha(255);
}

// [SECTION] Texts

FontSpec TTechnoStyle::FontOfSize(int size) const {
    FontSpec font;
    font.name = m_settings.font.empty() ? std::string("Verdana") : m_settings.font;
    font.height = size;
    return font;
}

int TTechnoStyle::FittedSize(std::string_view text) const {
    return FittingSize(m_fonts, FontOfSize(kStyleTextSize), text, kStyleTextSize, kFrameWidth,
                       kStyleTextMargin);
}

void TTechnoStyle::DrawCentred(std::string_view text, int y) {
    if (text.empty())
        return;
    const FontSpec font = FontOfSize(FittedSize(text));
    const int width = m_fonts.Measure(font, text).width;
    PixelSurface pixels = PixelsOf(m_frame);
    m_fonts.DrawText(pixels, (kFrameWidth - width) / 2, y, font, text, m_settings.textColour);
}

void TTechnoStyle::DrawTexts(std::int64_t now) {
    const int height = m_frame.Height();
    if (m_settings.scrolling) {
        const int lineHeight = m_fonts.Measure(FontOfSize(kStyleTextSize), "*").height;
        const int meaningY = m_textY + lineHeight + kLineGap;
        if (meaningY + lineHeight < 0 || m_top.text.empty()) {
            m_top = m_items.Next();
            m_bottom = m_items.Next();
            m_textY = height;
            m_topPlayed = m_bottomPlayed = false;
        }
        auto playWhenPastMiddle = [&](const SuperItem& item, int y, bool& played) {
            if (!played && y + lineHeight / 2 <= height / 2) {
                played = true;
                if (!item.recording.empty() && m_play)
                    m_play(item.recording);
            }
        };
        DrawCentred(m_top.text, m_textY);
        DrawCentred(m_bottom.text, m_textY + lineHeight + kLineGap);
        playWhenPastMiddle(m_top, m_textY, m_topPlayed);
        playWhenPastMiddle(m_bottom, m_textY + lineHeight + kLineGap, m_bottomPlayed);
        --m_textY;
        return;
    }
    if (m_showing && now - m_lastText >= m_settings.textDelay) {
        m_showing = false;
        m_lastText = now;
    } else if (!m_showing && (m_shown.text.empty() || now - m_lastText >= m_settings.textDelay / 2)) {
        m_shown = m_items.Next();
        m_showing = true;
        m_lastText = now;
        if (!m_shown.recording.empty() && m_play)
            m_play(m_shown.recording);
    }
    if (m_showing) {
        const int lineHeight = m_fonts.Measure(FontOfSize(FittedSize(m_shown.text)), m_shown.text).height;
        DrawCentred(m_shown.text, (height - lineHeight) / 2);
    }
}

} // namespace qor
