#pragma once
// The page control `TXPage` without a toolkit: it owns the page's document, source, layout,
// painter, scroller and exercises, turns mouse and keyboard input into link following, hover
// effects and events, and reports to its owner through the published events. The toolkit side
// (screen, timers, cursors, tooltip, focus, the INPUT field) is a PageControlHost.
//
// Input comes in client coordinates; the page's child controls (gap edits, buttons, the
// multiple-choice grid) stand in document coordinates and get the mouse and keys first.
//
// The members are implemented in several files:
//   PageControl.cpp         construction, properties, operations, the exercises' host
//   PageControlLinks.cpp    FollowLink and the commands it raises
//   PageControlPointer.cpp  mouse, hover, tooltip, anchor label, keyboard, child controls
//   PageControlLoad.cpp     page reset, rendering, the steps after a load, bad links, timers

#include "page/controls/PageControlHost.h"
#include "page/controls/PageExercises.h"
#include "page/controls/PageLinkNames.h"
#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"
#include "page/render/IntervalTimer.h"
#include "page/render/PageLayout.h"
#include "page/render/PagePainter.h"
#include "page/render/PageScreen.h"
#include "page/sources/PageSource.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

class TXControl;
class tXColorButton;

class PageControl : private PageExerciseHost {
public:
    static constexpr int kTooltipDelayMs = 500;
    static constexpr int kTooltipShownMs = 2000;
    static constexpr int kTooltipMaxWidth = 120;
    static constexpr int kTooltipOffsetX = 12;
    static constexpr int kTooltipOffsetY = 16;
    static constexpr int kWheelNotch = 120; // one notch of the mouse wheel
    static constexpr int kWheelStep = 48;   // pixels scrolled per notch
    static constexpr std::string_view kClosedLabelText = "xxxxxx xxxxxx xxxxxx xxxxxx";

    explicit PageControl(PageControlHost& host);
    ~PageControl() override;
    PageControl(const PageControl&) = delete;
    PageControl& operator=(const PageControl&) = delete;

    // [Published events] All optional; texts are Windows-1252.
    std::function<void(const std::string& title)> OnTitleChange;
    std::function<void()> OnFileChange;
    std::function<void(const std::string& badLink)> OnBadLink;
    std::function<void(const std::string& anker)> OnAnkerChange;
    std::function<void(const std::string& text)> OnHintChange;
    std::function<void(const std::string& command)> OnCommand;
    std::function<void(std::string& code)> OnSpecialCode; // replaces the code with its answer
    std::function<void(std::string_view code, TXBitmap& bitmap)> OnPictureRequest;
    // A right click on a word (its rectangle) and '?word' links (an empty rectangle).
    std::function<void(PageControl& sender, const PageRect& rect, const std::string& text)> OnRightClick;
    std::function<void()> OnClick;
    std::function<void(KeyEvent& event)> OnKeyDown; // may swallow the key (key = 0)
    std::function<void(const MouseEvent& event)> OnMouseDown;
    std::function<void()> OnEnter;    // the page received the keyboard focus
    std::function<void()> OnExit;     // the page lost it
    std::function<void()> OnDblClick; // raised before the second press is handled

    // [Properties]
    const std::string& XPath() const { return m_source.XPath(); }
    void SetXPath(std::string_view folder) { m_source.SetXPath(folder); }
    const std::string& XFile() const { return m_source.XFile(); }
    // Loads a page (an empty name shows an empty page); false when nothing was loaded.
    bool SetXFile(std::string_view name);
    void SetProgramFolder(std::string_view folder) { m_source.SetProgramFolder(folder); }

    // `Bedingung`: the conditions that hold, shared by host and pages across page changes.
    void SetBedingung(std::string_view name) { m_document->conditions.Set(name); }
    void ClearBedingung(std::string_view name) { m_document->conditions.Clear(name); }
    bool TestBedingung(std::string_view name) const { return m_document->conditions.Test(name); }
    ConditionList& Bedingung() { return m_document->conditions; }

    std::string Macro(std::string_view name) const { return m_document->macros.Get(name, ""); }
    void SetMacro(std::string_view name, std::string_view value) { m_document->macros.Set(name, value); }

