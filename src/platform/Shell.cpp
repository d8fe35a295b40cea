#include "platform/Shell.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor {

namespace fs = std::filesystem;

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeFolder(const std::string& home) {
    if (!home.empty())
        return home;
    if (std::string value = Environment("HOME"); !value.empty())
        return value;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return {};
}

std::string UserName() {
    if (std::string value = Environment("USER"); !value.empty())
        return value;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
        return entry->pw_name;
    return {};
}

bool IsDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The desktop named in user-dirs.dirs: a line XDG_DESKTOP_DIR="$HOME/Schreibtisch".
std::string DesktopFromUserDirs(const std::string& home) {
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/')
        config = home + "/.config";
    std::string text;
    if (!ReadWholeNativeFile(config + "/user-dirs.dirs", text, 1 << 16))
        return {};
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + 1;
        constexpr std::string_view prefix = "XDG_DESKTOP_DIR=\"";
        if (!line.starts_with(prefix) || !line.ends_with('"'))
            continue;
        std::string folder(line.substr(prefix.size(), line.size() - prefix.size() - 1));
        if (folder.starts_with("$HOME"))
            folder = home + folder.substr(5);
        return folder.starts_with('/') ? folder : std::string();
    }
    return {};
}

// A desktop-entry value: backslash and line breaks are escaped, everything else is literal.
std::string EntryValue(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

// The program as one quoted argument of an Exec line: inside the quotes `"`, `` ` ``, `$` and `\`
// take a backslash, and a field code `%` is doubled.
std::string ExecArgument(std::string_view path) {
    std::string out = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            out += '\\';
        if (c == '%')
            out += '%';
        out += c;
    }
    return out + "\"";
}

} // namespace

std::string ShellFolder(int place, const std::string& home) {
    std::string homeFolder = HomeFolder(home);
    switch (place) {
    case 0: {
        std::string desktop = Environment("XDG_DESKTOP_DIR");
        if (desktop.empty() && !homeFolder.empty())
            desktop = DesktopFromUserDirs(homeFolder);
        if (desktop.empty() && !homeFolder.empty())
            desktop = homeFolder + "/Desktop";
        return !desktop.empty() && IsDirectory(desktop) ? desktop : std::string();
    }
    case 3:
    case 4: {
        std::string data = Environment("XDG_DATA_HOME");
        if (data.empty() || data.front() != '/') {
            if (homeFolder.empty())
                return {};
            data = homeFolder + "/.local/share";
        }
        std::string folder = data + "/applications";
        std::error_code error;
        fs::create_directories(folder, error);
        return IsDirectory(folder) ? folder : std::string();
    }
    default:
        return {};
    }
}

bool CreateShellLink(std::string_view programPath, std::string_view title, int place,
                     const std::string& home) {
    std::string folder = ShellFolder(place, home);
    if (folder.empty() || title.empty())
        return false;
    std::string fileName = Utf8FromCp1252(title);
    std::replace(fileName.begin(), fileName.end(), '/', '_');
    std::string program = NativePath(programPath).string();
    std::string entry = "[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=" +
                        EntryValue(Utf8FromCp1252(title)) +
                        "\n"
                        "Exec=" +
                        EntryValue(ExecArgument(program)) +
                        "\n"
                        "Terminal=false\n";
    fs::path target = fs::path(folder) / (fileName + ".desktop");
    if (!WriteFileAtomically(target, entry))
        return false;
    // Desktops start a launcher on the desktop only when it is marked executable.
    ::chmod(target.c_str(), 0755);
    return true;
}

std::vector<std::string> DriveRoots() {
    std::vector<std::string> roots;
    auto add = [&roots](const fs::path& folder) {
        std::string root = WithTrailingSeparator(ProgramPath(folder));
        if (std::find(roots.begin(), roots.end(), root) == roots.end())
            roots.push_back(std::move(root));
    };
    if (const char* list = std::getenv("QOR_DRIVE_ROOTS")) {
        std::string_view text = list;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = std::min(text.find(':', start), text.size());
            if (end > start)
                add(fs::path(std::string(text.substr(start, end - start))));
            start = end + 1;
        }
        return roots;
    }
    std::string user = UserName();
    std::vector<fs::path> parents;
    if (!user.empty()) {
        parents.push_back(fs::path("/media") / user);
        parents.push_back(fs::path("/run/media") / user);
    }
    parents.push_back("/media");
    parents.push_back("/mnt");
    for (const fs::path& parent : parents) {
        std::vector<fs::path> children;
        std::error_code error;
        for (fs::directory_iterator it(parent, error); !error && it != fs::directory_iterator();
             it.increment(error)) {
            // The per-user folder under /media holds media; it is not one itself.
            if (it->is_directory(error) && !(parent == "/media" && it->path().filename() == user))
                children.push_back(it->path());
        }
        std::sort(children.begin(), children.end());
        for (const fs::path& child : children)
            add(child);
    }
    return roots;
}

namespace {

WebAddressOpener& CurrentWebAddressOpener() {
    static WebAddressOpener opener;
    return opener;
}

} // namespace

void SetWebAddressOpener(WebAddressOpener opener) {
    CurrentWebAddressOpener() = std::move(opener);
}

bool OpenWebAddress(std::string_view url) {
    const WebAddressOpener& opener = CurrentWebAddressOpener();
    return opener && opener(url);
}

} // namespace qor
