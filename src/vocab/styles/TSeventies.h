#pragma once
// The typewriter presentation "DD": headword and meaning are typed character by character at a
// random place of a background page from the "SuperDD" folder, the meaning on the same line.

#include "platform/Fonts.h"
#include "vocab/styles/StyleScreen.h"
#include "vocab/styles/SuperItemSequence.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qor {

class StyleMusic;
class TSuperOptions;

struct SeventiesSettings {
    std::string folder;             // the style's page folder, ending with a separator
    std::string chosenPage;         // the option "DD": a page name without ".htx", may be empty
    std::vector<std::string> pages; // every background page, without ".htx"
    int textDelay = 2000;           // DDTextDelay, ms
    int charDelay = 40;             // DDCharDelay, ms
    int backgroundDelay = 60;       // DDBGRDelay, s; 0 keeps the page
};

SeventiesSettings SeventiesSettingsOf(const TSuperOptions& options);

// Plays a resolved recording file.
using PlayRecording = std::function<void(const std::string& file)>;

class TSeventies {
public:
    static constexpr int kTick = 50;
    static constexpr int kStartSize = 32;

    TSeventies(StyleScreen& screen, StyleMusic* music, const FontService& fonts, SuperItemSequence& items,
               SeventiesSettings settings, PlayRecording play);

    // Until Stop(); the page folder is given back at the end.
    void Run();
    void Stop() { m_stop = true; }

    const std::string& BackgroundPage() const { return m_page; }
    const std::string& TypedText() const { return m_text; }
    int TypedLength() const { return static_cast<int>(m_position); }
    int FontSize() const { return m_font.height; }
    int LineX() const { return m_lineX; }
    int LineY() const { return m_lineY; }

    // One check of the loop at the current time.
    void Tick();

private:
    void ShowBackground(const std::string& page);
    std::string OtherPage() const;
    void NextItems();
    void TypeNext();
    int Width(std::string_view text) const;

    StyleScreen& m_screen;
    StyleMusic* m_music;
    const FontService& m_fonts;
    SuperItemSequence& m_items;
    SeventiesSettings m_settings;
    PlayRecording m_play;

    std::string m_savedFolder;
    std::string m_page;
    std::string m_text;
    std::string m_pendingText;
    std::string m_recording;
    bool m_textIsHeadword = false;
    std::size_t m_position = 0;
    FontSpec m_font;
    int m_lineX = 0;
    int m_lineY = 0;
    int m_segmentX = 0; // where the text being typed began
    std::int64_t m_lastItem = 0;
    std::int64_t m_lastChar = 0;
    std::int64_t m_lastBackground = 0;
    bool m_started = false;
    bool m_stop = false;
};

} // namespace qor
