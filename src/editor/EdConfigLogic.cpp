#include "editor/EdConfigLogic.h"

#include "platform/Cp1252.h"
#include "platform/FileNames.h"

#include <algorithm>
#include <charconv>

namespace qor {

namespace {

// "Default" written exactly so is the name the list never selects; "default" is not listed anyway.
constexpr std::string_view kUnselectedSchemeName = "Default";

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Enter takes fewer than six digits as well, as a number RRGGBB ("FF" is blue).
std::optional<std::int32_t> ParseShortRrggbb(std::string_view text) {
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    return ParseRrggbb(std::string(6 - text.size(), '0') + std::string(text));
}

} // namespace

EdConfigLogic::EdConfigLogic(EditorScheme& scheme, SchemeEditorView& editor, const FontService& fonts,
                             std::string programFolder, std::function<void()> storeSchemeName)
    : m_scheme(scheme), m_editor(editor), m_fonts(fonts), m_programFolder(std::move(programFolder)),
      m_storeSchemeName(std::move(storeSchemeName)) {}

void EdConfigLogic::Open() {
    m_openingColours = m_scheme.colours;
    m_openingName = m_scheme.name;
    m_names = NamedSchemes(m_programFolder);
}

int EdConfigLogic::SelectedScheme() const {
    if (m_scheme.name == kUnselectedSchemeName)
        return -1;
    for (std::size_t index = 0; index < m_names.size(); ++index)
        if (SameTextInsensitive(m_names[index], m_scheme.name))
            return static_cast<int>(index);
    return -1;
}

int EdConfigLogic::CurrentSize() const {
    return m_scheme.sizes[std::clamp(m_editor.HeightClass(), 0, kSchemeSizeCount - 1)];
}

ColourFieldOutcome EdConfigLogic::ColourFieldChanged(int index, std::string_view text, ColourEntry entry) {
    ColourFieldOutcome outcome;
    if (index < 0 || index >= kSchemeColourCount)
        return outcome;
    std::optional<std::int32_t> colour;
    if (entry == ColourEntry::Enter) {
        colour = ParseShortRrggbb(text);
        if (!colour)
            return outcome;
    } else {
        if (text.size() != 6)
            return outcome;
        colour = ParseRrggbb(text);
        if (!colour) {
            outcome.resetText = FormatRrggbb(m_scheme.colours[index]);
            return outcome;
        }
    }
    if (*colour == m_scheme.colours[index])
        return outcome;
    m_scheme.colours[index] = *colour;
    m_scheme.changed = true;
    m_editor.ApplySchemeColours(m_scheme);
    RenameToWorkingScheme();
    outcome.applied = true;
    return outcome;
}

void EdConfigLogic::FontChosen(std::string_view fontName) {
    m_scheme.fontName = std::string(fontName);
    m_editor.ApplySchemeFont(m_scheme, CurrentSize());
    RenameToWorkingScheme();
}

bool EdConfigLogic::SizeTyped(std::string_view text) {
    const std::optional<int> size = WholeNumber(text);
    if (!size || *size < kDialogMinSize || *size > kDialogMaxSize || *size == CurrentSize())
        return false;
    m_scheme.sizes[std::clamp(m_editor.HeightClass(), 0, kSchemeSizeCount - 1)] = *size;
    m_scheme.changed = true;
    m_editor.ApplySchemeFont(m_scheme, *size);
    RenameToWorkingScheme();
    return true;
}

void EdConfigLogic::BoldToggled() {
    m_scheme.bold = !m_scheme.bold;
    m_editor.ApplySchemeFont(m_scheme, CurrentSize());
    RenameToWorkingScheme();
}

bool EdConfigLogic::SchemeChosen(std::string_view name) {
    const std::string_view wanted = name.empty() ? kUnselectedSchemeName : name;
    if (!LoadScheme(m_programFolder, wanted, m_scheme, m_fonts))
        return false;
    m_editor.ApplySchemeColours(m_scheme);
    m_editor.ApplySchemeFont(m_scheme, CurrentSize());
    return true;
}

int EdConfigLogic::SavedAs(std::string_view name) {
    SaveScheme(m_programFolder, name, m_scheme);
    m_scheme.name = std::string(name);
    int index = SelectedScheme();
    if (index < 0) {
        const auto position = std::lower_bound(
            m_names.begin(), m_names.end(), name,
            [](const std::string& a, std::string_view b) { return CompareTextInsensitive(a, b) < 0; });
        index = static_cast<int>(position - m_names.begin());
        m_names.insert(position, std::string(name));
    }
    if (m_storeSchemeName)
        m_storeSchemeName();
    return index;
}

void EdConfigLogic::Ok() {
    if (m_scheme.name != m_openingName && m_storeSchemeName)
        m_storeSchemeName();
}

void EdConfigLogic::Cancel() {
    m_scheme.colours = m_openingColours;
    m_scheme.name = m_openingName;
    m_scheme.changed = false;
    m_editor.ApplySchemeFont(m_scheme, CurrentSize());
    m_editor.ApplySchemeColours(m_scheme);
}

void EdConfigLogic::RenameToWorkingScheme() {
    m_scheme.name = std::string(kWorkingSchemeName);
}

std::optional<std::string> SchemeNameError(std::string_view name) {
    if (name.empty())
        return std::string("Bitte einen Namen eingeben");
    if (HasInvalidFileNameChar(name))
        return "Der Name darf keines der folgenden Zeichen enthalten: " + std::string(kInvalidFileNameChars);
    return std::nullopt;
}

} // namespace qor
