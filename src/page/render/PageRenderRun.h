#pragma once
// One whole page switch without a window: load a page file through the page source, lay it out
// and render it into the buffer. The headless renderer, the gallery tests and the benchmark use
// it; the fonts are whatever font service is installed.

#include "page/markup/PageDocument.h"
#include "page/render/PageLayout.h"
#include "page/render/PagePainter.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qor {

class PageHost;
class PageSource;

struct PageRenderRequest {
    std::string folder;                                      // the page folder (a program path)
    std::string file;                                        // the page file, relative to the folder
    std::vector<std::pair<std::string, std::string>> macros; // Windows-1252
    std::vector<std::string> conditions;
    int width = kDefaultPageWidth;
    int height = kDefaultPageHeight;
    // The file is UTF-8 text (the gallery's pages) instead of a page file of the program.
    bool utf8 = false;
};

class PageRenderRun {
public:
    PageRenderRun();
    ~PageRenderRun();

    // False when the page could not be loaded (a message was shown through the presenter).
    bool Render(const PageRenderRequest& request);

    PageDocument& Document() { return *m_document; }
    PageLayout& Layout() { return m_layout; }
    PagePainter& Painter() { return m_painter; }

    // The window of the buffer that the screen shows at scroll offset `scroll` (clamped to the
    // document), or the whole buffer with `whole`.
    TXBitmap Visible(int scroll, bool whole) const;

    // The link targets of the page that name files that do not exist (MissingLinkTargets).
    std::vector<std::string> BadLinks() const;

private:
    std::unique_ptr<PageDocument> m_document;
    // Kept from page to page, as a page control keeps them.
    std::unique_ptr<PageHost> m_host;
    std::unique_ptr<PageSource> m_source;
    PageLayout m_layout;
    PagePainter m_painter;
    PageRenderRequest m_request;
};

} // namespace qor
