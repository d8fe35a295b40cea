#pragma once
// What the start-up checks need to know of the display.

namespace qor {

struct ScreenInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

class ScreenService {
public:
    virtual ~ScreenService() = default;
    virtual ScreenInfo PrimaryScreen() const = 0;
};

// A screen of fixed size: tests, and headless runs where QOR_SCREEN="WIDTHxHEIGHTxBITS" is set.
class FixedScreen : public ScreenService {
public:
    explicit FixedScreen(ScreenInfo info) : m_info(info) {}
    ScreenInfo PrimaryScreen() const override { return m_info; }

private:
    ScreenInfo m_info;
};

// Parses "1024x768x32" (bits optional, 24 then); false when the text is not of that form.
bool ParseScreenSpec(const char* text, ScreenInfo& info);

} // namespace qor
