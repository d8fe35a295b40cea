#pragma once
// The picture show "techno": the pictures of a folder, prepared once with the options' effect,
// tint and opacity, cross-faded or cut behind the headwords and meanings.

#include "page/render/TXBitmap.h"
#include "platform/Fonts.h"
#include "vocab/styles/StyleScreen.h"
#include "vocab/styles/SuperItemSequence.h"
#include "vocab/styles/TSeventies.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qor {

class StyleMusic;
class TSuperOptions;

struct TechnoSettings {
    std::string photoFolder;       // TechnoPhotoDir
    std::string font = "Verdana";  // TechnoSchrift, "Verdana" when empty
    int rand = 100;                // TechnoRand
    int mode = 0;                  // TechnoMode, the blend mode
    int frameDelay = 4000;         // TechnoFrameDelay, ms
    int textDelay = 3000;          // TechnoTextDelay, ms
    int speed = 1;                 // TechnoSpeed
    int transparency = 40;         // TechnoTransparenz, percent
    bool scrolling = false;        // TechnoScrolling
    bool fading = true;            // TechnoFading
    Colour background = 0x000000;  // TechnoBGRColor
    Colour textColour = 0xFFFFFF;  // TechnoTextColor
    Colour pictureTint = 0x990099; // TechnoBMPColor

    int Opacity() const { return (100 - transparency) * 255 / 100; }
    int CanvasHeight() const { return 534 - 2 * rand; }
};

TechnoSettings TechnoSettingsOf(const TSuperOptions& options);

// Reads a ".jpg" or ".bmp" picture; false when it cannot.
using PictureReader = std::function<bool(const std::string& path, TXBitmap& bitmap)>;
PictureReader PictureFileReader();

// The ".jpg" and ".bmp" files below `folder`, without any "vorschau.jpg".
std::vector<std::string> FindTechnoPictures(std::string_view folder);

class TTechnoStyle {
public:
    static constexpr int kFrameWidth = 800;
    static constexpr int kFpsInterval = 50;

    TTechnoStyle(StyleScreen& screen, StyleMusic* music, const FontService& fonts, SuperItemSequence& items,
                 TechnoSettings settings, PictureReader reader, PlayRecording play);

    // Collects the pictures; false when there are none.
    bool Create();
    // Prepares every picture, the progress bar on the surface growing with each.
    void Prepare();
    // Frame after frame until Stop() or Click().
    void Run();
    void Stop() { m_stop = true; }
    void Click() { m_stop = true; }

    const std::vector<std::string>& Pictures() const { return m_files; }
    const std::vector<TXBitmap>& Prepared() const { return m_prepared; }
    int CurrentPicture() const { return m_current; }
    int NextPicture() const { return m_next; }
    int FadeStep() const { return m_step; }
    int FadeSteps() const;
    int Frames() const { return m_frames; }

    // One frame at the current time (public for the tests).
    void Frame();

private:
    int OtherPicture(int besides) const;
    void DrawBackground(std::int64_t now);
    void DrawTexts(std::int64_t now);
    void DrawCentred(std::string_view text, int y);
    int FittedSize(std::string_view text) const;
    FontSpec FontOfSize(int size) const;

    StyleScreen& m_screen;
    StyleMusic* m_music;
    const FontService& m_fonts;
    SuperItemSequence& m_items;
    TechnoSettings m_settings;
    PictureReader m_reader;
    PlayRecording m_play;

    std::vector<std::string> m_files;
    std::vector<TXBitmap> m_prepared;
    TXBitmap m_frame;
    int m_current = 0;
    int m_next = 0;
    int m_step = 0;
    std::int64_t m_lastStep = 0;
    std::int64_t m_lastCut = 0;
    // Scrolling texts: the pair on screen and the headword's top line.
    SuperItem m_top;
    SuperItem m_bottom;
    int m_textY = 0;
    bool m_topPlayed = false;
    bool m_bottomPlayed = false;
    // Plain texts: the item shown and when it came.
    SuperItem m_shown;
    bool m_showing = false;
    std::int64_t m_lastText = 0;
    bool m_started = false;
    int m_frames = 0;
    std::int64_t m_fpsStart = 0;
    bool m_stop = false;
};

} // namespace qor
