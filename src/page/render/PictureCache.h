#pragma once
// Pictures named by pages, addressed by index (the style's picture index). Entries whose name
// began with "*" are kept across page changes.

#include "page/render/TXBitmap.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qor {

struct TXPicture {
    TXBitmap bitmap;
    std::string name; // as loaded, without the leading "*"
    bool kept = false;
};

// Reads a picture file (a program path) into a 24-bit bitmap; false when it cannot. `jpeg` says
// whether the name's extension asks for a JPEG decoder. `resource` is set for names beginning "$"
// (pictures stored in the program itself; the name is then the resource name).
using PictureReader = std::function<bool(std::string_view path, bool jpeg, bool resource, TXBitmap& bitmap)>;

class tPicture_list {
public:
    tPicture_list();

    void SetReader(PictureReader reader) { m_reader = std::move(reader); }

    int Find(std::string_view name) const; // compared in capitals; -1 when absent
    // Loads (or finds) a picture; -1 after the error message when it cannot be read.
    int Load(std::string_view name);
    int Blank(int width, int height); // a new unnamed picture
    void Clear();                     // removes every entry that is not kept

    int Count() const { return static_cast<int>(m_entries.size()); }
    TXPicture& At(int index) { return *m_entries[index]; }
    const TXPicture& At(int index) const { return *m_entries[index]; }

private:
    int Append(std::unique_ptr<TXPicture> picture);
    void RebuildIndex();

    std::vector<std::unique_ptr<TXPicture>> m_entries;
    std::unordered_map<std::string, int> m_firstIndex; // capitalised name → first entry of that name
    PictureReader m_reader;
};

} // namespace qor
