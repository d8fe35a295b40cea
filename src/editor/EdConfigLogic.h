#pragma once
// What the scheme dialog "Eigenschaften von Editor" does to the scheme and the editor, apart from
// the widgets: the dialog hands each change of a field to one of these functions and shows what
// they report. Every change renames the scheme in use to "default" (the working scheme); only
// colour and size changes set the changed flag, so a mere font choice is not written at the end.

#include "editor/EditorScheme.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class FontService;

// The editor window as the scheme dialog changes it.
class SchemeEditorView {
public:
    virtual ~SchemeEditorView() = default;
    // Shows the scheme's seven colours.
    virtual void ApplySchemeColours(const EditorScheme& scheme) = 0;
    // Sets the editor font from the scheme's name and bold flag with `size`, and lays out the
    // entry frame again.
    virtual void ApplySchemeFont(const EditorScheme& scheme, int size) = 0;
    // 0, 1 or 2 (SchemeHeightClass of the window's client height).
    virtual int HeightClass() const = 0;
};

enum class ColourEntry { Typed, Enter };

struct ColourFieldOutcome {
    bool applied = false;                 // the colour changed (clear the list selection)
    std::optional<std::string> resetText; // put this text back into the field
};

// Sizes the dialog accepts; the file keeps only 6..14 (a larger size reads back as the default).
inline constexpr int kDialogMinSize = 6;
inline constexpr int kDialogMaxSize = 24;

class EdConfigLogic {
public:
    // `storeSchemeName` writes the scheme-name setting (the folder settings' mask 64).
    EdConfigLogic(EditorScheme& scheme, SchemeEditorView& editor, const FontService& fonts,
                  std::string programFolder, std::function<void()> storeSchemeName);

    // [Opening] Keeps the colours and the name for Cancel; the list's entries and the one to select.
    void Open();
    const std::vector<std::string>& SchemeNames() const { return m_names; }
    // Index into SchemeNames() of the scheme in use, -1 for none ("Default" is never selected).
    int SelectedScheme() const;
    int CurrentSize() const;

    // [Changes]
    ColourFieldOutcome ColourFieldChanged(int index, std::string_view text, ColourEntry entry);
    void FontChosen(std::string_view fontName);
    // True when the text was a size from 6 to 24 other than the current one and was taken.
    bool SizeTyped(std::string_view text);
    void BoldToggled();
    // The list's choice (empty means "Default"); true when its file existed and was loaded.
    bool SchemeChosen(std::string_view name);
    // After the save dialog's OK. Returns the index of the name in SchemeNames() (added when
    // missing). A failed write is not reported; the name is in use all the same.
    int SavedAs(std::string_view name);

    // [Closing]
    void Ok();
    void Cancel();

private:
    void RenameToWorkingScheme();

    EditorScheme& m_scheme;
    SchemeEditorView& m_editor;
    const FontService& m_fonts;
    std::string m_programFolder;
    std::function<void()> m_storeSchemeName;
    std::vector<std::string> m_names;
    std::array<std::int32_t, kSchemeColourCount> m_openingColours{};
    std::string m_openingName;
};

// The name the save dialog refuses, with its message; nothing when the name is fine.
std::optional<std::string> SchemeNameError(std::string_view name);

} // namespace qor
