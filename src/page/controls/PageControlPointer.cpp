// Mouse and keyboard: the child controls first, then links, hover highlighting, hints, tooltips,
// the anchor label's hot spots, dragging and scrolling.

#include "page/controls/PageControl.h"
#include "page/controls/PageLinkNames.h"
#include "page/controls/TXControl.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tButtonListe.h"
#include "page/controls/tTippAufgabenListe.h"

#include <algorithm>

namespace qor {

// [SECTION] Child controls

TXControl* PageControl::ChildAt(int x, int y) const {
    TXControl* found = nullptr;
    const auto consider = [&](TXControl& control) {
        if (control.Visible() && x >= control.Left() && x < control.Left() + control.Width() &&
            y >= control.Top() && y < control.Top() + control.Height()) {
            found = &control; // a later control lies on top of an earlier one
        }
    };
    PageDocument& document = *m_document;
    for (int i = 0; i < document.GapEdits().Count(); ++i) {
        consider(document.GapEdits().Edit(i));
    }
    if (TXMultipleChoice* grid = document.MultipleChoice()) {
        consider(*grid);
    }
    for (int i = 0; i < document.Buttons().Count(); ++i) {
        consider(document.Buttons().Button(i));
    }
    return found;
}

MouseEvent PageControl::ChildEvent(const TXControl& child, const MouseEvent& event) const {
    return MouseEvent{event.x - child.Left(), event.y + ScrollOffset() - child.Top(), event.button,
                      event.shift};
}

bool PageControl::RouteMouseMove(const MouseEvent& event) {
    if (m_captured != nullptr) {
        m_captured->MouseMove(ChildEvent(*m_captured, event));
        return true;
    }
    TXControl* child = ChildAt(event.x, event.y + ScrollOffset());
    if (child != m_hovered) {
        if (m_hovered != nullptr) {
            m_hovered->MouseLeave();
            CloseTooltip();
        }
        m_hovered = child;
        m_mousePosition = ScreenPoint{event.x, event.y};
        const ScreenPoint screen = m_host.ClientToScreen(event.x, event.y);
        m_tooltipPosition = ScreenPoint{screen.x + kTooltipOffsetX, screen.y + kTooltipOffsetY};
        // A gap edit shows its hint (TIP) as its tooltip.
        const tTippAufgabenListe& edits = m_document->GapEdits();
        for (int i = 0; child != nullptr && i < edits.Count(); ++i) {
            const auto index = static_cast<std::size_t>(i);
            if (&edits.Edit(i) == child && index < m_document->gapHints.size() &&
                !m_document->gapHints[index].empty()) {
                StartTooltip(m_document->gapHints[index]);
            }
        }
    }
    if (child == nullptr) {
        return false;
    }
    m_host.SetCursor(PageCursor::Default);
    child->MouseMove(ChildEvent(*child, event));
    return true;
}

// [SECTION] Mouse buttons

void PageControl::MouseDown(const MouseEvent& event) {
    if (m_busy || m_animationRunning) {
        return;
    }
    const int x = event.x;
    const int y = event.y + ScrollOffset();
    if (TXControl* child = ChildAt(x, y)) {
        m_captured = child;
        child->MouseDown(ChildEvent(*child, event));
        return;
    }
    m_pressOnPage = true;
    if (OnMouseDown) {
        OnMouseDown(event);
    }
    if (event.button == MouseButton::Right) {
        RightButtonDown(event.x, event.y);
    } else if (event.button == MouseButton::Left) {
        LeftButtonDown(x, y);
    }
}

void PageControl::RightButtonDown(int clientX, int clientY) {
    const int x = clientX;
    const int y = clientY + ScrollOffset();
    if (const std::optional<TWordList::Lookup> word = m_painter.Words().At(x, y); word && OnRightClick) {
        OnRightClick(*this, word->rect, word->text);
        return;
    }
    const int entry = m_layout.Links().EntryAt(x, y);
    if (entry < 0 || !HasRightTarget(LinkAt(entry).target)) {
        m_host.ShowPopupMenu(m_host.ClientToScreen(clientX, clientY));
    }
}

void PageControl::LeftButtonDown(int x, int y) {
    const int entry = m_layout.Links().EntryAt(x, y);
    const LinkName link = entry >= 0 ? LinkAt(entry) : LinkName{};
    if (link.target.empty() && !link.hint.empty()) {
        FollowLink("@" + link.hint, m_layout.Links().At(entry).rect);
        return;
    }
    if (!link.target.empty()) {
        return; // followed when the button is released
    }
    HideAnchorLabel();
    if (m_htmlChild) {
        m_host.HidePage();
        return;
    }
    m_exercises.MouseDown(x, y, ScrollOffset());
}

void PageControl::MouseUp(const MouseEvent& event) {
    if (m_busy || m_animationRunning) {
        return;
    }
    if (m_captured != nullptr) {
        TXControl* child = m_captured;
        m_captured = nullptr;
        m_pressOnPage = false;
        child->MouseUp(ChildEvent(*child, event));
        return;
    }
    const int x = event.x;
    const int y = event.y + ScrollOffset();
    if (m_exercises.Dragging()) {
        m_exercises.MouseUp(x, y, ScrollOffset());
        return;
    }
    const int entry = m_layout.Links().EntryAt(x, y);
    if (entry < 0 || event.button == MouseButton::Middle) {
        return;
    }
    std::string target = LinkAt(entry).target;
    if (target.starts_with('#')) {
        target = ReplaceAlias(target);
        target.resize(std::min(target.size(), target.find('@')));
    }
    const PageRect rect = m_layout.Links().At(entry).rect;
    FollowLink(ButtonTarget(target, event.button), rect);
}

void PageControl::Click() {
    const bool onPage = m_pressOnPage;
    m_pressOnPage = false;
    if (m_busy || m_animationRunning || !onPage) {
        return;
    }
    if (OnClick) {
        OnClick();
    }
    if (!m_document->clickTarget.empty()) {
        FollowLink(std::string(m_document->clickTarget), ClientRect());
    }
}

// [SECTION] Mouse move, hover and hints

void PageControl::MouseMove(const MouseEvent& event) {
    if (m_busy || m_animationRunning) {
        return;
    }
    // A dragged block passes over the gap edits without the edits noticing.
    if (!m_exercises.Dragging() && RouteMouseMove(event)) {
        return;
    }
    HandleMouseMove(event.x, event.y, event.shift);
}

std::string PageControl::LinkTargetAt(int clientX, int clientY) const {
    const int entry = m_layout.Links().EntryAt(clientX, clientY + ScrollOffset());
    return entry >= 0 ? LinkAt(entry).target : std::string();
}

LinkName PageControl::LinkAt(int entry) const {
    const LinkRectangle& rectangle = m_layout.Links().At(entry);
    if (rectangle.name >= 0 && rectangle.name < m_document->namedRectangles.Count()) {
        return SplitLinkName(m_document->namedRectangles.NameAt(rectangle.name));
    }
    return SplitLinkName(rectangle.target);
}

void PageControl::HandleMouseMove(int clientX, int clientY, ShiftState shift) {
    m_mousePosition = ScreenPoint{clientX, clientY};
    const int x = clientX;
    const int y = clientY + ScrollOffset();
    if ((shift & kLeftButtonHeld) != 0 && m_exercises.Dragging()) {
        m_exercises.MouseMove(x, y, ScrollOffset());
        return;
    }
    const int entry = m_layout.Links().EntryAt(x, y);
    LinkName link = entry >= 0 ? LinkAt(entry) : LinkName{};
    if (link.target.starts_with('#')) {
        const std::string value = ReplaceAlias(link.target);
        const std::size_t at = value.find('@');
        link.target = value.substr(0, at);
        if (at != std::string::npos) {
            link.hint = value.substr(at + 1);
        }
    }
    if (m_exercises.OverDraggable(x, y)) {
        m_host.SetCursor(PageCursor::Drag);
    } else if (!link.target.empty() && link.target != "%") {
        m_host.SetCursor(PageCursor::Hand);
    } else {
        m_host.SetCursor(PageCursor::Default);
    }
    if (entry != m_hoverEntry && (entry < 0 || link.target != "%")) {
        Highlight(entry);
    }
    const ScreenPoint screen = m_host.ClientToScreen(clientX, clientY);
    m_tooltipPosition = ScreenPoint{screen.x + kTooltipOffsetX, screen.y + kTooltipOffsetY};
    if (link.target != m_lastTarget || link.hint != m_lastHint) {
        HintChanged(link.target, link.hint, entry);
    }
}

void PageControl::Highlight(int entry) {
    if (m_highlighted.first >= 0) {
        DrawGroup(m_highlighted, HighlightImage::Normal);
    }
    m_hoverEntry = entry;
    m_highlighted = m_layout.Links().Group(entry);
    if (m_highlighted.first >= 0) {
        DrawGroup(m_highlighted, HighlightImage::Highlighted);
    }
}

void PageControl::DrawGroup(std::pair<int, int> group, HighlightImage which) {
    const int offset = ScrollOffset();
    for (int i = group.first; i <= group.second && i < m_layout.Links().Count(); ++i) {
        const LinkRectangle& entry = m_layout.Links().At(i);
        const TXBitmap& image = which == HighlightImage::Normal ? entry.normalImage : entry.highlightImage;
        if (!entry.hover || image.Empty()) {
            continue;
        }
        m_host.Screen().CopyToScreen(image, PageRect{0, 0, image.Width(), image.Height()}, entry.rect.left,
                                     entry.rect.top - offset);
    }
}

void PageControl::HintChanged(const std::string& target, const std::string& hint, int entry) {
    if (ReportedAsAnchor(target) && OnAnkerChange) {
        OnAnkerChange(target);
    }
    const HintParts parts = SplitHint(hint);
    const bool soundHint = hint.find(kDegree) != std::string::npos;
    if (!target.empty() && soundHint && IsWaveSound(parts.sound)) {
        const std::string path = XPath() + parts.sound;
        if (m_pageHost.FileExists(path)) {
            m_host.PlaySoundSync(path);
        }
    }
    // A hint that carries a sound is heard, not reported: the host's hint line stays as it was.
    if (OnHintChange) {
        if (!soundHint && hint != m_lastHintGiven) {
            m_lastHintGiven = hint;
            OnHintChange(hint);
        }
        CloseTooltip();
    } else if (!parts.text.empty() && entry >= 0) {
        StartTooltip(parts.text);
    } else {
        CloseTooltip();
    }
    m_lastTarget = target;
    m_lastHint = hint;
}

void PageControl::StartTooltip(const std::string& text) {
    CloseTooltip();
    m_tooltipText = text;
    m_tooltipMode = TooltipMode::Show;
    m_tooltipTimer = m_host.StartTimer(kTooltipDelayMs, [this] { TooltipTimer(); });
}

void PageControl::CloseTooltip() {
    if (m_tooltipTimer != 0) {
        m_host.StopTimer(m_tooltipTimer);
        m_tooltipTimer = 0;
    }
    m_host.HideTooltip();
}

void PageControl::TooltipTimer() {
    m_host.StopTimer(m_tooltipTimer);
    m_tooltipTimer = 0;
    if (m_tooltipMode == TooltipMode::Hide) {
        m_host.HideTooltip();
        return;
    }
    m_host.ShowTooltip(m_tooltipText, m_tooltipPosition, kTooltipMaxWidth);
    m_tooltipMode = TooltipMode::Hide;
    m_tooltipTimer = m_host.StartTimer(kTooltipShownMs, [this] { TooltipTimer(); });
}

void PageControl::MouseLeave() {
    if (m_hovered != nullptr) {
        m_hovered->MouseLeave();
        m_hovered = nullptr;
    }
    if (m_highlighted.first >= 0) {
        DrawGroup(m_highlighted, HighlightImage::Normal);
    }
    m_highlighted = {-1, -1};
    m_hoverEntry = -1;
    m_mousePosition.reset();
}

// [SECTION] Keyboard and scrolling

void PageControl::KeyDown(KeyEvent& event) {
    // Tab moves between the gaps in the order the page made them, as between the fields of a form;
    // Shift+Tab goes back. The gap edits do not take the key themselves.
    if (event.key == VirtualKey::Tab && FocusNextGap(KeyModifiers(event.shift) & kShiftKey ? -1 : 1)) {
        event.key = 0;
        return;
    }
    // A focused gap edit takes every key; a finished one has handed the focus on (see
    // ReleaseFinishedGap) and is never fed again.
    if (TXControl* focused = m_host.FocusedControl(); focused != nullptr && focused->Visible()) {
        focused->KeyDown(event);
        return;
    }
    if (OnKeyDown) {
        OnKeyDown(event);
    }
    const int pageStep = std::max(1, m_height - kScrollBarWidth);
    switch (event.key) {
    case VirtualKey::Return:
        if (!m_document->enterTarget.empty()) {
            const std::string target = std::move(m_document->enterTarget);
            m_document->enterTarget.clear();
            FollowLink(target, ClientRect());
        }
        break;
    case VirtualKey::Up:
        ScrollBy(-PageScroller::kSmallStep);
        break;
    case VirtualKey::Down:
        ScrollBy(PageScroller::kSmallStep);
        break;
    case VirtualKey::PageUp:
        ScrollBy(-pageStep);
        break;
    case VirtualKey::PageDown:
        ScrollBy(pageStep);
        break;
    case VirtualKey::Home:
        ScrollTo(0);
        break;
    case VirtualKey::End:
        ScrollTo(m_layout.DocumentHeight());
        break;
    default:
        break;
    }
}

void PageControl::KeyPress(char& character) {
    if (TXControl* focused = m_host.FocusedControl(); focused != nullptr && focused->Visible()) {
        focused->KeyPress(character);
    }
}

void PageControl::Wheel(int delta) {
    ScrollBy(-static_cast<int>(static_cast<long long>(delta) * kWheelStep / kWheelNotch));
}

void PageControl::ScrollBy(int pixels) {
    ScrollTo(SaturatedAdd(ScrollOffset(), pixels));
}

void PageControl::ScrollTo(int position) {
    const int documentHeight = m_layout.DocumentHeight();
    const int maximum = documentHeight > m_height ? documentHeight - m_height + kScrollBarWidth : 0;
    const int clamped = std::clamp(position, 0, maximum);
    if (clamped == ScrollOffset() && m_scroller.State().position == clamped) {
        return;
    }
    m_scroller.SetPosition(clamped, documentHeight);
    ShowBuffer();
    // The highlight lives on the screen only; it follows the page.
    if (m_highlighted.first >= 0) {
        DrawGroup(m_highlighted, HighlightImage::Highlighted);
    }
}

bool PageControl::FocusNextGap(int direction) {
    tTippAufgabenListe& edits = m_document->GapEdits();
    const int count = edits.Count();
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (&edits.Edit(i) == m_host.FocusedControl())
            current = i;
    }
    for (int step = 1; step <= count; ++step) {
        // From the page itself the first (or, going back, the last) gap comes first.
        const int start = current < 0 ? (direction > 0 ? -1 : count) : current;
        const int candidate = ((start + direction * step) % count + count) % count;
        if (candidate == current)
            break;
        TPageEdit& edit = edits.Edit(candidate);
        if (edit.Visible()) {
            m_host.Controls().SetFocus(edit);
            return true;
        }
    }
    return false;
}

void PageControl::ReleaseFinishedGap(const TPageEdit& edit) {
    if (m_host.FocusedControl() != &edit) {
        return;
    }
    // Hidden, the gap would go on taking Enter (evaluated again and again) and every letter typed.
    if (!FocusNextGap(1)) {
        m_host.TakeFocus();
    }
}

void PageControl::DoubleClick(const MouseEvent& event) {
    if (OnDblClick)
        OnDblClick();
    MouseDown(event);
}

void PageControl::FocusEntered() {
    if (OnEnter)
        OnEnter();
}

void PageControl::FocusLeft() {
    if (OnExit)
        OnExit();
}

} // namespace qor
