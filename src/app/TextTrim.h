#pragma once
// Trimming as the program's texts expect it: blanks and control characters (every byte up to ' ').

#include <string>
#include <string_view>

namespace qor::app {

inline bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

inline std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsTrimmed(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

inline std::string TrimLeft(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsTrimmed(text[begin]))
        ++begin;
    return std::string(text.substr(begin));
}

inline std::string Trim(std::string_view text) {
    return TrimLeft(TrimRight(text));
}

} // namespace qor::app
