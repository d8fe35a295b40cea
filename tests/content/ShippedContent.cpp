#include "content/ShippedContent.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "platform/Zlib.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace qor::test {

namespace fs = std::filesystem;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string FileName(std::string_view relative) {
    return fs::path(relative).filename().string();
}

fs::path ShippedContent::Sources() {
    return QOR_CONTENT_DIR;
}

ShippedContent::ShippedContent() {
    m_folder = fs::temp_directory_path() / ("qor_content_" + std::to_string(std::random_device{}()));
    fs::remove_all(m_folder);
    for (const auto& entry : fs::recursive_directory_iterator(Sources())) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::string relative = fs::relative(entry.path(), Sources()).generic_string();
        const bool page = EndsWith(relative, ".html");
        const bool exercise = EndsWith(relative, ".qor.txt");
        // Other text files are data that a subsystem reads (the game's word pairs), stored plain.
        const bool data = !exercise && EndsWith(relative, ".txt");
        if (!page && !exercise && !data) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream utf8;
        utf8 << in.rdbuf();
        ContentFile file;
        file.text = Cp1252FromUtf8(utf8.str(), &file.lossless);
        if (page)
            relative = relative.substr(0, relative.size() - 5) + ".htx";
        else if (exercise)
            relative = relative.substr(0, relative.size() - 4);
        // The program names files in Windows-1252 ("wörterbuch.htx"); the file system in UTF-8.
        file.relative = Cp1252FromUtf8(relative);
        const fs::path target = m_folder / relative;
        fs::create_directories(target.parent_path());
        std::ofstream out(target, std::ios::binary);
        out << (page ? DeflateZlib(file.text) : file.text);
        if (!data)
            (page ? m_pages : m_exerciseFiles).push_back(std::move(file));
    }
    const auto byName = [](const ContentFile& a, const ContentFile& b) { return a.relative < b.relative; };
    std::sort(m_pages.begin(), m_pages.end(), byName);
    std::sort(m_exerciseFiles.begin(), m_exerciseFiles.end(), byName);
}

ShippedContent::~ShippedContent() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

const ContentFile* ShippedContent::FindPage(std::string_view relative) const {
    for (const ContentFile& page : m_pages) {
        if (page.relative == relative) {
            return &page;
        }
    }
    return nullptr;
}

std::string ShippedContent::ProgramPathOf(std::string_view relative) const {
    return ProgramPath(m_folder) + "/" + std::string(relative);
}

std::string ShippedContent::Folder(std::string_view relative) const {
    return FolderPart(ProgramPathOf(relative));
}

bool ShippedContent::IsIncluded(std::string_view relative) const {
    const std::string tag = "INCLUDE HREF=\"" + FileName(relative) + "\"";
    const std::string parentTag = "INCLUDE HREF=\"../" + FileName(relative) + "\"";
    return std::any_of(m_pages.begin(), m_pages.end(), [&](const ContentFile& page) {
        return page.text.find(tag) != std::string::npos || page.text.find(parentTag) != std::string::npos;
    });
}

} // namespace qor::test
