#include "page/render/PagePainter.h"

#include "page/markup/PageDocument.h"
#include "page/render/PageLayout.h"

#include <algorithm>
#include <cstring>

namespace qor {

PagePainter::PagePainter(PageDocument& document, PageLayout& layout)
    : m_document(document), m_layout(layout) {}

PagePainter::~PagePainter() = default;

int PagePainter::BufferHeight(int clientHeight, int documentHeight) {
    const long long wanted = std::max<long long>(clientHeight, static_cast<long long>(documentHeight) + 16);
    return static_cast<int>(std::clamp<long long>(wanted, 1, kMaxBufferHeight));
}

void PagePainter::Render(const PaintSettings& settings) {
    m_settings = settings;
    m_words.Clear();
    m_picturePlaces.clear();
    const int width = std::clamp(settings.controlWidth, 1, TXBitmap::kMaxSide);
    const int height = BufferHeight(settings.clientHeight, m_layout.DocumentHeight());
    // The buffers are kept from page to page: fresh memory of this size costs more than the
    // whole rest of a page switch. Everything in them is painted over below.
    if (m_buffer.Width() != width || m_buffer.Height() != height) {
        m_buffer.Resize(width, height);
    }
    const bool composited = m_document.compositedPainting;
    if (composited) {
        if (m_composite.Width() != width || m_composite.Height() != height) {
            m_composite.Resize(width, height);
        }
    } else {
        m_composite = TXBitmap();
    }
    TXBitmap& target = composited ? m_composite : m_buffer;
    target.Fill(m_document.colorBGR, ColourOrder::BlueHigh);
    PaintBackground(target);
    PaintBoxes(target, false);
    if (m_document.slideBox) {
        if (!m_slideBox) {
            m_slideBox = std::make_unique<TLomoBox>();
        }
        m_slideBox->Setup(*m_document.slideBox);
        m_slideBox->PaintAll(target);
    } else {
        m_slideBox.reset();
    }
    PaintPictures(target);
    PaintBoxes(target, true);
    if (composited) {
        for (int y = 0; y < height; ++y) {
            std::memcpy(m_buffer.Row(y), m_composite.Row(y), static_cast<std::size_t>(width) * 3);
        }
    }
    PaintElements();
    PaintHoverBoxes();
    PaintDragTask();
    PaintSentences();
}

} // namespace qor
