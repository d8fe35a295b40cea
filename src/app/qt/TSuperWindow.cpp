#include "app/qt/TSuperWindow.h"

#include "app/RecordingPlayback.h"
#include "app/super/PixelCanvas.h"
#include "platform/Fonts.h"
#include "platform/Random.h"
#include "platform/qt/ScreenSaverInhibitor.h"
#include "settings/TSuperOptions.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/styles/StyleMusic.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QThread>

namespace qor {

class TSuperWindow::Loop : public SuperLoop {
public:
    Loop() { m_clock.start(); }
    void ProcessMessages() override { QCoreApplication::processEvents(); }
    std::int64_t Milliseconds() override { return m_clock.elapsed(); }
    void Wait(int milliseconds) override { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

private:
    QElapsedTimer m_clock;
};

namespace {

QRect ScreenGeometry(const QRect& wanted) {
    if (!wanted.isEmpty())
        return wanted;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry();
    return QRect(0, 0, 800, 600);
}

SuperPlayRecording ProgramPlayback() {
    return [](const std::string& text) { return PlayOrSpeakText(text); };
}

} // namespace

TSuperWindow::TSuperWindow(SuperWindowSetup setup)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_setup(std::move(setup)) {
    setObjectName(QStringLiteral("superlearning"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
    const QRect screen = ScreenGeometry(m_setup.geometry);
    setGeometry(0, 0, screen.width(), screen.height());
    m_image = QImage(screen.width(), screen.height(), QImage::Format_BGR888);
    m_image.fill(Qt::black);

    const FontService& fonts = m_setup.fonts ? *m_setup.fonts : CurrentFontService();
    PixelSurface surface{m_image.bits(), m_image.width(), m_image.height(),
                         static_cast<std::size_t>(m_image.bytesPerLine())};
    m_canvas = std::make_unique<PixelCanvas>(surface, fonts, [this](const ClipRect& rect) {
        update(QRect(rect.x, rect.y, rect.width, rect.height));
    });
    m_loop = std::make_unique<Loop>();
    if (m_setup.options && m_setup.musicSender)
        m_music = std::make_unique<SuperOptionsMusic>(*m_setup.options, *m_setup.musicSender);

    SuperPresentationParts parts;
    parts.library = m_setup.library;
    if (m_setup.library && m_setup.settings)
        parts.range = SuperRangeFromSettings(*m_setup.settings, *m_setup.library);
    if (m_setup.options)
        parts.look = SuperLookFromOptions(*m_setup.options);
    parts.canvas = m_canvas.get();
    parts.loop = m_loop.get();
    parts.playRecording = m_setup.playRecording ? m_setup.playRecording : ProgramPlayback();
    parts.music = m_music.get();
    parts.close = [this] { Finish(); };
    m_presentation = std::make_unique<TSuperPresentation>(std::move(parts));

    m_timer.setInterval(TSuperPresentation::kTickMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_presentation->Tick(); });
}

// Deleted before the presentation ended (the program is closing): the music must not outlive it.
TSuperWindow::~TSuperWindow() {
    if (!m_finished && m_music)
        m_music->Stop();
}

void TSuperWindow::Start() {
    SeedRandomFromClock();
    m_presentation->Open();
    m_screenSaver = std::make_unique<ScreenSaverInhibitor>(QStringLiteral("Superlearning"));
    // A given size (tests, a window in the place of another) is kept as it is.
    if (m_setup.geometry.isEmpty())
        setWindowState(Qt::WindowFullScreen);
    show();
    raise();
    activateWindow();
    setFocus();
    if (m_music)
        m_music->Start();
    m_timer.start();
}

void TSuperWindow::Finish() {
    m_finished = true;
    m_timer.stop();
    if (m_music)
        m_music->Stop();
    hide();
    unsetCursor();
    m_screenSaver.reset();
    if (m_setup.onClosed)
        m_setup.onClosed();
    deleteLater();
}

void TSuperWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, m_image, area);
    // The screen may have grown since the window was made; the rest stays black.
    const QRegion outside = QRegion(area) - QRegion(m_image.rect());
    for (const QRect& rect : outside)
        painter.fillRect(rect, Qt::black);
}

void TSuperWindow::mousePressEvent(QMouseEvent* event) {
    m_presentation->RequestStop();
    event->accept();
}

// Closed from outside (the desktop's close shortcut), the window still ends the way a click ends
// it, so that the window the presentation came from comes back.
void TSuperWindow::closeEvent(QCloseEvent* event) {
    if (m_finished) {
        event->accept();
        return;
    }
    event->ignore();
    m_presentation->RequestStop();
}

void TSuperWindow::keyPressEvent(QKeyEvent* event) {
    m_presentation->RequestStop();
    event->accept();
}

} // namespace qor