    Colour ColorBGR() const { return m_document->colorBGR; }
    // A new colour fills the whole buffer at once and shows it.
    void SetColorBGR(Colour colour);
    Colour ColorTXT() const { return m_document->colorTXT; }
    void SetColorTXT(Colour colour) { m_document->colorTXT = colour; }
    const std::string& Sonderzeichen() const { return m_document->specialCharacters; }
    void SetSonderzeichen(std::string_view characters) { m_document->specialCharacters = characters; }
    bool AutoJump() const { return m_autoJump; }
    void SetAutoJump(bool on) { m_autoJump = on; }
    bool HTMLChild() const { return m_htmlChild; }
    void SetHTMLChild(bool on) { m_htmlChild = on; }
    // The page a child page belongs to: its `OnRightClick` answers the child's '?word' links.
    PageControl* ParentPage() const { return m_parentPage; }
    void SetParentPage(PageControl* parent) { m_parentPage = parent; }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The page is not laid out again; the scroll bar moves to the new right edge.
    void Resize(int width, int height);

    // [Operations]
    // Follows a link target; `rect` is the link's rectangle in document coordinates.
    void FollowLink(std::string_view target, const PageRect& rect);
    // Shows `text` (page markup) as a fresh page.
    void ShowText(std::string_view text);
    // Loads the current page file again.
    void Reload();
    // The feedback animation over the page for `milliseconds` (mouse input waits meanwhile).
    void Feedback(std::string_view text, int milliseconds);
    const PageHistory& History() const { return m_source.History(); }
    // Renders the page into the buffer and onto the screen (title, ONSHOW, the controls).
    void Render();
    // The scroll bar was moved (or a key or the wheel scrolls): clamped to the document.
    void ScrollTo(int position);
    int ScrollOffset() const { return m_scroller.Offset(); }
    // The whole client area as a rectangle, the reference of Enter, ONCLICK, BUTTON and WAIT.
    PageRect ClientRect() const { return PageRect{0, 0, m_width, m_height}; }

    // [Input] Client coordinates; the hosting widget calls these.
    void MouseDown(const MouseEvent& event);
    void MouseUp(const MouseEvent& event);
    void MouseMove(const MouseEvent& event);
    void MouseLeave();
    void Click();
    void DoubleClick(const MouseEvent& event);
    void FocusEntered();
    void FocusLeft();
    void KeyDown(KeyEvent& event);
    void KeyPress(char& character);
    // `delta` in wheel units (kWheelNotch per notch), positive away from the learner (upwards).
    void Wheel(int delta);
    // The INPUT field's text changed / Enter was pressed in it.
    void TextInputChanged(std::string_view text);
    void TextInputReturn();
    // A click on the anchor label hides it.
    void AnchorLabelClicked() { HideAnchorLabel(); }

    // [State] for the host's tools and the tests.
    PageDocument& Document() { return *m_document; }
    const PageDocument& Document() const { return *m_document; }
    PageLayout& Layout() { return m_layout; }
    const PageLayout& Layout() const { return m_layout; }
    PagePainter& Painter() { return m_painter; }
    const PagePainter& Painter() const { return m_painter; }
    PageSource& Source() { return m_source; }
    PageExercises& Exercises() { return m_exercises; }
    PageScroller& Scroller() { return m_scroller; }
    bool Busy() const { return m_busy; }
    bool AnimationRunning() const { return m_animationRunning; }
    // The text of the last feedback animation shown ("Unglaublich!"), for tools and tests.
    const std::string& LastFeedback() const { return m_lastFeedback; }
    void ClearLastFeedback() { m_lastFeedback.clear(); }
    bool FocusReleased() const override { return m_focusReleased; }
    bool AnchorLabelVisible() const { return m_labelVisible; }
    const AnchorLabel& CurrentAnchorLabel() const { return m_label; }
    int HoverEntry() const { return m_hoverEntry; }
    // The target of the link at a client point ("" when there is none), also while the page is
    // busy: a presentation that runs in a command still offers its "stop" link.
    std::string LinkTargetAt(int clientX, int clientY) const;
    bool TooltipTimerRunning() const { return m_tooltipTimer != 0; }
    bool AutoJumpPending() const { return m_autoJumpTimer != 0; }

    // [PageExerciseHost]
    void HideAnchorLabel() override;

private:
    // Answers the parser's special codes and picture requests through the published events.
    class EventPageHost : public DiskPageHost {
    public:
        explicit EventPageHost(PageControl& page) : m_page(page) {}
        bool OnSpecialCode(std::string& text) override;
        bool HandlesPictureRequests() const override;
        void OnPictureRequest(std::string_view code, TXBitmap& bitmap) override;

    private:
        PageControl& m_page;
    };

    // The slide box's timer on the host's timers.
    class HostIntervalTimer : public IntervalTimer {
    public:
        explicit HostIntervalTimer(PageControlHost& host) : m_host(host) {}
        int Start(int intervalMs, std::function<void()> tick) override {
            return m_host.StartTimer(intervalMs, tick);
        }
        void Stop(int id) override { m_host.StopTimer(id); }

