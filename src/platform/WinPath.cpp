#include "platform/WinPath.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qor {

namespace fs = std::filesystem;

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string WithTrailingSeparator(std::string_view folder) {
    std::string out(folder);
    if (!out.empty() && !IsPathSeparator(out.back()))
        out += kPathSeparator;
    return out;
}

namespace {

std::size_t LastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsPathSeparator(path[i - 1]))
            return i - 1;
    return std::string_view::npos;
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The entry of `folder` whose name equals `component` in Windows-1252 capitals. Several such
// entries can only exist on a case-sensitive file system; the smallest name is taken so the
// choice does not depend on the order the folder happens to list them in.
std::optional<std::string> FindInsensitiveEntry(const fs::path& folder, std::string_view component) {
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    if (error)
        return std::nullopt;
    std::optional<std::string> best;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            break;
        std::string name = it->path().filename().string();
        if (!SameTextInsensitive(Cp1252FromUtf8(name), component))
            continue;
        if (!best || name < *best)
            best = std::move(name);
    }
    return best;
}

} // namespace

std::string FolderPart(std::string_view path) {
    std::size_t last = LastSeparator(path);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string FileNamePart(std::string_view path) {
    std::size_t last = LastSeparator(path);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ExtensionPart(std::string_view path) {
    std::string name = FileNamePart(path);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

namespace {

// The component-by-component walk with the case-insensitive fallback.
fs::path WalkNativePath(std::string_view programPath) {
    fs::path result;
    if (!programPath.empty() && IsPathSeparator(programPath.front()))
        result = "/";
    // Once a component is missing, nothing below it can exist, so the folder scans stop there.
    bool lookUp = true;
    std::size_t start = 0;
    while (start <= programPath.size()) {
        std::size_t end = start;
        while (end < programPath.size() && !IsPathSeparator(programPath[end]))
            ++end;
        std::string_view component = programPath.substr(start, end - start);
        start = end + 1;
        if (component.empty() || component == ".")
            continue;
        if (component == "..") {
            // Windows removes ".." by the text of the path, not by following links.
            if (result.has_filename() && result.filename() != "..")
                result = result.parent_path();
            else if (result != "/")
                result /= "..";
            continue;
        }
        fs::path exact = result / Utf8FromCp1252(component);
        if (!lookUp || Exists(exact)) {
            result = std::move(exact);
            continue;
        }
        if (auto found = FindInsensitiveEntry(result, component)) {
            result /= *found;
        } else {
            result = std::move(exact);
            lookUp = false;
        }
    }
    if (!programPath.empty() && IsPathSeparator(programPath.back()) && result.has_filename())
        result /= "";
    return result;
}

// The file-system path when every component exists exactly as written: "." dropped and ".."
// applied by the text as in the walk, separators made native. Empty when no component is left
// (the walk then has nothing to look up either).
struct LiteralPath {
    std::string withoutTrailing; // what the walk checks its last component with
    std::string native;          // the walk's result, the trailing separator kept
};

LiteralPath LiteralNativePath(std::string_view programPath) {
    const bool rooted = !programPath.empty() && IsPathSeparator(programPath.front());
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= programPath.size()) {
        std::size_t end = start;
        while (end < programPath.size() && !IsPathSeparator(programPath[end]))
            ++end;
        const std::string_view component = programPath.substr(start, end - start);
        start = end + 1;
        if (component.empty() || component == ".")
            continue;
        if (component == "..") {
            if (!components.empty() && components.back() != "..")
                components.pop_back();
            else if (!rooted || !components.empty())
                components.emplace_back("..");
            continue;
        }
        components.push_back(Utf8FromCp1252(component));
    }
    LiteralPath literal;
    if (components.empty())
        return literal;
    for (const std::string& component : components) {
        if (rooted || !literal.withoutTrailing.empty())
            literal.withoutTrailing += '/';
        literal.withoutTrailing += component;
    }
    literal.native = literal.withoutTrailing;
    if (IsPathSeparator(programPath.back()))
        literal.native += '/';
    return literal;
}

// stat() of the path as written: a page switch asks about paths that exist as written, and one
// call answers then. Anything else goes the long way, which gives the same answer.
std::optional<struct stat> StatLiteral(const LiteralPath& literal) {
    struct stat status {};
    if (literal.native.empty() || ::stat(literal.native.c_str(), &status) != 0)
        return std::nullopt;
    return status;
}

} // namespace

fs::path NativePath(std::string_view programPath) {
    // When the whole path exists as written, so does every component on the way: the walk would
    // keep each as written, and one lstat() answers for all of them.
    const LiteralPath literal = LiteralNativePath(programPath);
    struct stat status {};
    if (!literal.withoutTrailing.empty() && ::lstat(literal.withoutTrailing.c_str(), &status) == 0)
        return fs::path(literal.native);
    return WalkNativePath(programPath);
}

std::string ProgramPath(const fs::path& nativePath) {
    return Cp1252FromUtf8(nativePath.string());
}

std::optional<NativeFileInfo> FindNativeFile(std::string_view programPath) {
    if (programPath.empty())
        return std::nullopt;
    const LiteralPath literal = LiteralNativePath(programPath);
    fs::path path;
    std::optional<struct stat> status = StatLiteral(literal);
    if (status) {
        path = literal.native;
    } else {
        path = WalkNativePath(programPath);
        struct stat walked {};
        if (::stat(path.c_str(), &walked) == 0)
            status = walked;
    }
    if (!status || !S_ISREG(status->st_mode))
        return std::nullopt;
    NativeFileInfo file;
    file.path = std::move(path);
    file.identity.device = static_cast<std::uint64_t>(status->st_dev);
    file.identity.inode = static_cast<std::uint64_t>(status->st_ino);
    file.identity.size = static_cast<std::int64_t>(status->st_size);
    file.identity.modified = std::int64_t{status->st_mtim.tv_sec} * 1'000'000'000 + status->st_mtim.tv_nsec;
    file.identity.changed = std::int64_t{status->st_ctim.tv_sec} * 1'000'000'000 + status->st_ctim.tv_nsec;
    return file;
}

std::optional<fs::path> NativeFilePath(std::string_view programPath) {
    std::optional<NativeFileInfo> file = FindNativeFile(programPath);
    if (!file)
        return std::nullopt;
    return std::move(file->path);
}

bool FileExists(std::string_view programPath) {
    if (programPath.empty())
        return false;
    if (const auto status = StatLiteral(LiteralNativePath(programPath)))
        return S_ISREG(status->st_mode);
    std::error_code error;
    return fs::is_regular_file(WalkNativePath(programPath), error);
}

bool DirectoryExists(std::string_view programPath) {
    if (programPath.empty())
        return false;
    if (const auto status = StatLiteral(LiteralNativePath(programPath)))
        return S_ISDIR(status->st_mode);
    std::error_code error;
    return fs::is_directory(WalkNativePath(programPath), error);
}

bool PathExists(std::string_view programPath) {
    if (programPath.empty())
        return false;
    if (StatLiteral(LiteralNativePath(programPath)))
        return true;
    std::error_code error;
    return fs::exists(WalkNativePath(programPath), error);
}

bool ReadWholeNativeFile(const fs::path& nativePath, std::string& contents, std::uintmax_t maxBytes) {
    std::error_code error;
    if (!fs::is_regular_file(nativePath, error))
        return false;
    std::ifstream in(nativePath, std::ios::binary);
    if (!in)
        return false;
    std::string data;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        std::streamsize got = in.gcount();
        if (got <= 0)
            break;
        // Checked while reading: the file may grow after its size was looked at.
        if (data.size() + static_cast<std::uintmax_t>(got) > maxBytes)
            return false;
        data.append(buffer, static_cast<std::size_t>(got));
    }
    if (in.bad())
        return false;
    contents = std::move(data);
    return true;
}

bool ReadWholeFile(std::string_view programPath, std::string& contents, std::uintmax_t maxBytes) {
    if (programPath.empty())
        return false;
    return ReadWholeNativeFile(NativePath(programPath), contents, maxBytes);
}

namespace {

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Opens a new temporary file beside `target`; -1 when none could be created.
int CreateTemporaryBeside(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Built by appending: GCC 12 at -O3 misreads `"." + string` as an overlapping copy.
        std::string name(1, '.');
        name.append(target.filename().string());
        name.append(".tmp").append(std::to_string(::getpid())).append("-").append(std::to_string(counter++));
        temporary = folder / name;
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool WriteFileAtomically(const fs::path& nativePath, std::string_view contents) {
    if (!nativePath.has_filename())
        return false;
    fs::path temporary;
    int fd = CreateTemporaryBeside(nativePath, temporary);
    if (fd < 0)
        return false;
    // A replaced file keeps its permissions; a new one gets the usual ones (0666 less the umask).
    struct stat old {};
    if (::stat(nativePath.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    bool ok = WriteAll(fd, contents) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temporary.c_str(), nativePath.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Makes the rename itself durable; a failure here cannot undo the write any more.
    fs::path folder = nativePath.parent_path();
    int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace qor
