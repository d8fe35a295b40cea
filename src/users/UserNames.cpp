#include "users/UserNames.h"

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
    fs::path path;
    bool searchable = false;
    bool isFile = false;
};

std::vector<FolderEntry> ListFolder(const fs::path& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error)
        return entries;
    for (const fs::directory_entry& entry : it) {
        FolderEntry item;
        item.name = ProgramPath(entry.path().filename());
        item.path = entry.path();
        std::error_code statusError;
        bool isLink = entry.is_symlink(statusError);
        bool isDirectory = entry.is_directory(statusError);
        item.searchable = isDirectory && !isLink && !item.name.starts_with('.');
        item.isFile = !isDirectory;
        entries.push_back(std::move(item));
    }
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        int order = CompareTextInsensitive(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return entries;
}

// Depth-limited so that a pathological folder tree cannot run the stack out.
void CollectUserNames(const fs::path& folder, int depth, std::vector<std::string>& names) {
    if (depth > 32)
        return;
    for (const FolderEntry& entry : ListFolder(folder)) {
        if (entry.searchable) {
            CollectUserNames(entry.path, depth + 1, names);
            continue;
        }
        if (!entry.isFile || LowerCp1252(ExtensionPart(entry.name)) != ".qob")
            continue;
        if (entry.name.size() < kUserFileSuffix.size())
            continue;
        std::string_view name = entry.name;
        if (!SameTextInsensitive(name.substr(name.size() - kUserFileSuffix.size()), kUserFileSuffix))
            continue;
        names.emplace_back(name.substr(0, name.size() - kUserFileSuffix.size()));
    }
}

} // namespace

std::string UserFilePathIn(std::string_view userFolder, std::string_view name) {
    return std::string(userFolder) + std::string(name) + std::string(kUserFileSuffix);
}

std::string UserLogPathIn(std::string_view userFolder, std::string_view name) {
    return std::string(userFolder) + std::string(name) + "_F_LOG.txt";
}

std::vector<std::string> FindUserNames(std::string_view userFolder) {
    std::vector<std::string> names;
    if (DirectoryExists(userFolder))
        CollectUserNames(NativePath(userFolder), 0, names);
    return names;
}

} // namespace qor