    private:
        PageControlHost& m_host;
    };

    enum class TooltipMode { Show, Hide };
    enum class HighlightImage { Normal, Highlighted };

    // [PageExerciseHost]
    void RaiseCommand(const std::string& command) override;
    void LoadPage(const std::string& file) override;
    void PostDeferred(std::function<void()> call) override;
    void RunFeedback(std::string_view text, int milliseconds) override;
    void TakeFocus() override;
    void ShowBuffer() override;
    void SetDragImage(const TXBitmap* image, int x, int y) override;
    void HoldFrame(int milliseconds) override;
    void ReleaseFinishedGap(const TPageEdit& edit) override; // PageControlPointer.cpp

    // [Links] PageControlLinks.cpp
    void RaiseEvent(const std::string& command);
    void RaiseSectionCommand(const std::string& command);
    void FollowSection(const std::string& target, const PageRect& rect);
    void ToggleCheckBox(const std::string& name);
    void DrawCheckBox(const PageCheckBoxRecord& checkBox);
    void LookUp(const std::string& word);
    void ToggleAnchorLabel(const std::string& text, const PageRect& rect);
    void ShowNextExerciseItem();
    void FollowExerciseCommand(std::string_view target);
    void FollowFile(const std::string& target);
    void PlaySound(const std::string& path);
    void PlaySpeech(const std::string& text);
    std::string ReplaceAlias(const std::string& target) const;

    // [Pointer] PageControlPointer.cpp
    void HandleMouseMove(int x, int y, ShiftState shift);
    LinkName LinkAt(int entry) const;
    void Highlight(int entry);
    void DrawGroup(std::pair<int, int> group, HighlightImage image);
    void HintChanged(const std::string& target, const std::string& hint, int entry);
    void StartTooltip(const std::string& text);
    void CloseTooltip();
    void TooltipTimer();
    void RightButtonDown(int x, int y);
    void LeftButtonDown(int x, int y);
    TXControl* ChildAt(int x, int y) const;
    MouseEvent ChildEvent(const TXControl& child, const MouseEvent& event) const;
    bool RouteMouseMove(const MouseEvent& event);
    void ScrollBy(int pixels);
    // Gives the next visible gap edit in `direction` (1 or -1) the focus; false when there is none.
    bool FocusNextGap(int direction);

    // [Load] PageControlLoad.cpp
    void ConnectDocument();
    void ConnectButton(tXColorButton& button);
    void PageReset();
    void PageParsed();
    void AfterLoad();
    void ReportBadLink();
    std::string BadLinkOf(std::string_view name) const;
    void ShowControls();
    void StartSlideBox();
    void StopSlideBox();
    void AutoJumpTimer();
    void StopAutoJump();
    void DeliverInputCommand(const std::string& command);

    PageControlHost& m_host;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true); // deferred calls check it
    EventPageHost m_pageHost{*this};
    HostIntervalTimer m_slideTimer{m_host};
    std::unique_ptr<PageDocument> m_document;
    PageLayout m_layout;
    PagePainter m_painter;
    PageSource m_source;
    PageScroller m_scroller;
    PageExercises m_exercises;
    int m_width = kDefaultPageWidth;
    int m_height = kDefaultPageHeight;

    bool m_autoJump = true;
    bool m_htmlChild = false;
    PageControl* m_parentPage = nullptr;

    bool m_busy = false;
    bool m_animationRunning = false;
    std::string m_lastFeedback;
    bool m_focusReleased = false;
    bool m_freshParse = false; // the controls of a new parse are shown by the next rendering

    std::optional<ScreenPoint> m_mousePosition; // client coordinates of the last move
    int m_hoverEntry = -1;
    std::pair<int, int> m_highlighted{-1, -1};
    std::string m_lastTarget;
    std::string m_lastHint;
    std::string m_lastHintGiven; // the last text OnHintChange received
    std::string m_tooltipText;
    ScreenPoint m_tooltipPosition;
    int m_tooltipTimer = 0;
    TooltipMode m_tooltipMode = TooltipMode::Show;
    int m_autoJumpTimer = 0;
    AnchorLabel m_label;
    bool m_labelVisible = false;
    TXControl* m_captured = nullptr;     // the child control that got the mouse press
    TXControl* m_hovered = nullptr;      // the child control under the mouse
    bool m_pressOnPage = false;          // the last press went to the page, not to a child control
    std::optional<PageRect> m_dragImage; // where the dragged image was drawn (client coordinates)
};

} // namespace qor
