#include "app/FileCount.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace qor {

namespace {

namespace fs = std::filesystem;

struct FolderEntry {
    std::string name; // Windows-1252
    bool searchable = false;
    bool countable = false;
};

std::vector<FolderEntry> ListFolder(std::string_view folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    fs::directory_iterator it(NativePath(folder), error);
    if (error)
        return entries;
    for (const fs::directory_entry& entry : it) {
        FolderEntry item;
        item.name = ProgramPath(entry.path().filename());
        std::error_code statusError;
        bool isLink = entry.is_symlink(statusError);
        bool isDirectory = entry.is_directory(statusError);
        item.searchable = isDirectory && !isLink && !item.name.starts_with('.');
        item.countable = !isDirectory;
        entries.push_back(std::move(item));
    }
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        int order = CompareTextInsensitive(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return entries;
}

} // namespace

int CountFilesByExtension(std::string_view folder, std::vector<std::string>* list, std::string_view ext1,
                          std::optional<std::string_view> ext2) {
    if (!DirectoryExists(folder))
        return 0;
    std::string base = WithTrailingSeparator(folder);
    int count = 0;
    for (const FolderEntry& entry : ListFolder(base)) {
        if (entry.name == "." || entry.name == "..")
            continue;
        if (entry.searchable) {
            CountFilesByExtension(base + entry.name, list, ext1, ext2);
            continue;
        }
        if (!entry.countable)
            continue;
        std::string extension = LowerCp1252(ExtensionPart(entry.name));
        if (extension == ext1 || (ext2 && extension == *ext2)) {
            ++count;
            if (list)
                list->push_back(base + entry.name);
        }
    }
    return count;
}

} // namespace qor
