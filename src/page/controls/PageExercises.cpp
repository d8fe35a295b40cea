// Gap answers, the multiple-choice pick and the all-solved check. Dragging is in
// PageExercisesDrag.cpp.
//
// Commands that may load another page are never delivered inside the control's own event: a new
// page frees the gap edits and the grid, and the event would go on in a control that is gone.
// They go through the host's deferred queue instead, even where the page would load at once.

#include "page/controls/PageExercises.h"

#include "page/controls/TPageEdit.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/render/PagePainter.h"
#include "platform/WinPath.h"

#include <utility>

namespace qor {

namespace {

constexpr std::string_view kPraise = "Unglaublich!";
constexpr std::string_view kPity = "Oh nein!!!";

bool HasFileExtension(std::string_view command) {
    return !ExtensionPart(command).empty();
}

} // namespace

PageExercises::PageExercises(PageDocument& document, PagePainter& painter, PageExerciseHost& host)
    : m_document(document), m_painter(painter), m_host(host) {}

void PageExercises::SetClientSize(int width, int height) {
    m_clientWidth = width;
    m_clientHeight = height;
}

void PageExercises::Reset() {
    if (Dragging()) {
        m_host.SetDragImage(nullptr, 0, 0);
    }
    m_drag = DragState{};
}

// [SECTION] Gap edits

void PageExercises::ConnectGapEdit(TPageEdit& edit, GapEditSource source) {
    edit.OnRichtig = [this](tXColorEdit& sender) { GapRight(static_cast<TPageEdit&>(sender)); };
    edit.OnFalsch = [this](tXColorEdit& sender) { GapWrong(static_cast<TPageEdit&>(sender)); };
    if (source != GapEditSource::Gap) {
        return; // EDIT fields only report right and wrong
    }
    edit.OnReturn = [this](tXColorEdit& sender) { GapAnswered(static_cast<TPageEdit&>(sender)); };
    edit.OnMouseDown = [this](tXColorEdit&, const MouseEvent&) { m_host.HideAnchorLabel(); };
}

void PageExercises::GapAnswered(TPageEdit& edit) {
    // A finished gap has hidden itself; its saved background shows the word in its place.
    if (edit.Visible()) {
        return;
    }
    tTippAufgabenListe& edits = m_document.GapEdits();
    for (int i = 0; i < edits.Count(); ++i) {
        if (&edits.Edit(i) == &edit) {
            edits.DrawBackground(i, m_painter.Buffer());
            m_host.ShowBuffer();
            return;
        }
    }
}

void PageExercises::GapRight(const TPageEdit& edit) {
    m_host.ReleaseFinishedGap(edit);
    const std::string& reaction = edit.Command();
    if (reaction.empty()) {
        CheckAllSolved();
        return;
    }
    if (HasFileExtension(reaction)) {
        // A page named as reaction is simply shown; the focus is the new page's business.
        m_host.PostDeferred([this, reaction] { m_host.LoadPage(reaction); });
        return;
    }
    Deliver(reaction + "#" + std::to_string(edit.AttemptCount()) + "+");
}

void PageExercises::GapWrong(const TPageEdit& edit) {
    m_host.ReleaseFinishedGap(edit);
    const std::string& reaction = edit.Command();
    Deliver(HasFileExtension(reaction) ? reaction : reaction + "-");
}

void PageExercises::Deliver(const std::string& command) {
    m_host.PostDeferred([this, command] {
        if (HasFileExtension(command)) {
            m_host.LoadPage(command);
        } else {
            m_host.RaiseCommand(command);
        }
        if (!m_host.FocusReleased()) {
            m_host.TakeFocus();
        }
    });
}

// [SECTION] Multiple choice

void PageExercises::ConnectMultipleChoice(TXMultipleChoice& grid) {
    grid.OnSelect = [this](TXMultipleChoice& sender, int cell, MouseButton button) {
        Choose(sender, cell, button);
    };
}

void PageExercises::Choose(TXMultipleChoice& grid, int cell, MouseButton button) {
    // The grid reports every release over a cell; only a left click that chose the cell counts
    // (once the solution is marked, the grid no longer chooses).
    if (button != MouseButton::Left || cell < 0 || grid.Selected() != cell || grid.Highlight() != -1) {
        return;
    }
    grid.SetVisible(false);
    const int right = grid.RightAnswer();
    const std::string& reaction = m_document.choiceReaction;
    if (reaction.empty()) {
        m_host.RunFeedback(cell == right ? kPraise : kPity, kChoiceFeedbackMs);
        grid.SetHighlight(right);
        grid.SetVisible(true);
        return;
    }
    std::string command = reaction + "+";
    if (cell != right) {
        const std::vector<std::string>& items = grid.Items();
        const std::string item =
            cell < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(cell)] : std::string();
        command = reaction + "[" + item + "]-";
    }
    m_host.PostDeferred([this, command] { m_host.RaiseCommand(command); });
}

// [SECTION] All solved

void PageExercises::CheckAllSolved() {
    tDragAufgabenListe& task = m_document.dragTask;
    if (m_document.GapEdits().OpenCount() > 0 || task.TargetCount() > 0 ||
        m_document.sentences.SentenceCount() > 0) {
        return;
    }
    // The words left over (KLOTZ FALSCH) stay on the page as a picture; nothing can be dragged now.
    TXBitmap& buffer = m_painter.Buffer();
    for (int i = task.BlockCount() - 1; i >= 0; --i) {
        task.DrawFace(i, buffer);
        task.RemoveBlock(i);
    }
    m_host.ShowBuffer();
    m_host.RunFeedback(kPraise, kAllSolvedMs);
}

} // namespace qor
