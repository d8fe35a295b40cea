#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace qor::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-platform-XXXXXX").string();
        char* made = ::mkdtemp(pattern.data());
        m_path = made ? std::filesystem::path(made) : std::filesystem::path();
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view relative) const { return m_path / relative; }

    // Creates the file with its folders (the relative path is UTF-8, '/' separated).
    std::filesystem::path MakeFile(std::string_view relative, std::string_view contents = "x") const {
        std::filesystem::path file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }
    std::filesystem::path MakeFolder(std::string_view relative) const {
        std::filesystem::path folder = m_path / relative;
        std::filesystem::create_directories(folder);
        return folder;
    }

private:
    std::filesystem::path m_path;
};

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Sets an environment variable for one scope and restores the old state afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_hadValue = true;
            m_oldValue = old;
        }
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnvironment() {
        if (m_hadValue)
            ::setenv(m_name.c_str(), m_oldValue.c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    bool m_hadValue = false;
    std::string m_oldValue;
};

} // namespace qor::test
