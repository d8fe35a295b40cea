#pragma once
// The page control on the screen: a Qt widget that hosts the toolkit-free PageControl. It passes
// mouse, keyboard, focus, wheel and timer events on, shows the page buffer with the page's own
// controls, the scroll bar, the tooltip window and the anchor label, and sets the "HAND" and
// "DRAG1" cursors (drawn here).

#include "page/controls/ControlHost.h"
#include "page/controls/PageControl.h"
#include "page/controls/PageControlHost.h"
#include "page/markup/PageRecorder.h"
#include "page/render/IntervalTimer.h"
#include "page/render/PageScreen.h"
#include "page/render/TXBitmap.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QLabel;
class QLineEdit;
class QScrollBar;
class QTimer;

namespace qor {

class TXPage : public QWidget, private PageControlHost, private ControlHost, private PageScreen {
    Q_OBJECT
public:
    explicit TXPage(QWidget* parent = nullptr);
    ~TXPage() override;

    PageControl& Page() { return *m_page; }
    const PageControl& Page() const { return *m_page; }

    // Called for the link target "END".
    void SetOnEndApplication(std::function<void()> call) { m_onEnd = std::move(call); }
    // A running presentation sees left clicks and keys before the page does (the page is busy
    // with the command that runs it); true takes the click or key.
    void SetPresentationInput(std::function<bool(int x, int y)> click, std::function<bool(int key)> key) {
        m_presentationClick = std::move(click);
        m_presentationKey = std::move(key);
    }

    // What the learner sees of the page: the buffer's window with the page's controls on it.
    QImage Picture() const;
    // The page's control that has the keyboard focus (a gap edit), or nullptr.
    TXControl* FocusedChild() const { return m_focusedChild; }
    // The INPUT field, when the page shows one.
    QLineEdit* TextInput() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override; // the INPUT field's Enter
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // [PageControlHost]
    ControlHost& Controls() override { return *this; }
    TXControl* FocusedControl() const override { return m_focusedChild; }
    void TakeFocus() override;
    bool ParentVisible() const override;
    void SetParentColour(std::int32_t colour) override;
    PageScreen& Screen() override { return *this; }
    void PresentFrame(const TXBitmap& frame) override;
    void HoldFrame(int milliseconds) override;
    void SetCursor(PageCursor cursor) override;
    void ShowTooltip(std::string_view text, ScreenPoint position, int maxWidth) override;
    void HideTooltip() override;
    void ShowAnchorLabel(const AnchorLabel& label) override;
    void HideAnchorLabel() override;
    bool ShowPopupMenu(ScreenPoint position) override;
    ScreenPoint ClientToScreen(int x, int y) const override;
    int StartTimer(int ms, std::function<void()> call) override;
    void StopTimer(int id) override;
    void PostDeferred(std::function<void()> call) override;
    void ProcessMessages() override;
    long long NowMs() const override { return m_clock.elapsed(); }
    void ShowTextInput(const PageTextInput* input, int scroll) override;
    void HidePage() override { hide(); }
    bool OpenUrl(std::string_view url) override;
    void PlaySoundSync(std::string_view path) override;
    void EndApplication() override;

    // [ControlHost]
    int StartTimer(TXControl& control, int intervalMs) override;
    // StopTimer(int) and ProcessMessages() serve both interfaces.
    void RequestRepaint(TXControl& control) override;
    int ShowContextMenu(TXControl& control, const std::vector<std::string>& items, int x, int y) override;
    void SetFocus(TXControl& control) override;
    void ControlDestroyed(TXControl& control) override;

    // [PageScreen]
    void CopyToScreen(const TXBitmap& buffer, const PageRect& source, int x, int y) override;
    void SetScrollBar(const ScrollBarState& state) override;
    void PlaceScrollBar(int x, int y, int width, int height) override;

    void PaintChildControls(TXBitmap& picture) const;
    // A page's recorder: made by its RECORDER tag, polled on this page's timers.
    std::unique_ptr<PageRecorder> MakeRecorder();

    class RecorderTimer : public IntervalTimer {
    public:
        explicit RecorderTimer(TXPage& page) : m_page(page) {}
        int Start(int intervalMs, std::function<void()> tick) override {
            return m_page.StartTimer(intervalMs, std::move(tick));
        }
        void Stop(int id) override { m_page.StopTimer(id); }

    private:
        TXPage& m_page;
    };
    MouseEvent PageMouseEvent(const QMouseEvent& event) const;

    RecorderTimer m_recorderTimer{*this};
    TXBitmap m_recorderScratch;          // where the recorder draws between paints; each paint draws it anew
    std::unique_ptr<PageControl> m_page; // made last, freed first: its controls call back here
    TXBitmap m_screen;                   // what the page copied to the screen, client-sized
    TXBitmap m_label;                    // the anchor label as drawn, empty when hidden
    int m_labelX = 0;
    int m_labelY = 0;
    QScrollBar* m_scrollBar = nullptr;
    QLabel* m_tooltip = nullptr;
    QLineEdit* m_textInput = nullptr;
    bool m_settingScrollBar = false;
    TXControl* m_focusedChild = nullptr;
    std::map<int, QTimer*> m_timers;
    std::map<int, TXControl*> m_controlTimers; // the timers of the page's controls
    int m_nextTimerId = 1;
    QElapsedTimer m_clock;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    std::function<void()> m_onEnd;
    std::function<bool(int x, int y)> m_presentationClick;
    std::function<bool(int key)> m_presentationKey;
};

} // namespace qor
