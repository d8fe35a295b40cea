#include "page/sources/PageFile.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "platform/Zlib.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor {

namespace {

std::string PageMessage(std::string_view path, std::string_view what) {
    std::string message = "Die Seite ";
    message += path;
    message += what;
    return message;
}

std::string TooLargeMessage(std::string_view path) {
    return PageMessage(path, " ist zu groß."_cp);
}

std::string DamagedMessage(std::string_view path) {
    return PageMessage(path, " ist beschädigt."_cp);
}

// Why the file at `path` could not be read (`error` is the system's error number), in the
// learner's words and naming the file.
std::string ReadErrorMessage(std::string_view path, int error) {
    std::string file = "Die Datei ";
    file += path;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return file + " wurde nicht gefunden.";
    case EACCES:
    case EPERM:
        return file + std::string(" darf nicht gelesen werden (keine Zugriffsberechtigung)."_cp);
    case EISDIR:
        return std::string(path) + " ist ein Ordner und keine Datei.";
    default:
        return file + " konnte nicht gelesen werden.";
    }
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

enum class ReadResult { Ok, TooLarge, Failed };

// Reads the whole file; on failure `error` holds errno. A page file fits the first read and the
// second finds its end, so its size is only looked at when the first read comes back full: a huge
// file is refused before the rest of it is read. A folder fails the first read with EISDIR.
ReadResult ReadDescriptorBytes(int fd, std::string& bytes, int& error) {
    char buffer[65536];
    bool sizeChecked = false;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return ReadResult::Failed;
        }
        if (got == 0)
            return ReadResult::Ok;
        if (!sizeChecked && static_cast<std::size_t>(got) == sizeof buffer) {
            sizeChecked = true;
            struct stat status {};
            if (::fstat(fd, &status) != 0) {
                error = errno;
                return ReadResult::Failed;
            }
            if (status.st_size > 0 && static_cast<std::uintmax_t>(status.st_size) > kMaxPageFileBytes)
                return ReadResult::TooLarge;
        }
        // Checked while reading as well: the file may grow after its size was looked at.
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxPageFileBytes)
            return ReadResult::TooLarge;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

ReadResult ReadFileBytes(const std::filesystem::path& native, std::string& bytes, int& error) {
    FileDescriptor file(::open(native.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        error = errno;
        return ReadResult::Failed;
    }
    return ReadDescriptorBytes(file.Get(), bytes, error);
}

bool TextFromRead(ReadResult read, std::string_view path, const std::string& bytes, int systemError,
                  std::string& text, std::string& error) {
    switch (read) {
    case ReadResult::Ok:
        return PageTextFromBytes(path, bytes, text, error);
    case ReadResult::TooLarge:
        error = TooLargeMessage(path);
        return false;
    case ReadResult::Failed:
        error = ReadErrorMessage(path, systemError);
        return false;
    }
    return false;
}

} // namespace

bool IsPackedPageFile(std::string_view path) {
    const std::string extension = ExtensionPart(path);
    return extension == ".htx" || extension == ".hqor" || extension == ".xtml" || extension == ".xtm";
}

bool IsExerciseFile(std::string_view path) {
    return ExtensionPart(path) == ".qor";
}

bool PageTextFromBytes(std::string_view path, std::string_view bytes, std::string& text, std::string& error) {
    text.clear();
    error.clear();
    if (IsPackedPageFile(path)) {
        switch (InflateZlib(bytes, text, kMaxPageTextBytes)) {
        case InflateStatus::Ok:
            break;
        case InflateStatus::TooLarge:
            error = TooLargeMessage(path);
            return false;
        case InflateStatus::Truncated:
        case InflateStatus::Corrupt:
            error = DamagedMessage(path);
            return false;
        }
    } else {
        text.assign(bytes);
    }
    if (text.empty() || text.back() != '\r')
        text += '\r';
    return true;
}

bool LoadPageText(std::string_view path, std::string& text, std::string& error) {
    return LoadNativePageText(NativePath(path), path, text, error);
}

bool LoadNativePageText(const std::filesystem::path& native, std::string_view path, std::string& text,
                        std::string& error) {
    text.clear();
    error.clear();
    std::string bytes;
    int systemError = 0;
    const ReadResult read = ReadFileBytes(native, bytes, systemError);
    return TextFromRead(read, path, bytes, systemError, text, error);
}

bool LoadFoundPageText(const NativeFileInfo& file, std::string_view path, PageFileCache& cache,
                       std::string& text, std::string& error) {
    if (const std::string* kept = cache.Find(file)) {
        return PageTextFromBytes(path, *kept, text, error);
    }
    text.clear();
    error.clear();
    std::string bytes;
    int systemError = 0;
    const ReadResult read = ReadFileBytes(file.path, bytes, systemError);
    if (!TextFromRead(read, path, bytes, systemError, text, error)) {
        return false;
    }
    // Kept only once it gave a page: a damaged file shows its message every time.
    cache.Keep(file, std::move(bytes));
    return true;
}

} // namespace qor
