#include "freedict/Supplement.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "vocab/AscFile.h"
#include "vocab/VocText.h"

#include <algorithm>

namespace qor::freedict {

namespace {

constexpr std::uintmax_t kMaxSourceBytes = std::uintmax_t{16} << 20;

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    while (true) {
        const std::size_t bar = line.find('|');
        fields.push_back(vocab::Trim(line.substr(0, bar)));
        if (bar == std::string_view::npos)
            return fields;
        line.remove_prefix(bar + 1);
    }
}

std::vector<std::filesystem::path> FilesBelow(const std::filesystem::path& folder, std::string_view ending,
                                              bool recursive) {
    std::vector<std::filesystem::path> files;
    std::error_code code;
    auto take = [&](const std::filesystem::directory_entry& entry) {
        if (entry.is_regular_file(code) && entry.path().filename().string().ends_with(ending))
            files.push_back(entry.path());
    };
    if (recursive) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, code))
            take(entry);
    } else {
        for (const auto& entry : std::filesystem::directory_iterator(folder, code))
            take(entry);
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool ReadSource(const std::filesystem::path& file, std::string& text, std::string& error) {
    std::string utf8;
    if (!ReadWholeNativeFile(file, utf8, kMaxSourceBytes)) {
        error = file.string() + ": cannot read";
        return false;
    }
    bool lossless = true;
    text = Cp1252FromUtf8(utf8, &lossless);
    if (!lossless) {
        error = file.string() + ": holds characters outside Windows-1252";
        return false;
    }
    return true;
}

} // namespace

void AddLibraryPairs(std::string_view ascText, std::vector<VocabularyPair>& pairs) {
    for (const TVokabel& entry : ParseAsc(ascText).entries) {
        if (entry.IsBlank())
            continue;
        const int wordClass = std::clamp(entry.Wortart + 1, 1, 6);
        std::vector<std::string> meanings = vocab::SplitMeaningList(entry.Bedeutung0);
        for (std::string& further : vocab::SplitMeaningList(entry.Bedeutung1))
            meanings.push_back(std::move(further));
        for (const std::string& meaning : meanings) {
            const std::string trimmed = vocab::Trim(meaning);
            if (trimmed.empty())
                continue;
            if (entry.Deutsch)
                pairs.push_back({trimmed, entry.Vokabel, wordClass, true});
            else
                pairs.push_back({entry.Vokabel, trimmed, wordClass, false});
        }
    }
}

bool ReadSupplementText(std::string_view text, Supplement& supplement, std::string& error) {
    TextLines lines(text);
    for (int number = 1; !lines.AtEnd(); ++number) {
        const std::string line = vocab::Trim(lines.Next());
        if (line.empty() || line.starts_with('#'))
            continue;
        const std::vector<std::string> fields = Fields(line);
        const std::string where = "line " + std::to_string(number) + ": ";
        if (fields[0] == "vulg") {
            if (fields.size() != 2 || fields[1].empty()) {
                error = where + "expected \"vulg | WORT\"";
                return false;
            }
            supplement.vulgar.Add(fields[1]);
            continue;
        }
        int wordClass = 0;
        if (fields.size() != 4 || (fields[0] != "f" && fields[0] != "d") ||
            !vocab::ParseDecimal(fields[1], wordClass) || wordClass < 1 || wordClass > 6 ||
            fields[2].empty() || fields[3].empty()) {
            error = where + "expected \"f|d | WORTART 1..6 | STICHWORT | BEDEUTUNG; ...\"";
            return false;
        }
        for (const std::string& meaning : vocab::SplitMeaningList(fields[3])) {
            const std::string trimmed = vocab::Trim(meaning);
            if (trimmed.empty())
                continue;
            if (fields[0] == "d")
                supplement.pairs.push_back({trimmed, fields[2], wordClass, true});
            else
                supplement.pairs.push_back({fields[2], trimmed, wordClass, false});
        }
    }
    return true;
}

bool ReadVocabularyFolder(const std::filesystem::path& folder, Supplement& supplement, std::string& error) {
    if (!std::filesystem::is_directory(folder)) {
        error = folder.string() + ": no such folder";
        return false;
    }
    for (const std::filesystem::path& file : FilesBelow(folder, ".asc.txt", true)) {
        std::string text;
        if (!ReadSource(file, text, error))
            return false;
        AddLibraryPairs(text, supplement.pairs);
    }
    return true;
}

bool ReadSupplementFolder(const std::filesystem::path& folder, Supplement& supplement, std::string& error) {
    if (!std::filesystem::is_directory(folder)) {
        error = folder.string() + ": no such folder";
        return false;
    }
    for (const std::filesystem::path& file : FilesBelow(folder, ".txt", false)) {
        std::string text;
        if (!ReadSource(file, text, error))
            return false;
        if (!ReadSupplementText(text, supplement, error)) {
            error = file.string() + ", " + error;
            return false;
        }
    }
    return true;
}

} // namespace qor::freedict
