#include "dictionary/DictionaryFile.h"

#include "platform/WinPath.h"

namespace qor {

DictionaryFileForm FileFormOfPath(std::string_view path) {
    std::string extension = ExtensionPart(path);
    return extension == ".qor" || extension == ".xtm" ? DictionaryFileForm::Compressed
                                                      : DictionaryFileForm::Text;
}

std::vector<DictionaryFileEntry> ParseDictionaryContent(std::string_view content) {
    std::vector<DictionaryFileEntry> entries;
    if (content.empty()) {
        entries.push_back({"_leer", "0", "leer"});
        return entries;
    }
    // A string runs to its 0 byte or, in a damaged file, to the end of the content.
    auto stringAt = [&content](std::size_t start) {
        std::size_t end = content.find('\0', start);
        return content.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    };
    std::size_t position = 0;
    while (content.size() - position >= 2) {
        DictionaryFileEntry entry;
        std::string_view word = stringAt(position);
        entry.word = word;
        std::size_t classStart = position + word.size() + 1;
        if (classStart < content.size())
            entry.wordClass = stringAt(classStart).substr(0, 1);
        std::size_t meaningStart = classStart + 2;
        if (meaningStart < content.size()) {
            std::string_view meaning = stringAt(meaningStart);
            entry.meaning = meaning;
            position = meaningStart + meaning.size() + 1;
        } else {
            position = content.size();
        }
        entries.push_back(std::move(entry));
        if (position > content.size())
            break;
    }
    return entries;
}

namespace {

// A 0 byte inside a text (only a text dictionary can bring one) would end the string early and
// shift every entry after it, so the text is written up to it.
void AppendString(std::string& content, std::string_view text) {
    content += text.substr(0, text.find('\0'));
    content += '\0';
}

} // namespace

std::string DictionaryContent(const std::vector<TXDBEintrag>& entries) {
    std::string content;
    for (const TXDBEintrag& entry : entries) {
        AppendString(content, entry.Vokabel);
        content += static_cast<char>('0' + entry.Wortart);
        content += '\0';
        AppendString(content, entry.Bedeutung);
    }
    return content;
}

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

std::vector<DictionaryFileEntry> ParseTextDictionary(std::string_view text) {
    std::vector<std::string_view> lines = SplitTextLines(text);
    std::vector<DictionaryFileEntry> entries;
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        DictionaryFileEntry entry;
        entry.word = lines[i];
        if (i + 1 < lines.size())
            entry.wordClass = lines[i + 1];
        if (i + 2 < lines.size())
            entry.meaning = lines[i + 2];
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace qor
