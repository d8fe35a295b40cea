#include "page/sources/ExerciseFile.h"

#include <algorithm>

namespace qor {

namespace {

constexpr std::string_view kIdentifier = "QOR!";
constexpr std::string_view kItemStart = "<EX>";
constexpr std::string_view kItemsEnd = "</EX>";

int ReadCount(std::string_view digits) {
    int count = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            break;
        count = count * 10 + (c - '0');
    }
    return count;
}

} // namespace

std::string ExerciseFile::PageText(std::size_t index) const {
    std::string text = header;
    if (index < items.size())
        text += items[index];
    text += trailer;
    if (text.empty() || text.back() != '\r')
        text += '\r';
    return text;
}

bool ReadExerciseFile(std::string_view text, ExerciseFile& file) {
    file = ExerciseFile{};
    if (!text.starts_with(kIdentifier))
        return false;
    text.remove_prefix(kIdentifier.size());
    file.count = ReadCount(text.substr(0, 2));
    text.remove_prefix(std::min<std::size_t>(2, text.size()));
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);

    std::size_t start = text.find(kItemStart);
    file.header = text.substr(0, start);
    while (start != std::string_view::npos) {
        const std::size_t itemBegin = start + kItemStart.size();
        const std::size_t nextItem = text.find(kItemStart, itemBegin);
        const std::size_t end = text.find(kItemsEnd, itemBegin);
        if (end != std::string_view::npos && (nextItem == std::string_view::npos || end < nextItem)) {
            file.items.emplace_back(text.substr(itemBegin, end - itemBegin));
            file.trailer = text.substr(end + kItemsEnd.size());
            break;
        }
        file.items.emplace_back(text.substr(
            itemBegin, nextItem == std::string_view::npos ? std::string_view::npos : nextItem - itemBegin));
        start = nextItem;
    }
    return true;
}

} // namespace qor
