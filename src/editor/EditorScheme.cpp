#include "editor/EditorScheme.h"

#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/WinPath.h"
#include "vocab/VocText.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

namespace qor {

namespace {

// A scheme file has eleven short lines; anything far larger is not one.
constexpr std::uintmax_t kMaxSchemeFileBytes = 1 << 20;
constexpr int kMediumHeightFrom = 534;
constexpr int kLargeHeightFrom = 701;

// A size outside the file's range (the dialog allows larger ones) falls back to the default.
int ParseSchemeSize(std::string_view value, int fallback) {
    int size = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), size);
    if (error != std::errc{} || end != value.data() + value.size() || value.empty())
        return fallback;
    if (size < kSchemeFileMinSize || size > kSchemeFileMaxSize)
        return fallback;
    return size;
}

void TakeSchemeValue(std::string_view upperKey, const std::string& value, EditorScheme& scheme,
                     const FontService& fonts) {
    if (upperKey == "SCHRIFT") {
        scheme.fontName = fonts.IsInstalled(value) ? value : std::string(kFallbackSchemeFont);
        return;
    }
    if (upperKey == "FETT") {
        scheme.bold = value == "1";
        return;
    }
    for (int index = 0; index < kSchemeSizeCount; ++index) {
        if (upperKey == "SIZE" + std::to_string(index + 1)) {
            scheme.sizes[index] = ParseSchemeSize(value, kSchemeDefaultSizes[index]);
            return;
        }
    }
    for (int index = 0; index < kSchemeColourCount; ++index) {
        if (upperKey == "FARBE" + std::to_string(index + 1)) {
            scheme.colours[index] = ParseSchemeColour(UpperCp1252(value));
            return;
        }
    }
}

} // namespace

int SchemeHeightClass(int clientHeight) {
    if (clientHeight >= kLargeHeightFrom)
        return 2;
    if (clientHeight >= kMediumHeightFrom)
        return 1;
    return 0;
}

std::optional<std::int32_t> ParseRrggbb(std::string_view text) {
    if (text.size() != 6)
        return std::nullopt;
    std::int32_t rgb = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        rgb = rgb * 16 + digit;
    }
    const std::int32_t red = (rgb >> 16) & 0xFF;
    const std::int32_t green = (rgb >> 8) & 0xFF;
    const std::int32_t blue = rgb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

std::string FormatRrggbb(std::int32_t colour) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const int channels[3] = {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
    std::string text;
    for (int channel : channels) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 0xF];
    }
    return text;
}

std::int32_t ParseSchemeColour(std::string_view value) {
    if (value.empty() || value.front() != '#')
        return kSchemeMissingHashColour;
    return ParseRrggbb(value.substr(1)).value_or(kSchemeBadDigitsColour);
}

void ReadSchemeText(std::string_view text, EditorScheme& scheme, const FontService& fonts) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            const std::string key = UpperCp1252(vocab::Trim(line.substr(0, equals)));
            TakeSchemeValue(key, vocab::Trim(line.substr(equals + 1)), scheme, fonts);
        }
        start = end + 1;
    }
    scheme.changed = false;
}

std::string FormatSchemeText(const EditorScheme& scheme) {
    std::string text = "SCHRIFT=" + scheme.fontName + "\r\n";
    text += scheme.bold ? "FETT=1\r\n" : "FETT=0\r\n";
    for (int index = 0; index < kSchemeSizeCount; ++index)
        text += "SIZE" + std::to_string(index + 1) + "=" + std::to_string(scheme.sizes[index]) + "\r\n";
    for (int index = 0; index < kSchemeColourCount; ++index)
        text += "FARBE" + std::to_string(index + 1) + "=#" + FormatRrggbb(scheme.colours[index]) + "\r\n";
    return text;
}

std::string SchemeFilePath(std::string_view programFolder, std::string_view name) {
    return WithTrailingSeparator(programFolder) + "editor" + kPathSeparator + std::string(name) + ".ed";
}

bool LoadScheme(std::string_view programFolder, std::string_view name, EditorScheme& scheme,
                const FontService& fonts) {
    const std::string path = SchemeFilePath(programFolder, name);
    std::string contents;
    if (!FileExists(path) || !ReadWholeFile(path, contents, kMaxSchemeFileBytes))
        return false;
    ReadSchemeText(contents, scheme, fonts);
    scheme.name = std::string(name);
    return true;
}

bool SaveScheme(std::string_view programFolder, std::string_view name, const EditorScheme& scheme) {
    // The "editor" folder comes with the program, but a learner may have removed it; the program
    // folder itself is never made here.
    std::error_code error;
    std::filesystem::create_directory(NativePath(WithTrailingSeparator(programFolder) + "editor"), error);
    return WriteFileAtomically(NativePath(SchemeFilePath(programFolder, name)), FormatSchemeText(scheme));
}

bool SaveChangedScheme(std::string_view programFolder, const EditorScheme& scheme) {
    if (!scheme.changed)
        return false;
    return SaveScheme(programFolder, kWorkingSchemeName, scheme);
}

std::vector<std::string> SchemeFontChoices(const FontService& fonts) {
    std::vector<std::string> choices;
    for (std::string_view name : {"Andale Mono", "Arial", "Comic Sans MS", "Courier New", "Georgia", "Tahoma",
                                  "Times New Roman", "Verdana"})
        if (fonts.IsInstalled(name))
            choices.emplace_back(name);
    return choices;
}

std::vector<std::string> NamedSchemes(std::string_view programFolder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    const fs::path folder = NativePath(WithTrailingSeparator(programFolder) + "editor");
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        const std::string file = ProgramPath(it->path().filename());
        if (!SameTextInsensitive(ExtensionPart(file), ".ed"))
            continue;
        std::string name = file.substr(0, file.size() - 3);
        if (!SameTextInsensitive(name, kWorkingSchemeName))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareTextInsensitive(a, b) < 0; });
    return names;
}

} // namespace qor
