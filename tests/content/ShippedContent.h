#pragma once
// The pages and exercise files that ship with the program, read from content/hqor (UTF-8) and
// written, as the build does, into a page folder of our own: pages packed, exercise files plain,
// all in Windows-1252. INCLUDE and numbered pages ("!+") then read real files.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qor::test {

struct ContentFile {
    std::string relative; // the shipped name, e.g. "kurs/lektion01.htx"
    std::string text;     // Windows-1252
    bool lossless = true; // the UTF-8 source fits the code page
};

class ShippedContent {
public:
    // Converts and writes everything into a fresh temporary folder; the destructor removes it.
    ShippedContent();
    ~ShippedContent();
    ShippedContent(const ShippedContent&) = delete;
    ShippedContent& operator=(const ShippedContent&) = delete;

    // The source folder content/hqor.
    static std::filesystem::path Sources();

    const std::vector<ContentFile>& Pages() const { return m_pages; }
    const std::vector<ContentFile>& ExerciseFiles() const { return m_exerciseFiles; }
    const ContentFile* FindPage(std::string_view relative) const;

    // The page folder (`XPath`) of a shipped file, as the program writes folders.
    std::string Folder(std::string_view relative) const;
    // The program path of a shipped file.
    std::string ProgramPathOf(std::string_view relative) const;

    // Parts of pages (looks and headers) that other pages INCLUDE: they are no pages of their own.
    bool IsIncluded(std::string_view relative) const;

private:
    std::filesystem::path m_folder;
    std::vector<ContentFile> m_pages;
    std::vector<ContentFile> m_exerciseFiles;
};

bool EndsWith(std::string_view text, std::string_view end);
std::string FileName(std::string_view relative);

} // namespace qor::test
