#include "vocab/styles/TSeventies.h"

#include "platform/Random.h"
#include "platform/WinPath.h"
#include "settings/TSuperOptions.h"
#include "vocab/styles/StyleMusic.h"

#include <algorithm>

namespace qor {

SeventiesSettings SeventiesSettingsOf(const TSuperOptions& options) {
    SeventiesSettings settings;
    settings.folder = WithTrailingSeparator(options.DDFolder());
    settings.chosenPage = options.Text(SuperText::DD);
    settings.pages = options.DDPages();
    settings.textDelay = options.Integer(SuperInt::DDTextDelay);
    settings.charDelay = options.Integer(SuperInt::DDCharDelay);
    settings.backgroundDelay = options.Integer(SuperInt::DDBGRDelay);
    return settings;
}

TSeventies::TSeventies(StyleScreen& screen, StyleMusic* music, const FontService& fonts,
                       SuperItemSequence& items, SeventiesSettings settings, PlayRecording play)
    : m_screen(screen), m_music(music), m_fonts(fonts), m_items(items), m_settings(std::move(settings)),
      m_play(std::move(play)) {
    m_font.name = "Courier New";
    m_font.height = kStartSize;
}

int TSeventies::Width(std::string_view text) const {
    return m_fonts.Measure(m_font, text).width;
}

std::string TSeventies::OtherPage() const {
    std::vector<std::string> others;
    for (const std::string& page : m_settings.pages) {
        if (page != m_page)
            others.push_back(page);
    }
    if (others.empty())
        return m_page;
    return others[RandomBelow(static_cast<int>(others.size()))];
}

void TSeventies::ShowBackground(const std::string& page) {
    if (page.empty())
        return;
    m_page = page;
    m_screen.LoadPage(page + ".htx");
    m_lastBackground = m_screen.Milliseconds();
}

void TSeventies::Run() {
    if (m_music)
        m_music->Start();
    m_savedFolder = m_screen.PageFolder();
    m_screen.SetPageFolder(m_settings.folder);
    const std::string& chosen = m_settings.chosenPage;
    if (!chosen.empty() && FileExists(m_settings.folder + chosen + ".htx"))
        ShowBackground(chosen);
    else
        ShowBackground(OtherPage());
    m_screen.Present();
    MusicPoll music(m_music);
    while (!m_stop) {
        Tick();
        music.Poll(m_screen.Milliseconds());
        WaitProcessing(m_screen, kTick, [this] { return m_stop; });
    }
    m_screen.SetPageFolder(m_savedFolder);
    if (m_music)
        m_music->Stop();
}

void TSeventies::Tick() {
    const std::int64_t now = m_screen.Milliseconds();
    if (!m_started || now - m_lastItem >= m_settings.textDelay) {
        m_started = true;
        m_lastItem = now;
        NextItems();
    }
    if (now - m_lastChar >= m_settings.charDelay && m_position < m_text.size()) {
        m_lastChar = now;
        TypeNext();
    }
}

void TSeventies::NextItems() {
    if (!m_pendingText.empty()) {
        // The meaning follows on the headword's line, one "*" apart.
        m_segmentX = m_segmentX + Width(m_text) + Width("*");
        m_text = std::move(m_pendingText);
        m_pendingText.clear();
        m_recording.clear();
        m_textIsHeadword = false;
        m_position = 0;
        return;
    }
    const SuperItem headword = m_items.Next();
    const SuperItem meaning = m_items.Next();
    const std::int64_t now = m_screen.Milliseconds();
    if (m_settings.backgroundDelay > 0 &&
        now - m_lastBackground >= std::int64_t{m_settings.backgroundDelay} * 1000)
        ShowBackground(OtherPage());
    else
        m_screen.RedrawPage();

    const StyleRect area = m_screen.TextArea();
    const std::string longer =
        "*" + std::max(headword.text, meaning.text, [this](const auto& a, const auto& b) {
            return m_fonts.Measure(m_font, a).width < m_fonts.Measure(m_font, b).width;
        });
    m_font.height = kStartSize;
    while (m_font.height > 2 && Width(longer) > area.Width())
        m_font.height -= 2;
    const int lineHeight = m_fonts.Measure(m_font, "*").height;
    m_lineX = area.left + RandomBelow(std::max(1, area.Width() - Width(longer) + 1));
    m_lineY = area.top + RandomBelow(std::max(1, area.Height() - lineHeight + 1));
    m_segmentX = m_lineX;
    m_text = headword.text;
    m_recording = headword.recording;
    m_textIsHeadword = true;
    m_pendingText = meaning.text;
    m_position = 0;
    m_screen.Present();
}

void TSeventies::TypeNext() {
    std::size_t count = 1;
    if (m_text[m_position] == ' ' && m_position + 1 < m_text.size())
        count = 2;
    const int x = m_segmentX + Width(std::string_view(m_text).substr(0, m_position));
    TXBitmap& surface = m_screen.Surface();
    PixelSurface pixels{surface.Row(0), surface.Width(), surface.Height(), surface.Stride()};
    m_fonts.DrawText(pixels, x, m_lineY, m_font, std::string_view(m_text).substr(m_position, count),
                     m_screen.PageTextColour());
    m_position += count;
    m_screen.Present();
    if (m_position >= m_text.size() && m_textIsHeadword && !m_recording.empty() && m_play)
        m_play(m_recording);
}

} // namespace qor
