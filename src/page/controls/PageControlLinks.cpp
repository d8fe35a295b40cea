// FollowLink: what a link target does, in the order the targets are told apart, and the commands
// it raises through OnCommand.

#include "page/controls/PageAnchorLabel.h"
#include "page/controls/PageControl.h"
#include "page/controls/PageLinkNames.h"
#include "page/controls/PageRecorderControl.h"
#include "page/markup/PageRecorder.h"
#include "page/render/TXCanvas.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/MediaCommands.h"
#include "platform/WinPath.h"

#include <charconv>

namespace qor {

namespace {

constexpr std::string_view kWebPrefix = "http://";

// Shows the multimedia error of a reply ("Error" + number); true when there was one.
bool ShowMediaError(MediaCommandSender& sender, std::string_view reply) {
    if (!reply.starts_with("Error")) {
        return false;
    }
    int number = 0;
    const std::string_view digits = reply.substr(5);
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    ShowAppMessage(sender.ErrorText(number), kMbIconError | kMbOk);
    return true;
}

} // namespace

void PageControl::FollowLink(std::string_view link, const PageRect& rect) {
    std::string target(link);
    if (target.empty()) {
        return;
    }
    if (target.size() > 1 && target[0] == '+') {
        ToggleCheckBox(target.substr(1));
        return;
    }
    if (target.size() > 1 && target[0] == '?') {
        LookUp(target.substr(1));
        return;
    }
    if (target[0] == '#') {
        target = ReplaceAlias(target);
        if (target.empty()) {
            return;
        }
    }
    if (target.starts_with(kWebPrefix)) {
        if (!m_host.OpenUrl(target)) {
            ShowAppMessage("Internet-Verbindung konnte nicht geöffnet werden!"_cp,
                           kMbIconInformation | kMbOk);
        }
    } else if (target[0] == kSection) {
        FollowSection(target, rect);
    } else if (target[0] == '@') {
        ToggleAnchorLabel(target.substr(1), rect);
    } else if (SameTextInsensitive(target, "EX")) {
        ShowNextExerciseItem();
    } else if (target == "END") {
        m_host.EndApplication();
    } else if (target == "-") {
        m_source.GoBack();
    } else if (target == "+" && !m_source.ContinuationTarget().empty()) {
        std::string continuation = m_source.ContinuationTarget();
        if (continuation.starts_with('#')) {
            continuation = ReplaceAlias(continuation);
        }
        if (!continuation.empty()) {
            SetXFile(continuation);
        }
    } else if (StartsWithInsensitive(target, "EX")) {
        FollowExerciseCommand(target);
    } else {
        FollowFile(target);
    }
}

std::string PageControl::ReplaceAlias(const std::string& target) const {
    return m_document->linkAliases.Get(target, "");
}

void PageControl::RaiseEvent(const std::string& command) {
    if (!OnCommand) {
        return;
    }
    try {
        OnCommand(command);
    } catch (...) {
        // A failing command must not leave the page unusable; the handler reports its own errors.
    }
}

// [SECTION] Commands

void PageControl::FollowSection(const std::string& target, const PageRect& rect) {
    PageRecorderControl* recorder =
        m_document->hasRecorder ? dynamic_cast<PageRecorderControl*>(m_document->Recorder()) : nullptr;
    std::string command, rest;
    if (target == "§rec"_cp) {
        if (recorder == nullptr) {
            RaiseSectionCommand("rec");
        } else if (recorder->Recording()) {
            recorder->StopRecording();
        } else {
            recorder->StartRecording();
        }
    } else if (target == "§play"_cp) {
        if (recorder == nullptr) {
            return; // nothing to play on a page without a recorder
        }
        if (recorder->Playing()) {
            recorder->StopPlayback();
        } else {
            recorder->Play();
        }
    } else if (SplitBracketCommand(target, command, rest)) {
        const std::weak_ptr<bool> alive = m_alive;
        RaiseSectionCommand(command);
        if (!alive.expired()) {
            FollowLink(rest, rect);
        }
    } else {
        RaiseSectionCommand(target.substr(1));
    }
}

void PageControl::RaiseSectionCommand(const std::string& command) {
    m_busy = true;
    m_host.SetCursor(PageCursor::HourGlass);
    m_source.RememberPage(HistoryRule::UnlessSameAsLast);
    // The host may release the window (and this page with it) while it handles the command.
    const std::weak_ptr<bool> alive = m_alive;
    RaiseEvent(command);
    if (alive.expired()) {
        return;
    }
    m_busy = false;
    m_host.SetCursor(PageCursor::Default);
}

// [SECTION] Check boxes, look-ups and the anchor label

void PageControl::ToggleCheckBox(const std::string& name) {
    for (PageCheckBoxRecord& checkBox : m_document->checkBoxes) {
        if (!SameTextInsensitive(checkBox.name, name)) {
            continue;
        }
        checkBox.checked = !checkBox.checked;
        DrawCheckBox(checkBox);
        if (checkBox.checked) {
            m_document->conditions.Set(name);
            RaiseEvent("+" + name);
        } else {
            m_document->conditions.Clear(name);
            RaiseEvent("-" + name);
        }
        return;
    }
}

void PageControl::DrawCheckBox(const PageCheckBoxRecord& checkBox) {
    if (checkBox.x < 0 || checkBox.y < 0) {
        return; // not laid out
    }
    const int x = checkBox.x;
    const int y = checkBox.y;
    const int size = checkBox.size;
    TXCanvas canvas(m_painter.Buffer());
    canvas.Brush().colour = 0;
    canvas.FrameRect(TXRect{x, y, x + size, y + size});
    canvas.FrameRect(TXRect{x + 1, y + 1, x + size - 1, y + size - 1});
    canvas.FillRect(TXRect{x + 2, y + 2, x + size - 2, y + size - 2}, checkBox.checked ? 0x000000 : 0xFFFFFF);
    m_host.Screen().CopyToScreen(m_painter.Buffer(), PageRect::FromSize(x, y, size, size), x,
                                 y - ScrollOffset());
}

void PageControl::LookUp(const std::string& word) {
    PageControl* answering = this;
    if (m_htmlChild && m_parentPage != nullptr && m_parentPage->OnRightClick) {
        answering = m_parentPage;
    }
    if (answering->OnRightClick) {
        answering->OnRightClick(*this, PageRect{}, word);
    }
}

void PageControl::ToggleAnchorLabel(const std::string& text, const PageRect& rect) {
    const bool showedSame = m_labelVisible && m_label.text == text;
    HideAnchorLabel();
    if (showedSame) {
        m_label.text = kClosedLabelText; // the next click on this spot opens the note again
        return;
    }
    m_label = LayoutAnchorLabel(text);
    const int offset = ScrollOffset();
    const PageRect reference{rect.left, rect.top - offset, rect.right, rect.bottom - offset};
    PlaceAnchorLabel(m_label, reference, m_width, m_height, m_painter.Buffer().Width());
    m_host.ShowAnchorLabel(m_label);
    m_labelVisible = true;
    m_host.TakeFocus();
}

void PageControl::HideAnchorLabel() {
    if (m_labelVisible) {
        m_host.HideAnchorLabel();
        m_labelVisible = false;
    }
}

// [SECTION] Exercises

void PageControl::ShowNextExerciseItem() {
    if (m_source.NextExerciseItem()) {
        m_scroller.SetPosition(0, m_layout.DocumentHeight());
        Render();
    }
}

void PageControl::FollowExerciseCommand(std::string_view target) {
    const ExerciseCommand command = ReadExerciseCommand(target);
    for (const std::string& message : command.messages) {
        ShowAppMessage(message, kMbIconInformation | kMbOk);
    }
    std::string continuation = command.continuation;
    if (continuation.starts_with('#')) {
        // An alias the page does not define keeps its name: the item pages may define it later.
        continuation = m_document->linkAliases.Get(continuation, continuation);
    }
    m_source.RememberPage(HistoryRule::UnlessSameAsLast);
    if (ExtensionPart(command.file) != ".qor") {
        // Nothing is loaded, but the continuation counts, as the command was read so far.
        m_source.StartExerciseSeries(-1, continuation);
        return;
    }
    m_source.StartExerciseSeries(command.count, continuation);
    if (m_source.LoadPageFile(command.file, PageLoad::Fresh)) {
        m_scroller.SetPosition(0, m_layout.DocumentHeight());
        Render();
    }
}

// [SECTION] Pages and sounds

void PageControl::FollowFile(const std::string& target) {
    switch (LinkFileKindOf(target)) {
    case LinkFileKind::Page:
        m_source.RememberPage(HistoryRule::Always);
        SetXFile(target);
        break;
    case LinkFileKind::Sound: {
        const std::string path = m_pageHost.ResolvePagePath(XPath(), target);
        if (!path.empty() && m_pageHost.FileExists(path)) {
            PlaySound(path);
        }
        break;
    }
    case LinkFileKind::Speech:
        PlaySpeech(SpeechLinkText(target));
        break;
    case LinkFileKind::None:
        break;
    }
}

// Speech is quiet when it fails: the voice or the sound device may simply not be there.
void PageControl::PlaySpeech(const std::string& text) {
    if (const SpeechLinkPlayer& player = CurrentSpeechLinkPlayer()) {
        player(text);
        return;
    }
    MediaCommandSender& sender = CurrentMediaCommandSender();
    sender.Send("close welle");
    if (sender.Send("open \"" + text + "\" type sprache alias welle").starts_with("Error")) {
        return;
    }
    sender.Send("play welle from 0");
}

void PageControl::PlaySound(const std::string& path) {
    MediaCommandSender& sender = CurrentMediaCommandSender();
    sender.Send("close welle");
    if (ShowMediaError(sender, sender.Send("open \"" + path + "\" alias welle"))) {
        return;
    }
    ShowMediaError(sender, sender.Send("play welle from 0"));
}

} // namespace qor
