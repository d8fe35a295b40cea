#pragma once
// What the parser needs from the page's owner: answers to special codes and picture requests,
// and access to files. The page control implements it for the application; DiskPageHost reads
// page files (packed or plain) through the page-file loader and serves tests and tools.

#include "page/render/TXBitmap.h"

#include <functional>
#include <string>
#include <string_view>

namespace qor {

class PageHost {
public:
    virtual ~PageHost() = default;

    // `OnSpecialCode`: false when no handler is set (several rules differ then); otherwise the
    // handler has replaced `text` with its answer.
    virtual bool OnSpecialCode(std::string& text) = 0;

    // `OnPictureRequest`: whether a handler is set, and the request itself (the handler draws
    // into `bitmap`, which has the size the page asked for).
    virtual bool HandlesPictureRequests() const = 0;
    virtual void OnPictureRequest(std::string_view code, TXBitmap& bitmap) = 0;

    // The path of `name` seen from a page in `pageFolder`.
    virtual std::string ResolvePagePath(std::string_view pageFolder, std::string_view name) const = 0;
    // The text of a page file for INCLUDE, ending in a carriage return; false when unreadable.
    virtual bool LoadPageText(std::string_view path, std::string& text) = 0;
    virtual bool FileExists(std::string_view path) const = 0;
};

// Reads page files as plain text from disk; the handlers are optional.
class DiskPageHost : public PageHost {
public:
    using SpecialCodeHandler = std::function<void(std::string& text)>;
    using PictureRequestHandler = std::function<void(std::string_view code, TXBitmap& bitmap)>;

    void SetSpecialCodeHandler(SpecialCodeHandler handler) { m_specialCode = std::move(handler); }
    void SetPictureRequestHandler(PictureRequestHandler handler) { m_pictureRequest = std::move(handler); }

    bool OnSpecialCode(std::string& text) override;
    bool HandlesPictureRequests() const override { return static_cast<bool>(m_pictureRequest); }
    void OnPictureRequest(std::string_view code, TXBitmap& bitmap) override;
    std::string ResolvePagePath(std::string_view pageFolder, std::string_view name) const override;
    bool LoadPageText(std::string_view path, std::string& text) override;
    bool FileExists(std::string_view path) const override;

private:
    SpecialCodeHandler m_specialCode;
    PictureRequestHandler m_pictureRequest;
};

} // namespace qor
