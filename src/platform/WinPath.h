#pragma once
// The program works on Windows-style paths in Windows-1252 ("XF:\LA\1\a.wav" resolved to
// "/media/cd/wave/LA\1\a.wav", "..\bilder\a.jpg"). This is the one place where such a path becomes a
// file-system path: backslashes become the native separator, the text becomes UTF-8, and on a
// case-sensitive file system a component that does not exist as written is matched without regard
// to case.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The separator our own folder strings end with on this platform ('/' on Linux, '\' on Windows).
inline constexpr char kPathSeparator = '/';

bool IsPathSeparator(char c);
// Appends kPathSeparator unless the text is empty or already ends with '\' or '/'.
std::string WithTrailingSeparator(std::string_view folder);
// Everything up to and including the last separator ("" when there is none).
std::string FolderPart(std::string_view path);
// Everything after the last separator.
std::string FileNamePart(std::string_view path);
// The extension including its dot ("" when the file name has none).
std::string ExtensionPart(std::string_view path);

// The file-system path of a program path (Windows-1252, either separator), with the
// case-insensitive fallback applied to every component that does not exist as written (when a
// case-sensitive folder holds several matches, the smallest name wins). "." is dropped and ".."
// removes the component before it, by the text of the path as Windows does.
std::filesystem::path NativePath(std::string_view programPath);
// NativePath of a program path that names a regular file (or a link to one), in one look-up;
// nothing when FileExists would say no.
std::optional<std::filesystem::path> NativeFilePath(std::string_view programPath);
// Which file a path leads to, and in which state: while the identity stays the same, the file
// has not been replaced or written to (as far as its file system's clock can tell).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified = 0; // nanoseconds
    std::int64_t changed = 0;  // nanoseconds
    bool operator==(const FileIdentity&) const = default;
};

struct NativeFileInfo {
    std::filesystem::path path; // as NativeFilePath gives it
    FileIdentity identity;
};

// NativeFilePath with the identity of the file found, in the same look-up.
std::optional<NativeFileInfo> FindNativeFile(std::string_view programPath);

// The program path of a file-system path (UTF-8 → Windows-1252, separators kept as '/').
std::string ProgramPath(const std::filesystem::path& nativePath);

bool FileExists(std::string_view programPath);      // a regular file (or a link to one)
bool DirectoryExists(std::string_view programPath); // a folder
bool PathExists(std::string_view programPath);

// Reads a whole file; false when it cannot be read or is larger than `maxBytes`.
bool ReadWholeFile(std::string_view programPath, std::string& contents,
                   std::uintmax_t maxBytes = std::uintmax_t{1} << 31);
// The same for a file-system path (the stores keep native paths).
bool ReadWholeNativeFile(const std::filesystem::path& nativePath, std::string& contents,
                         std::uintmax_t maxBytes = std::uintmax_t{1} << 31);
// Writes through a temporary file beside the target and renames it over the target, so the old
// file survives any failure. False when anything failed.
bool WriteFileAtomically(const std::filesystem::path& nativePath, std::string_view contents);

} // namespace qor
