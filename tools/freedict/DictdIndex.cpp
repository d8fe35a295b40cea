#include "freedict/DictdIndex.h"

namespace qor::freedict {

namespace {

constexpr int kMaxDigits = 8; // 48 bits

int DigitValue(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

std::optional<std::uint64_t> DecodeDictdNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > kMaxDigits)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 64 + static_cast<std::uint64_t>(digit);
    }
    return value;
}

bool IsDictdDatabaseEntry(std::string_view headword) {
    return headword.starts_with("00-database") || headword.starts_with("00database");
}

bool ParseDictdIndex(std::string_view text, std::vector<DictdIndexEntry>& entries, std::string& error) {
    entries.clear();
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        const std::string where = "index line " + std::to_string(lineNumber) + ": ";
        const std::size_t firstTab = line.find('\t');
        const std::size_t secondTab =
            firstTab == std::string_view::npos ? firstTab : line.find('\t', firstTab + 1);
        if (secondTab == std::string_view::npos) {
            error = where + "expected headword, offset and length separated by tabs";
            return false;
        }
        const std::string_view headword = line.substr(0, firstTab);
        const auto offset = DecodeDictdNumber(line.substr(firstTab + 1, secondTab - firstTab - 1));
        // A fourth column (dictd's original headword for folded entries) is allowed and ignored.
        std::string_view lengthText = line.substr(secondTab + 1);
        lengthText = lengthText.substr(0, lengthText.find('\t'));
        const auto length = DecodeDictdNumber(lengthText);
        if (!offset || !length) {
            error = where + "offset or length is not a dictd base-64 number";
            return false;
        }
        if (IsDictdDatabaseEntry(headword))
            continue;
        entries.push_back({std::string(headword), *offset, *length, lineNumber});
    }
    return true;
}

} // namespace qor::freedict
