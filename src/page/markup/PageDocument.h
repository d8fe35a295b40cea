#pragma once
// The document model of one page and the registers that its tags fill. The parser writes here;
// layout, painting and interaction read from here. Everything is Windows-1252 text.

#include "page/markup/TextStyle.h"
#include "page/render/PageContainers.h"
#include "page/render/PictureCache.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr std::string_view kDefaultPageTitle = "ohne Titel";
inline constexpr int kDefaultPageWidth = 800;
inline constexpr int kDefaultPageHeight = 572;
inline constexpr int kDefaultDragAreaY = 350;

// The page colours that BODY sets; every new page starts from these defaults.
struct PageColourSet {
    std::int32_t background = 0xFFFFFF;
    std::int32_t text = 0x000000;
    std::int32_t link = 0x008000;
    std::int32_t gap = 0xFFFFFF;
    std::int32_t block = 0xC0C0C0;
    std::int32_t blockBackground = 0x00FF00;
    std::int32_t choiceActive = 0x0000FF;
    std::int32_t choiceInactive = 0x808080;

    bool operator==(const PageColourSet&) const = default;
};

// The names of the conditions that hold. Names keep the case they were set with, but tests and
// removals ignore case: pages write "IF Next" as readily as the host sets "next".
class ConditionList {
public:
    bool Test(std::string_view name) const;
    void Set(std::string_view name); // adds the name once
    void Clear(std::string_view name);
    void ClearAll() { m_names.clear(); }
    const std::vector<std::string>& Names() const { return m_names; }

private:
    std::vector<std::string> m_names;
};

// Every link, gap and check box registers a rectangle by name; the layout fills in where it lies.
// The same name may occur several times; the index is what the style carries.
class NamedRectangleList {
public:
    int Register(std::string_view name) {
        m_names.emplace_back(name);
        return static_cast<int>(m_names.size()) - 1;
    }
    int Count() const { return static_cast<int>(m_names.size()); }
    const std::string& NameAt(int index) const { return m_names[static_cast<std::size_t>(index)]; }
    void Clear() { m_names.clear(); }

private:
    std::vector<std::string> m_names;
};

// BODY WAIT: after `milliseconds` the page follows `target` (when the page allows auto-jumps).
struct AutoJump {
    int milliseconds = 0;
    std::string target;
    bool Active() const { return milliseconds > 0 && !target.empty(); }
};

// Which save slot a tag writes its style block into.
enum class StyleSlot { Font, Heading, Teletype, Preformatted, Link, Emphasis, Count };

// Placeholders for the boxes and check boxes that BOX, ELLIPSE and CHECKBOX will record.
struct PageBoxRecord {};
struct PageCheckBoxRecord {};

class PageDocument {
public:
    PageDocument() = default;
    PageDocument(const PageDocument&) = delete;
    PageDocument& operator=(const PageDocument&) = delete;

    // The page reset before every new page: clears everything the page made, keeps conditions,
    // macros, named styles and kept pictures, and the page folder and current file.
    void Reset();

    // --- document model ---
    tFormatted_text_list elements;
    TextStyle lastStyle; // the style new elements are made from
    std::vector<PageBoxRecord> boxes;
    std::vector<PageCheckBoxRecord> checkBoxes;
    tPicture_list pictures;
    NamedRectangleList namedRectangles;
    tMapList imageMaps;

    // --- registers that survive page changes ---
    ConditionList conditions; // `Bedingung`
    TXAliasList macros;
    TXStyleList namedStyles;

    // --- registers of the current page ---
    TXAliasList linkAliases;
    TXAliasList colourNames;
    PageColourSet pageColours;
    std::int32_t colorBGR = PageColourSet{}.background; // `ColorBGR`
    std::int32_t colorTXT = PageColourSet{}.text;       // `ColorTXT`
    std::int32_t linkColour = PageColourSet{}.link;
    std::string title{kDefaultPageTitle};
    std::string enterTarget;       // A RETURN, ONCLICK RETURN
    std::string clickTarget;       // ONCLICK
    std::string onShow;            // BODY ONSHOW
    AutoJump autoJump;             // BODY WAIT
    std::string backgroundPicture; // BODY BACKGROUND: the path to load behind the page
    bool formColour = false;       // BODY FORM: the host window takes the page background colour
    bool compositedPainting = false;
    int dragAreaY = kDefaultDragAreaY;

    // The one-slot save areas of the style block; a second save overwrites the first.
    StyleBlock& Slot(StyleSlot slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    const StyleBlock& Slot(StyleSlot slot) const { return m_slots[static_cast<std::size_t>(slot)]; }

    // --- parse state shared with the tags ---
    std::string pendingImageSource; // IMG SRC, made into an element when the tag ends
    int pendingTabPosition = 0;     // X: the position of the next word, 0 for none
    bool exerciseItem = false;      // an exercise item is being parsed: "IF #ex" holds
    bool skipping = false;          // inside a false condition or a title
    bool titleMode = false;
    std::string lastCondition;

    // --- where the page is ---
    std::string pageFolder;  // `XPath`, ending in a separator
    std::string currentFile; // `XFile`, relative to the page folder
    int pageWidth = kDefaultPageWidth;
    int pageHeight = kDefaultPageHeight;

    std::string CurrentPagePath() const {
        return currentFile.empty() ? std::string() : pageFolder + currentFile;
    }

private:
    StyleBlock m_slots[static_cast<std::size_t>(StyleSlot::Count)];
};

} // namespace qor
