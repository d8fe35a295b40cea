// A page's life in the control: the page reset, layout after parsing, rendering with its events,
// the steps after a load (bad links among them), the auto-jump and slide-box timers, the INPUT
// field and the buttons.

#include "page/controls/PageControl.h"
#include "page/controls/PageLinkNames.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tButtonListe.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/PagePath.h"
#include "platform/Cp1252.h"
#include "platform/MediaCommands.h"
#include "platform/WinPath.h"

namespace qor {

namespace {

constexpr std::string_view kEmptyTarget = "(leeres Ziel)";

} // namespace

void PageControl::ConnectDocument() {
    PageDocument& document = *m_document;
    document.onGapEditCreated = [this](TPageEdit& edit, GapEditSource source) {
        m_exercises.ConnectGapEdit(edit, source);
    };
    document.onMultipleChoiceCreated = [this](TXMultipleChoice& grid) {
        m_exercises.ConnectMultipleChoice(grid);
    };
    document.onButtonCreated = [this](tXColorButton& button) { ConnectButton(button); };
    PageSourceHooks hooks;
    hooks.pageReset = [this] { PageReset(); };
    hooks.pageParsed = [this] { PageParsed(); };
    hooks.afterLoad = [this] { AfterLoad(); };
    hooks.render = [this] {
        // The empty page: nothing was parsed, so the old layout goes too.
        m_layout.Run(*m_document, LayoutSettings{m_width, m_height});
        m_freshParse = true;
        m_scroller.SetPosition(0, m_layout.DocumentHeight());
        Render();
    };
    m_source.SetHooks(std::move(hooks));
}

void PageControl::ConnectButton(tXColorButton& button) {
    // Following the command may load a page, which frees the button: it happens after the click.
    button.OnClick = [this](tXColorButton& sender) {
        PostDeferred([this, command = sender.Befehl()] { FollowLink(command, ClientRect()); });
    };
}

// [SECTION] Page reset and layout

void PageControl::PageReset() {
    m_lastHint.clear();
    m_lastHintGiven.clear();
    StopSlideBox();
    m_host.ShowTextInput(nullptr, 0);
    StopAutoJump();
    m_exercises.Reset();
    m_hoverEntry = -1;
    m_highlighted = {-1, -1};
    // The controls these pointed at are gone with the page.
    m_captured = nullptr;
    m_hovered = nullptr;
    m_pressOnPage = false;
    // A note or tooltip of the old page would stand over the new one.
    HideAnchorLabel();
    CloseTooltip();
    m_freshParse = false;
    CurrentMediaCommandSender().Send("close welle");
}

void PageControl::PageParsed() {
    m_layout.Run(*m_document, LayoutSettings{m_width, m_height});
    m_freshParse = true;
    // Once per page build, so the right answer does not always stand in the first cell.
    if (TXMultipleChoice* grid = m_document->MultipleChoice())
        grid->Shuffle();
    const qor::AutoJump& jump = m_document->autoJump;
    if (jump.Active()) {
        StopAutoJump();
        m_autoJumpTimer = m_host.StartTimer(jump.milliseconds, [this] { AutoJumpTimer(); });
    }
}

void PageControl::AutoJumpTimer() {
    const std::string target = m_document->autoJump.target;
    StopAutoJump();
    if (m_autoJump) {
        FollowLink(target, ClientRect());
    }
}

void PageControl::StopAutoJump() {
    if (m_autoJumpTimer != 0) {
        m_host.StopTimer(m_autoJumpTimer);
        m_autoJumpTimer = 0;
    }
}

// [SECTION] Rendering

void PageControl::Render() {
    if (OnTitleChange) {
        OnTitleChange(m_document->title);
    }
    m_focusReleased = false;
    StopSlideBox();
    m_painter.Render(PaintSettings{m_width, m_height});
    StartSlideBox();
    if (!m_document->onShow.empty()) {
        const std::weak_ptr<bool> alive = m_alive;
        RaiseEvent(std::string(m_document->onShow));
        if (alive.expired()) {
            return;
        }
    }
    ShowBuffer();
    ShowControls();
}

void PageControl::ShowControls() {
    if (!m_freshParse) {
        return; // shown already: answered gaps stay hidden
    }
    m_freshParse = false;
    PageDocument& document = *m_document;
    tTippAufgabenListe& edits = document.GapEdits();
    for (int i = 0; i < edits.Count(); ++i) {
        edits.Edit(i).SetVisible(true);
    }
    if (edits.Count() > 0 && m_host.ParentVisible()) {
        m_host.Controls().SetFocus(edits.Edit(0));
        m_focusReleased = true;
    }
    if (document.textInput) {
        m_host.ShowTextInput(&*document.textInput, ScrollOffset());
    }
    for (int i = 0; i < document.Buttons().Count(); ++i) {
        document.Buttons().Button(i).SetVisible(true);
    }
    if (TXMultipleChoice* grid = document.MultipleChoice()) {
        grid->SetVisible(true);
    }
}

void PageControl::StartSlideBox() {
    TLomoBox* box = m_painter.SlideBox();
    if (box == nullptr) {
        return;
    }
    box->Start(m_slideTimer, [this, box] {
        const TLomoBox::Cell cell = box->PaintRandomCell(m_painter.Buffer());
        m_host.Screen().CopyToScreen(m_painter.Buffer(),
                                     PageRect::FromSize(cell.x, cell.y, cell.width, cell.height), cell.x,
                                     cell.y - ScrollOffset());
    });
}

void PageControl::StopSlideBox() {
    if (TLomoBox* box = m_painter.SlideBox()) {
        box->Stop();
    }
}

// [SECTION] After a load

void PageControl::AfterLoad() {
    const std::weak_ptr<bool> alive = m_alive;
    if (m_document->formColour) {
        m_host.SetParentColour(m_document->pageColours.background);
    }
    if (OnFileChange) {
        OnFileChange();
    }
    m_scroller.SetPosition(0, m_layout.DocumentHeight());
    Render();
    if (alive.expired()) {
        return;
    }
    m_host.SetCursor(PageCursor::Default);
    ReportBadLink();
    if (m_mousePosition) {
        // The hover effects and hints of the new page under a mouse that has not moved.
        HandleMouseMove(m_mousePosition->x, m_mousePosition->y, kShiftNone);
    }
    m_host.ProcessMessages();
    m_busy = false;
}

void PageControl::ReportBadLink() {
    if (!OnBadLink) {
        return;
    }
    const NamedRectangleList& named = m_document->namedRectangles;
    for (int i = 0; i < named.Count(); ++i) {
        if (named.At(i).kind == RectangleKind::Unnamed) {
            continue; // gaps and drag words: no link
        }
        if (std::string bad = BadLinkOf(named.NameAt(i)); !bad.empty()) {
            OnBadLink(bad);
            return;
        }
    }
    // Image-map areas carry their targets themselves.
    for (int i = 0; i < m_layout.Links().Count(); ++i) {
        const LinkRectangle& entry = m_layout.Links().At(i);
        if (entry.name >= 0) {
            continue;
        }
        if (std::string bad = BadLinkOf(entry.target); !bad.empty()) {
            OnBadLink(bad);
            return;
        }
    }
    OnBadLink("");
}

std::string PageControl::BadLinkOf(std::string_view name) const {
    if (name.empty()) {
        return std::string(kEmptyTarget);
    }
    std::string target = SplitLinkName(name).target;
    if (target.starts_with('#')) {
        target = SplitLinkName(ReplaceAlias(target)).target;
    }
    std::string command, rest;
    if (SplitBracketCommand(target, command, rest)) {
        target = rest;
    }
    // Targets that name no file: commands, "-", tooltips, check boxes, look-ups, web addresses, "END".
    if (target.empty() || target == "%" || target[0] == kSection || target[0] == '-' || target[0] == '@' ||
        target[0] == '+' || target[0] == '?' || target.starts_with("http://") || target == "END") {
        return {};
    }
    std::vector<std::string> files;
    if (StartsWithInsensitive(target, "EX")) {
        files.push_back(ReadExerciseCommand(target).file);
    } else {
        files.push_back(ButtonTarget(target, MouseButton::Left));
        files.push_back(ButtonTarget(target, MouseButton::Right));
    }
    for (const std::string& file : files) {
        if (file.empty() || file[0] == kSection || file[0] == '-') {
            continue;
        }
        std::string path = m_pageHost.ResolvePagePath(XPath(), file);
        if (!path.empty() && !IsAbsolutePagePath(path)) {
            path.insert(0, m_source.ProgramFolder());
        }
        if (!path.empty() && !m_pageHost.FileExists(path)) {
            return std::string(name);
        }
    }
    return {};
}

// [SECTION] The INPUT field

void PageControl::TextInputChanged(std::string_view text) {
    if (!m_document->textInput) {
        return;
    }
    PageTextInput& input = *m_document->textInput;
    input.text = text;
    if (!input.name.empty()) {
        m_document->macros.Set(input.name, text);
    }
}

void PageControl::TextInputReturn() {
    if (!m_document->textInput) {
        return;
    }
    const PageTextInput& input = *m_document->textInput;
    TextInputChanged(std::string(input.text));
    if (!input.name.empty()) {
        DeliverInputCommand(input.name);
    }
}

void PageControl::DeliverInputCommand(const std::string& command) {
    PostDeferred([this, command] {
        if (!ExtensionPart(command).empty()) {
            SetXFile(command);
        } else {
            RaiseEvent(command);
        }
        if (!m_focusReleased) {
            TakeFocus();
        }
    });
}

} // namespace qor
