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
// A regular file (or a link to one) opened for reading, found as NativeFilePath finds it. A file
// whose path is written as it lies on disk costs one look-up in the system, not a check and then
// an open.
class NativeFile {
public:
    NativeFile() = default;
    explicit NativeFile(std::string_view programPath);
    ~NativeFile();
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&& other) noexcept;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    bool Found() const { return m_found; }
    int Descriptor() const { return m_fd; }               // -1 when not found or not opened
    int Error() const { return m_error; }                 // errno when found but not opened
    const std::filesystem::path& Path() const { return m_path; } // NativeFilePath's answer

private:
    void Close();

    std::filesystem::path m_path;
    int m_fd = -1;
    int m_error = 0;
    bool m_found = false;
};

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
