#include "vocab/VocText.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <charconv>

namespace qor::vocab {

namespace {

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsTrimmed(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsTrimmed(text[begin]))
        ++begin;
    return TrimRight(text.substr(begin));
}

std::vector<std::string> SplitMeaningList(std::string_view text) {
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    std::string_view rest = text;
    for (std::size_t semicolon = rest.find(';'); semicolon != std::string_view::npos;
         semicolon = rest.find(';')) {
        pieces.push_back(TrimRight(rest.substr(0, semicolon)));
        rest = rest.substr(std::min(rest.size(), semicolon + 2));
    }
    pieces.emplace_back(rest);
    return pieces;
}

bool SameMeaningSets(std::string_view a, std::string_view b) {
    const std::vector<std::string> first = SplitMeaningList(a);
    const std::vector<std::string> second = SplitMeaningList(b);
    if (first.size() != second.size())
        return false;
    return std::all_of(first.begin(), first.end(), [&second](const std::string& part) {
        return std::any_of(second.begin(), second.end(),
                           [&part](const std::string& other) { return SameTextInsensitive(part, other); });
    });
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string result;
    std::size_t start = 0;
    for (std::size_t hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, start)) {
        result.append(text.substr(start, hit - start));
        result.append(to);
        start = hit + from.size();
    }
    result.append(text.substr(start));
    return result;
}

std::string JoinTrimmedParts(std::string_view text, char separator) {
    std::string result;
    std::size_t start = 0;
    while (true) {
        std::size_t hit = text.find(separator, start);
        std::string_view part = text.substr(start, hit == std::string_view::npos ? hit : hit - start);
        result += Trim(part);
        if (hit == std::string_view::npos)
            return result;
        result += "; ";
        start = hit + 1;
    }
}

std::string CollapseDoubleBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ' ' && !result.empty() && result.back() == ' ')
            continue;
        result += c;
    }
    return result;
}

bool ParseDecimal(std::string_view text, int& value) {
    std::size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ')
        ++begin;
    bool plus = false;
    if (begin < text.size() && text[begin] == '+') {
        plus = true;
        ++begin;
    }
    if (begin == text.size() || text[begin] == '+' || (plus && text[begin] == '-'))
        return false;
    const char* first = text.data() + begin;
    const char* last = text.data() + text.size();
    int parsed = 0;
    auto [end, error] = std::from_chars(first, last, parsed);
    if (error != std::errc() || end != last)
        return false;
    value = parsed;
    return true;
}

} // namespace qor::vocab
