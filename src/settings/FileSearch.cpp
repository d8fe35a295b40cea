#include "settings/FileSearch.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace qor {

namespace {

void Search(const std::filesystem::path& folder, const std::vector<std::string_view>& extensions,
            std::vector<std::string>& found, int depth) {
    // Links are not followed, so a depth limit only guards against absurdly deep trees.
    if (depth > 32)
        return;
    std::error_code error;
    std::vector<std::filesystem::directory_entry> entries;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    for (const auto& entry : entries) {
        std::string name = ProgramPath(entry.path().filename());
        if (entry.is_symlink(error))
            continue;
        if (entry.is_directory(error)) {
            if (!name.empty() && name.front() != '.')
                Search(entry.path(), extensions, found, depth + 1);
            continue;
        }
        if (!entry.is_regular_file(error))
            continue;
        std::string extension = LowerCp1252(ExtensionPart(name));
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end())
            found.push_back(ProgramPath(entry.path()));
    }
}

} // namespace

std::vector<std::string> FindFilesByExtension(std::string_view folder,
                                              const std::vector<std::string_view>& extensions) {
    std::vector<std::string> found;
    if (folder.empty() || !DirectoryExists(folder))
        return found;
    Search(NativePath(folder), extensions, found, 0);
    return found;
}

} // namespace qor
