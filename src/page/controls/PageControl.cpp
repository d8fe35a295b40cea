// Construction, properties and the operations the host calls; the page's side of the exercises.

#include "page/controls/PageControl.h"

#include "page/markup/PageParser.h"
#include "page/render/FeedbackAnimation.h"
#include "platform/MediaCommands.h"

namespace qor {

namespace {

// Clears a flag when the scope ends, also when a handler called inside throws.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
};

} // namespace

bool PageControl::EventPageHost::OnSpecialCode(std::string& text) {
    if (!m_page.OnSpecialCode) {
        return false;
    }
    m_page.OnSpecialCode(text);
    return true;
}

bool PageControl::EventPageHost::HandlesPictureRequests() const {
    return static_cast<bool>(m_page.OnPictureRequest);
}

void PageControl::EventPageHost::OnPictureRequest(std::string_view code, TXBitmap& bitmap) {
    if (m_page.OnPictureRequest) {
        m_page.OnPictureRequest(code, bitmap);
    }
}

PageControl::PageControl(PageControlHost& host)
    : m_host(host), m_document(std::make_unique<PageDocument>()), m_painter(*m_document, m_layout),
      m_source(*m_document, m_pageHost), m_scroller(host.Screen()),
      m_exercises(*m_document, m_painter, *this) {
    m_document->SetControlHost(&host.Controls());
    ConnectDocument();
    Resize(m_width, m_height);
}

PageControl::~PageControl() {
    *m_alive = false;
    StopAutoJump();
    StopSlideBox();
    if (m_tooltipTimer != 0) {
        m_host.StopTimer(m_tooltipTimer);
    }
    CurrentMediaCommandSender().Send("close welle");
}

bool PageControl::SetXFile(std::string_view name) {
    m_busy = true;
    const bool loaded = m_source.SetXFile(name);
    if (!loaded) {
        // A loaded page ends its steps with this itself; a missing or empty one ends here.
        m_host.ProcessMessages();
        m_busy = false;
    }
    return loaded;
}

void PageControl::SetColorBGR(Colour colour) {
    if (colour == m_document->colorBGR) {
        return;
    }
    m_document->colorBGR = colour;
    m_painter.Buffer().Fill(colour, ColourOrder::BlueHigh);
    ShowBuffer();
}

void PageControl::Resize(int width, int height) {
    m_width = std::max(1, width);
    m_height = std::max(1, height);
    m_document->pageWidth = m_width;
    m_document->pageHeight = m_height;
    m_scroller.Resize(m_width, m_height);
    m_exercises.SetClientSize(m_width, m_height);
}

void PageControl::ShowText(std::string_view text) {
    m_busy = true;
    m_document->Reset();
    PageReset();
    std::string page(text);
    if (page.empty() || page.back() != '\r') {
        page += '\r';
    }
    PageParser parser(*m_document, m_pageHost);
    parser.Parse(page, ParseMode::Fresh);
    PageParsed();
    AfterLoad();
}

void PageControl::Reload() {
    SetXFile(std::string(XFile()));
}

void PageControl::Feedback(std::string_view text, int milliseconds) {
    if (m_animationRunning) {
        return;
    }
    m_lastFeedback = text;
    {
        FlagGuard running(m_animationRunning);
        FeedbackAnimation animation(m_width, m_height, text);
        animation.Run(
            milliseconds, [this] { return m_host.NowMs(); },
            [this](const TXBitmap& frame) { m_host.PresentFrame(frame); });
    }
    ShowBuffer();
}

// [SECTION] The exercises' host

void PageControl::RaiseCommand(const std::string& command) {
    RaiseEvent(command);
}

void PageControl::LoadPage(const std::string& file) {
    SetXFile(file);
}

void PageControl::PostDeferred(std::function<void()> call) {
    m_host.PostDeferred([alive = std::weak_ptr<bool>(m_alive), call = std::move(call)] {
        const std::shared_ptr<bool> page = alive.lock();
        if (page && *page) {
            call();
        }
    });
}

void PageControl::RunFeedback(std::string_view text, int milliseconds) {
    Feedback(text, milliseconds);
}

void PageControl::TakeFocus() {
    m_host.TakeFocus();
}

void PageControl::ShowBuffer() {
    m_scroller.Show(m_painter.Buffer());
}

void PageControl::HoldFrame(int milliseconds) {
    m_host.HoldFrame(milliseconds);
}

void PageControl::SetDragImage(const TXBitmap* image, int x, int y) {
    const TXBitmap& buffer = m_painter.Buffer();
    if (m_dragImage) {
        // The screen under the image's old place comes back from the buffer.
        const PageRect old = *m_dragImage;
        const int offset = ScrollOffset();
        m_host.Screen().CopyToScreen(
            buffer, PageRect{old.left, old.top + offset, old.right, old.bottom + offset}, old.left, old.top);
        m_dragImage.reset();
    }
    if (image != nullptr && !image->Empty()) {
        m_host.Screen().CopyToScreen(*image, PageRect{0, 0, image->Width(), image->Height()}, x, y);
        m_dragImage = PageRect::FromSize(x, y, image->Width(), image->Height());
    }
}

} // namespace qor
