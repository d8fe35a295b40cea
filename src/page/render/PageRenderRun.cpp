#include "page/render/PageRenderRun.h"

#include "page/markup/PageHost.h"
#include "page/markup/PageParser.h"
#include "page/markup/PagePath.h"
#include "page/sources/LinkCheck.h"
#include "page/sources/PageSource.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <cstring>

namespace qor {

PageRenderRun::PageRenderRun()
    : m_document(std::make_unique<PageDocument>()), m_host(std::make_unique<DiskPageHost>()),
      m_source(std::make_unique<PageSource>(*m_document, *m_host)), m_painter(*m_document, m_layout) {}

PageRenderRun::~PageRenderRun() = default;

bool PageRenderRun::Render(const PageRenderRequest& request) {
    m_request = request;
    PageDocument& document = *m_document;
    document.pageWidth = request.width;
    document.pageHeight = request.height;
    for (const auto& [name, value] : request.macros) {
        document.macros.Set(name, value);
    }
    for (const std::string& condition : request.conditions) {
        document.conditions.Set(condition);
    }
    PageHost& host = *m_host;
    PageSource& source = *m_source;
    source.SetProgramFolder(request.folder);
    source.SetXPath(request.folder);
    const LayoutSettings layoutSettings{request.width, request.height};
    PageSourceHooks hooks;
    hooks.pageParsed = [this, &document, layoutSettings] { m_layout.Run(document, layoutSettings); };
    source.SetHooks(std::move(hooks));
    if (request.utf8) {
        std::string text;
        const std::string path = ResolvePagePath(document.pageFolder, request.file);
        if (!ReadWholeFile(path, text)) {
            return false;
        }
        text = Cp1252FromUtf8(text);
        text += '\r';
        document.pageFolder = FolderPart(path);
        document.currentFile = FileNamePart(path);
        ParseFreshPage(document, host, text);
        m_layout.Run(document, layoutSettings);
    } else if (!source.SetXFile(request.file)) {
        return false;
    }
    m_painter.Render(PaintSettings{request.width, request.height});
    return true;
}

TXBitmap PageRenderRun::Visible(int scroll, bool whole) const {
    const TXBitmap& buffer = m_painter.Buffer();
    if (whole) {
        return buffer;
    }
    const int height = std::min(m_request.height, buffer.Height());
    const int offset = std::clamp(scroll, 0, std::max(0, buffer.Height() - height));
    TXBitmap visible(buffer.Width(), height);
    for (int y = 0; y < height; ++y) {
        std::memcpy(visible.Row(y), buffer.Row(y + offset), static_cast<std::size_t>(buffer.Width()) * 3);
    }
    return visible;
}

std::vector<std::string> PageRenderRun::BadLinks() const {
    return MissingLinkTargets(*m_document, m_layout);
}

} // namespace qor
