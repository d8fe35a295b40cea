#include "page/markup/PagePath.h"

#include "platform/WinPath.h"

#include <algorithm>
#include <cctype>

namespace qor {

namespace {

bool HasDrive(std::string_view name) {
    const bool letterDrive =
        name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
    return letterDrive || name.starts_with("\\\\");
}

// The length of the root part of a folder: "C:\", "\\server\share\" or "/"; 0 for none.
std::size_t RootLength(std::string_view folder) {
    if (folder.size() >= 2 && folder[1] == ':' && std::isalpha(static_cast<unsigned char>(folder[0]))) {
        return folder.size() >= 3 && IsPathSeparator(folder[2]) ? 3 : 2;
    }
    if (folder.starts_with("\\\\")) {
        std::size_t end = 2;
        for (int part = 0; part < 2 && end < folder.size(); ++part) {
            end = folder.find_first_of("\\/", end + (part == 0 ? 0 : 1));
            if (end == std::string_view::npos) {
                return folder.size();
            }
        }
        return std::min(end + 1, folder.size());
    }
    return !folder.empty() && folder.front() == '/' ? 1 : 0;
}

// The page folder with its last folder removed; the separator before that folder stays. A root
// has no parent and stays as it is.
std::string ParentFolder(std::string_view folder) {
    const std::size_t root = RootLength(folder);
    if (folder.size() <= root) {
        return std::string(folder);
    }
    std::size_t end = folder.size();
    if (end > 0 && IsPathSeparator(folder[end - 1])) {
        --end;
    }
    while (end > 0 && !IsPathSeparator(folder[end - 1])) {
        --end;
    }
    return std::string(folder.substr(0, end));
}

// Whether a name beginning "/" is a path of this system rather than a page author's name below the
// page folder. The program's own paths (the page folder, the wave folder + a file) begin with a
// folder that exists at the root; an author's "/bilder/a.jpg" does not. Should both readings
// name something, the page folder's file wins: it is what the author meant.
bool IsSystemPath(std::string_view name, std::string_view belowPageFolder) {
    const std::size_t end = name.find_first_of("\\/", 1);
    const std::string_view first = name.substr(1, end == std::string_view::npos ? name.size() - 1 : end - 1);
    if (first.empty() || first == "." || first == "..") {
        return false;
    }
    return DirectoryExists("/" + std::string(first)) && !FileExists(belowPageFolder);
}

std::string WithoutTrailingSeparator(std::string_view folder) {
    if (!folder.empty() && IsPathSeparator(folder.back())) {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string ResolvePagePath(std::string_view pageFolder, std::string_view name) {
    if (name.empty()) {
        return {};
    }
    std::string kept;
    if (name.front() == '*') {
        kept = "*";
        name.remove_prefix(1);
    }
    if (const std::size_t at = name.find('@'); at != std::string_view::npos) {
        name = name.substr(0, at);
    }
    if (name.starts_with("ex")) {
        const std::size_t file = name.find("file=");
        if (file == std::string_view::npos) {
            return {};
        }
        name = name.substr(file + 5);
        name = name.substr(0, name.find(' '));
        if (name.empty()) {
            return {};
        }
    }
    std::string path(name);
    std::replace(path.begin(), path.end(), '/', '\\');
    if (HasDrive(path)) {
        return kept + path;
    }
    if (path.starts_with('\\')) {
        std::string below = WithoutTrailingSeparator(pageFolder) + path;
        if (name.starts_with('/') && IsSystemPath(name, below)) {
            return kept + std::string(name);
        }
        return kept + below;
    }
    if (path.find("..\\") == std::string::npos) {
        return kept + std::string(pageFolder) + path;
    }
    std::string folder(pageFolder);
    std::string_view rest = path;
    while (rest.starts_with("..\\")) {
        folder = ParentFolder(folder);
        rest.remove_prefix(3);
    }
    return kept + folder + std::string(rest);
}

bool IsAbsolutePagePath(std::string_view path) {
    return HasDrive(path) || path.starts_with('/');
}

std::string NumberedPageName(std::string_view currentFile, int step) {
    std::size_t dot = currentFile.rfind('.');
    const std::size_t lastSeparator = currentFile.find_last_of("\\/");
    if (dot == std::string_view::npos || (lastSeparator != std::string_view::npos && dot < lastSeparator)) {
        dot = currentFile.size();
    }
    std::size_t digits = 0;
    if (dot >= 2 && IsDigit(currentFile[dot - 1]) && IsDigit(currentFile[dot - 2])) {
        digits = 2;
    } else if (dot >= 1 && IsDigit(currentFile[dot - 1])) {
        digits = 1;
    }
    int number = 0;
    for (std::size_t i = dot - digits; i < dot; ++i) {
        number = number * 10 + (currentFile[i] - '0');
    }
    number += step;
    std::string numberText = std::to_string(number);
    if (digits == 2 && numberText.size() < 2) {
        numberText.insert(0, "0");
    }
    return std::string(currentFile.substr(0, dot - digits)) + numberText +
           std::string(currentFile.substr(dot));
}

} // namespace qor
