#include "page/render/LinkRectangles.h"

namespace qor {

int LinkRectangles::Add(LinkRectangle entry) {
    const int index = Count();
    if (entry.element >= 0) {
        const auto element = static_cast<std::size_t>(entry.element);
        if (m_entryOfElement.size() <= element) {
            m_entryOfElement.resize(element + 1, -1);
        }
        if (m_entryOfElement[element] < 0) {
            m_entryOfElement[element] = index;
        }
    }
    m_entries.push_back(std::move(entry));
    return index;
}

void LinkRectangles::Clear() {
    m_entries.clear();
    m_entryOfElement.clear();
}

int LinkRectangles::EntryAt(int x, int y) const {
    for (int i = 0; i < Count(); ++i) {
        if (At(i).Contains(x, y)) {
            return i;
        }
    }
    return -1;
}

int LinkRectangles::EntryOfElement(int element) const {
    if (element < 0 || static_cast<std::size_t>(element) >= m_entryOfElement.size()) {
        return -1;
    }
    return m_entryOfElement[static_cast<std::size_t>(element)];
}

int LinkRectangles::EntryOfName(int name) const {
    for (int i = 0; i < Count(); ++i) {
        if (At(i).name == name && At(i).element < 0) {
            return i;
        }
    }
    return -1;
}

std::pair<int, int> LinkRectangles::Group(int index) const {
    if (index < 0 || index >= Count()) {
        return {-1, -1};
    }
    const auto sameGroup = [this](int a, int b) {
        const LinkRectangle& first = At(a);
        const LinkRectangle& second = At(b);
        return first.name >= 0 && first.name == second.name && first.element >= 0 &&
               second.element == first.element + 1;
    };
    int first = index;
    while (first > 0 && sameGroup(first - 1, first)) {
        --first;
    }
    int last = index;
    while (last + 1 < Count() && sameGroup(last, last + 1)) {
        ++last;
    }
    return {first, last};
}

} // namespace qor
