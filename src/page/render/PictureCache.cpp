#include "page/render/PictureCache.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"

#include <algorithm>

namespace qor {

namespace {

// The text after the last dot of the name, empty when there is none.
std::string_view Extension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
}

// Resource names cannot hold "-" or ".", so the pictures were stored with "_" in their place.
std::string ResourceName(std::string_view name) {
    std::string resource(name);
    std::replace(resource.begin(), resource.end(), '-', '_');
    std::replace(resource.begin(), resource.end(), '.', '_');
    return resource;
}

} // namespace

tPicture_list::tPicture_list() : m_reader([](std::string_view, bool, bool, TXBitmap&) { return false; }) {}

int tPicture_list::Find(std::string_view name) const {
    const auto found = m_firstIndex.find(UpperCp1252(name));
    return found == m_firstIndex.end() ? -1 : found->second;
}

int tPicture_list::Append(std::unique_ptr<TXPicture> picture) {
    const int index = static_cast<int>(m_entries.size());
    m_firstIndex.emplace(UpperCp1252(picture->name), index);
    m_entries.push_back(std::move(picture));
    return index;
}

void tPicture_list::RebuildIndex() {
    m_firstIndex.clear();
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_firstIndex.emplace(UpperCp1252(m_entries[i]->name), static_cast<int>(i));
}

int tPicture_list::Load(std::string_view name) {
    const bool kept = !name.empty() && name.front() == '*';
    if (kept) {
        name.remove_prefix(1);
    }
    if (const int existing = Find(name); existing >= 0) {
        return existing;
    }
    auto entry = std::make_unique<TXPicture>();
    TXPicture& picture = *entry;
    bool loaded = true;
    if (!name.empty() && name.front() == '$') {
        const std::string_view resource = name.substr(1);
        loaded =
            m_reader && m_reader(ResourceName(resource), Extension(resource) == "jpeg", true, picture.bitmap);
    } else if (!name.empty() && name.front() == '%') {
        // The host draws these pictures itself.
    } else {
        const std::string extension = LowerCp1252(Extension(name));
        loaded = m_reader && m_reader(name, extension == "jpeg" || extension == "jpg", false, picture.bitmap);
    }
    if (!loaded) {
        ShowAppMessage("Das Bild " + std::string(name) + " konnte nicht geladen werden!",
                       kMbIconError | kMbOk);
        return -1;
    }
    picture.name.assign(name);
    picture.kept = kept;
    return Append(std::move(entry));
}

int tPicture_list::Blank(int width, int height) {
    auto picture = std::make_unique<TXPicture>();
    picture->bitmap.Resize(width, height);
    return Append(std::move(picture));
}

void tPicture_list::Clear() {
    std::erase_if(m_entries, [](const std::unique_ptr<TXPicture>& picture) { return !picture->kept; });
    RebuildIndex();
}

} // namespace qor
