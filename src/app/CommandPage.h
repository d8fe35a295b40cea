#pragma once
// The main window's page control as the page commands see it. The page control itself lives in the
// page engine; the main window hands over an adapter, and tests a recording fake.

#include "page/render/TXBitmap.h"

#include <string>
#include <string_view>

namespace qor {

class CommandPage {
public:
    virtual ~CommandPage() = default;

    // `XFile` as it was set: the page file relative to the page folder ("v_bereich.htx").
    virtual std::string CurrentFile() const = 0;
    // Sets `XFile`: a name relative to the page folder, or a full path.
    virtual void LoadPage(std::string_view file) = 0;
    // Sets `XPath`.
    virtual void SetPageFolder(std::string_view folder) = 0;
    // Loads the current page file again.
    virtual void Reload() = 0;
    // Shows `markup` as a page of its own, without a file.
    virtual void ShowText(std::string_view markup) = 0;

    // `Bedingung`: setting adds the name once, clearing removes it.
    virtual void SetCondition(std::string_view name) = 0;
    virtual void ClearCondition(std::string_view name) = 0;
    virtual bool TestCondition(std::string_view name) const = 0;
    virtual void SetMacro(std::string_view name, std::string_view value) = 0;

    virtual void SetBackgroundColour(Colour colour) = 0;                // `ColorBGR`
    virtual void SetSpecialCharacters(std::string_view characters) = 0; // `Sonderzeichen`

    // Before a presentation takes over the page: the normal cursor instead of the hourglass of a
    // running command, and mouse input on the page enabled again.
    virtual void ShowNormalCursor() = 0;
    virtual void EnableMouseInput() = 0;
};

// Sets the condition when `holds`, clears it otherwise.
inline void SetConditionTo(CommandPage& page, std::string_view name, bool holds) {
    if (holds)
        page.SetCondition(name);
    else
        page.ClearCondition(name);
}

} // namespace qor
