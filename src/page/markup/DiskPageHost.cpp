#include "page/markup/PageHost.h"
#include "page/markup/PagePath.h"
#include "page/sources/PageFile.h"
#include "platform/WinPath.h"

namespace qor {

bool DiskPageHost::OnSpecialCode(std::string& text) {
    if (!m_specialCode) {
        return false;
    }
    m_specialCode(text);
    return true;
}

void DiskPageHost::OnPictureRequest(std::string_view code, TXBitmap& bitmap) {
    if (m_pictureRequest) {
        m_pictureRequest(code, bitmap);
    }
}

std::string DiskPageHost::ResolvePagePath(std::string_view pageFolder, std::string_view name) const {
    return qor::ResolvePagePath(pageFolder, name);
}

bool DiskPageHost::LoadPageText(std::string_view path, std::string& text) {
    // INCLUDE reports its own failure, so the loader's message is not shown.
    std::string error;
    return qor::LoadPageText(path, text, error);
}

bool DiskPageHost::FileExists(std::string_view path) const {
    return qor::FileExists(path);
}

} // namespace qor
