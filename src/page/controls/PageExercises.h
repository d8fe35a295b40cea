#pragma once
// The exercises of a page once it is on the screen: what a gap edit's answer and a multiple-choice
// pick send to the host, dragging word blocks onto the gaps of the text, reordering the parts of
// a sentence, and the praise when everything is solved.
//
// The page control owns one PageExercises and forwards to it: the document's creation hooks for
// gap edits and the grid, the left mouse button in document coordinates, and the page reset.
// Everything the exercises need from the page goes through PageExerciseHost.

#include "page/controls/ControlEvents.h"
#include "page/markup/PageDocument.h"
#include "page/render/TXBitmap.h"

#include <functional>
#include <string>
#include <string_view>

namespace qor {

class PagePainter;
class TPageEdit;
class TXMultipleChoice;

class PageExerciseHost { // the page control implements this
public:
    virtual ~PageExerciseHost() = default;
    virtual void RaiseCommand(const std::string& command) = 0; // OnCommand
    virtual void LoadPage(const std::string& file) = 0;        // like setting XFile
    virtual void PostDeferred(std::function<void()> call) = 0; // run after the current event (message 1066)
    virtual void RunFeedback(std::string_view text, int milliseconds) = 0; // blocking feedback animation
    virtual void TakeFocus() = 0; // the page takes the keyboard focus
    virtual bool FocusReleased() const = 0;
    virtual void HideAnchorLabel() = 0;
    // A gap is finished and hidden: if it has the keyboard, the next open gap takes it, or none.
    virtual void ReleaseFinishedGap(const TPageEdit& edit) = 0;
    virtual void ShowBuffer() = 0; // copy the (changed) buffer to the screen
    virtual void SetDragImage(const TXBitmap* image, int x, int y) = 0; // nullptr: none; client coords
    // The screen as it stands is shown at once and kept for `milliseconds`: one frame of a glide
    // or a close-up.
    virtual void HoldFrame(int milliseconds) = 0;
};

class PageExercises {
public:
    PageExercises(PageDocument& document, PagePainter& painter, PageExerciseHost& host);
    void ConnectGapEdit(TPageEdit& edit, GapEditSource source); // from document.onGapEditCreated
    void ConnectMultipleChoice(TXMultipleChoice& grid);         // from document.onMultipleChoiceCreated
    void Reset();                                               // page reset: drag state off
    // Left press / move / release in document coordinates; true when a drag took the event.
    bool MouseDown(int x, int y, int scroll);
    bool MouseMove(int x, int y, int scroll);
    bool MouseUp(int x, int y, int scroll);
    bool Dragging() const;
    bool OverDraggable(int x, int y) const; // the page shows cursor DRAG1
    void CheckAllSolved();

    // The size of the control's client area, which a dragged image stays inside. Until it is set,
    // the document's page size counts.
    void SetClientSize(int width, int height);

    static constexpr int kGlideSteps = 100;   // a block or part returning to its place
    static constexpr int kCloseUpFrames = 12; // a solved sentence closing its gaps
    // The pace of those animations: a glide takes about a third of a second, as does a close-up.
    static constexpr int kGlideFrameMs = 3;
    static constexpr int kCloseUpFrameMs = 25;
    static constexpr int kAllSolvedMs = 2000; // the praise when every task is done
    static constexpr int kChoiceFeedbackMs = 1500;

private:
    enum class DragKind { None, Block, Part };

    // The image being dragged: its top-left corner in document coordinates and the grab point
    // inside it. For a part, the sentence list knows which part it is (its current sentence/part).
    struct DragState {
        DragKind kind = DragKind::None;
        int block = -1;
        int left = 0;
        int top = 0;
        int offsetX = 0;
        int offsetY = 0;
        int scroll = 0;
    };

    // [Gaps and choice] PageExercises.cpp
    void GapRight(const TPageEdit& edit);
    void GapWrong(const TPageEdit& edit);
    void GapAnswered(TPageEdit& edit);
    void Deliver(const std::string& command);
    void Choose(TXMultipleChoice& grid, int cell, MouseButton button);
    // [Dragging] PageExercisesDrag.cpp
    bool StartBlockDrag(int block, int x, int y);
    bool StartPartDrag(int x, int y);
    void MoveTo(int left, int top);
    void DropBlock();
    void DropPart();
    void Glide(const TXBitmap& image, int toLeft, int toTop);
    void EndDrag();
    const TXBitmap* DragImage() const;
    void ShowDragImage();
    // [Sentences] PageExercisesDrag.cpp
    Colour SlotColour() const;
    void DrawSentence(int sentence, int gap, int emptyPosition);
    void CloseUp(int sentence);
    int ClientWidth() const;
    int ClientHeight() const;

    PageDocument& m_document;
    PagePainter& m_painter;
    PageExerciseHost& m_host;
    DragState m_drag;
    int m_clientWidth = -1;
    int m_clientHeight = -1;
};

} // namespace qor
