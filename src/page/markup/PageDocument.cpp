#include "page/markup/PageDocument.h"

#include "platform/Cp1252.h"

#include <algorithm>

namespace qor {

bool ConditionList::Test(std::string_view name) const {
    return std::any_of(m_names.begin(), m_names.end(),
                       [name](const std::string& held) { return SameTextInsensitive(held, name); });
}

void ConditionList::Set(std::string_view name) {
    if (!Test(name)) {
        m_names.emplace_back(name);
    }
}

void ConditionList::Clear(std::string_view name) {
    std::erase_if(m_names, [name](const std::string& held) { return SameTextInsensitive(held, name); });
}

void PageDocument::Reset() {
    elements.Clear();
    lastStyle = TextStyle{};
    boxes.clear();
    checkBoxes.clear();
    pictures.Clear(); // keeps the pictures marked as kept
    namedRectangles.Clear();
    imageMaps.Clear();

    linkAliases.Clear();
    colourNames.Clear();
    pageColours = PageColourSet{};
    colorBGR = pageColours.background;
    colorTXT = pageColours.text;
    linkColour = pageColours.link;
    title = kDefaultPageTitle;
    enterTarget.clear();
    clickTarget.clear();
    onShow.clear();
    autoJump = AutoJump{};
    backgroundPicture.clear();
    formColour = false;
    compositedPainting = false;
    dragAreaY = kDefaultDragAreaY;
    for (StyleBlock& slot : m_slots) {
        slot = StyleBlock{};
    }

    pendingImageSource.clear();
    pendingTabPosition = 0;
    skipping = false;
    titleMode = false;
    lastCondition.clear();
}

} // namespace qor
