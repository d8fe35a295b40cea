#pragma once
// The editor scheme: font and colours of the vocabulary editor, kept in "editor\<name>.ed" files
// of the program folder as "KEY=value" lines. The scheme named "default" is the working scheme;
// it is written back when the editor closes with the changed flag set.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class FontService;

inline constexpr int kSchemeColourCount = 7;
inline constexpr int kSchemeSizeCount = 3;
inline constexpr int kSchemeFileMinSize = 6;
inline constexpr int kSchemeFileMaxSize = 14;
inline constexpr std::array<int, kSchemeSizeCount> kSchemeDefaultSizes = {9, 10, 14};
// Windows colour values (red in the low byte).
inline constexpr std::int32_t kSchemeMissingHashColour = 0xC0C0C0; // light grey
inline constexpr std::int32_t kSchemeBadDigitsColour = 0xFF0000;   // pure blue
inline constexpr std::string_view kFallbackSchemeFont = "Arial";
inline constexpr std::string_view kWorkingSchemeName = "default";

struct EditorScheme {
    std::string fontName = std::string(kFallbackSchemeFont);
    bool bold = false;
    // Font sizes for the editor's three window height classes (see SchemeHeightClass).
    std::array<int, kSchemeSizeCount> sizes = kSchemeDefaultSizes;
    // List frame, list, list button panel, entry frame, entry fields, dictionary panel,
    // dictionary fields.
    std::array<std::int32_t, kSchemeColourCount> colours = {0xC0C0C0, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0,
                                                            0xFFFFFF, 0xC0C0C0, 0xFFFFFF};
    std::string name = std::string(kWorkingSchemeName);
    bool changed = false;
};

// 0 for client heights up to 533, 1 for 534..700, 2 above.
int SchemeHeightClass(int clientHeight);

// Six hexadecimal digits RRGGBB (either case) as a Windows colour; nothing for any other text.
std::optional<std::int32_t> ParseRrggbb(std::string_view text);
// The six upper-case digits RRGGBB of a Windows colour.
std::string FormatRrggbb(std::int32_t colour);
// A FARBE value: "#RRGGBB"; without "#" light grey, with bad digits pure blue.
std::int32_t ParseSchemeColour(std::string_view value);

// Takes every known key of a scheme text (any order, CR LF or LF); keys missing from the text keep
// their values. Clears the changed flag; the name is left to the caller.
void ReadSchemeText(std::string_view text, EditorScheme& scheme, const FontService& fonts);
// The eleven lines of a scheme file, CR LF each.
std::string FormatSchemeText(const EditorScheme& scheme);

// Program folder + "editor\" + name + ".ed".
std::string SchemeFilePath(std::string_view programFolder, std::string_view name);
// Reads the scheme file of `name` and makes it the scheme in use; false (scheme untouched) when
// the file does not exist or cannot be read.
bool LoadScheme(std::string_view programFolder, std::string_view name, EditorScheme& scheme,
                const FontService& fonts);
// Through a temporary file, so a failed write leaves the old scheme file as it was.
bool SaveScheme(std::string_view programFolder, std::string_view name, const EditorScheme& scheme);
// When the editor closes: a changed scheme goes to "default.ed". True when it was written.
bool SaveChangedScheme(std::string_view programFolder, const EditorScheme& scheme);
// The fonts the scheme dialog offers: the usual Windows fonts that are installed, sorted.
std::vector<std::string> SchemeFontChoices(const FontService& fonts);

// The scheme names of the "editor" folder (file names without ".ed", "default" left out), sorted
// without regard to case.
std::vector<std::string> NamedSchemes(std::string_view programFolder);

} // namespace qor
