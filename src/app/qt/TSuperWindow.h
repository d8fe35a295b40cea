#pragma once
// The full-screen superlearning window: black, borderless, without a mouse pointer, it runs the
// presentation on a 100 ms timer with the background music until a click or a key, and keeps the
// screen saver away meanwhile. When it has closed it tells its owner and releases itself.

#include "app/super/TSuperPresentation.h"

#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace qor {

class FontService;
class MediaCommandSender;
class PixelCanvas;
class ScreenSaverInhibitor;
class SuperOptionsMusic;
class TBibliothek;
class TSuperOptions;
class TVocEinstellungen;

struct SuperWindowSetup {
    const TBibliothek* library = nullptr;
    const TVocEinstellungen* settings = nullptr; // range and order
    TSuperOptions* options = nullptr;            // mode, look and music; not owned
    MediaCommandSender* musicSender = nullptr;   // null: no music
    // False when the recording could not be played; empty: the program's recording playback.
    SuperPlayRecording playRecording;
    const FontService* fonts = nullptr; // null: the current font service
    // After the window has gone; the owner re-creates the window the presentation came from.
    std::function<void()> onClosed;
    QRect geometry; // empty: the primary screen
};

class TSuperWindow : public QWidget {
    Q_OBJECT
public:
    explicit TSuperWindow(SuperWindowSetup setup);
    ~TSuperWindow() override;

    // Shows the window over the whole screen and starts the music and the timer.
    void Start();
    TSuperPresentation& Presentation() { return *m_presentation; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Loop;
    void Finish();

    SuperWindowSetup m_setup;
    QImage m_image;
    std::unique_ptr<PixelCanvas> m_canvas;
    std::unique_ptr<Loop> m_loop;
    std::unique_ptr<SuperOptionsMusic> m_music;
    std::unique_ptr<TSuperPresentation> m_presentation;
    std::unique_ptr<ScreenSaverInhibitor> m_screenSaver;
    QTimer m_timer;
    bool m_finished = false;
};

} // namespace qor
