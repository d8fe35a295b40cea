#pragma once
// Keeps the screen saver away while it lives, through the desktop's screen saver service on the
// session bus. Without a session bus or without the service it does nothing.

#include <QString>
#include <cstdint>

namespace qor {

class ScreenSaverInhibitor {
public:
    explicit ScreenSaverInhibitor(const QString& reason);
    ~ScreenSaverInhibitor();
    ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
    ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

    // True when the service took the request.
    bool Active() const { return m_active; }

private:
    std::uint32_t m_cookie = 0;
    bool m_active = false;
};

} // namespace qor
