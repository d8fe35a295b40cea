#include "users/UserFile.h"

#include "platform/Zlib.h"
#include "users/UserTime.h"

namespace qor {

std::string TrimmedField(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

namespace {

std::vector<std::string_view> SplitAtZeros(std::string_view text) {
    std::vector<std::string_view> strings;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\0', start);
        if (end == std::string_view::npos)
            end = text.size();
        strings.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return strings;
}

void AppendString(std::string& text, std::string_view value) {
    text += value;
    text += '\0';
}

} // namespace

std::string CredentialsText(std::string_view name, std::string_view password) {
    std::string credentials(name);
    credentials += ':';
    credentials += password;
    return credentials;
}

UserFileContent ParseUserFileText(std::string_view text) {
    UserFileContent content;
    std::vector<std::string_view> strings = SplitAtZeros(text);
    if (strings.empty())
        return content;
    content.credentials = std::string(strings[0]);
    std::size_t next = 1;
    if (next < strings.size() && strings[next].starts_with('!')) {
        content.learningTime = ParseLongTime(strings[next].substr(1)).value_or(0.0);
        ++next;
    }
    for (; next < strings.size(); next += 3) {
        TXUserVoc record;
        record.key = TrimmedField(strings[next]);
        if (next + 1 < strings.size())
            record.scores = TrimmedField(strings[next + 1]);
        if (next + 2 < strings.size())
            record.modes = TrimmedField(strings[next + 2]);
        content.records.push_back(std::move(record));
    }
    return content;
}

std::string UserFileText(const UserFileContent& content) {
    std::string text;
    AppendString(text, content.credentials);
    // Appended rather than "!" + time: g++ 12 at -O3 takes the prepending insert for an overlapping copy.
    std::string learningTime = "!";
    learningTime += FormatLongTime(content.learningTime);
    AppendString(text, learningTime);
    for (const TXUserVoc& record : content.records) {
        AppendString(text, record.key);
        AppendString(text, record.scores);
        AppendString(text, record.modes);
    }
    return text;
}

UserFileState DecodeUserFile(std::string_view fileBytes, UserFileContent& content) {
    content = UserFileContent{};
    if (fileBytes.empty())
        return UserFileState::Empty;
    std::string text;
    if (InflateZlib(fileBytes, text, kUserFileTextLimit) != InflateStatus::Ok)
        return UserFileState::Damaged;
    if (text.empty())
        return UserFileState::Empty;
    content = ParseUserFileText(text);
    return UserFileState::Content;
}

std::string EncodeUserFile(const UserFileContent& content) {
    return DeflateZlib(UserFileText(content));
}

} // namespace qor
