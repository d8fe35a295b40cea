#pragma once
// Renders a laid-out page into its off-screen buffer, once per page: background, boxes, the
// slide box, pictures, text, check boxes, hover images, the drag task and the sentence tasks.
// Rendering also leaves what interaction needs: the normal and highlighted images of hover
// rectangles, the word index, the gap edits' backgrounds and the pictures' places.
//
// Everything is drawn in document coordinates: the buffer holds the whole document, and the
// screen shows a window of it (PageScreen).

#include "page/render/TLomoBox.h"
#include "page/render/TWordList.h"
#include "page/render/TXBitmap.h"

#include <memory>
#include <vector>

namespace qor {

class PageDocument;
class PageLayout;
struct LayoutElement;
struct PageBoxRecord;

// The buffer never grows beyond this height, whatever a page asks for (TXBitmap's own limit):
// a page that places text billions of pixels down gets a buffer that ends here.
inline constexpr int kMaxBufferHeight = TXBitmap::kMaxSide;

struct PaintSettings {
    int controlWidth = 800;
    int clientHeight = 572;
};

// Where a picture was drawn, so that a picture the host draws into later can be shown again.
struct PicturePlace {
    int element = -1;
    int picture = -1;
    PageRect rect;
};

class PagePainter {
public:
    PagePainter(PageDocument& document, PageLayout& layout);
    ~PagePainter();

    // Renders the whole page into the buffer.
    void Render(const PaintSettings& settings = {});

    TXBitmap& Buffer() { return m_buffer; }
    const TXBitmap& Buffer() const { return m_buffer; }
    const TWordList& Words() const { return m_words; }
    const std::vector<PicturePlace>& PicturePlaces() const { return m_picturePlaces; }
    // The page's slide box, once a page with BOX LOMO was rendered; nullptr otherwise.
    TLomoBox* SlideBox() { return m_slideBox.get(); }

    // Buffer height for a document: the larger of the client height and document height + 16,
    // within 1 … kMaxBufferHeight.
    static int BufferHeight(int clientHeight, int documentHeight);

private:
    // [Background and shapes] PaintBoxes.cpp
    void PaintBackground(TXBitmap& target);
    void PaintBoxes(TXBitmap& target, bool onTop);
    void PaintBox(TXBitmap& target, const PageBoxRecord& box);
    void PaintHoverBoxes();
    // [Pictures] PaintPictures.cpp
    void PaintPictures(TXBitmap& target);
    void PaintPicture(TXBitmap& target, int index);
    // [Text] PaintText.cpp
    void PaintElements();
    void PaintCheckBox(int index);
    int PaintFlashingRun(int first);
    void PaintWord(int index, const LayoutElement& element, std::int32_t colourOverride);
    void IndexWord(const LayoutElement& element);
    bool InFlashingRun(int index) const;
    // [Tasks] PaintTasks.cpp
    void PaintDragTask();
    void PaintSentences();

    PageDocument& m_document;
    PageLayout& m_layout;
    PaintSettings m_settings;
    TXBitmap m_buffer;
    TXBitmap m_composite;
    TWordList m_words;
    std::vector<PicturePlace> m_picturePlaces;
    std::unique_ptr<TLomoBox> m_slideBox;
};

} // namespace qor
