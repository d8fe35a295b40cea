#pragma once
// The superlearning options as they lie in the registry: names, ranges and defaults.

#include "platform/Cp1252.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

inline constexpr std::string_view kSuperKey = "SOFTWARE\\QOR\\qor französisch\\Super"_cp;

enum class SuperInt {
    KlassikFaktor,
    Modus,
    Faktor,
    TextDelay,
    Madness,
    Musik,
    TechnoRand,
    TechnoMode,
    TechnoFrameDelay,
    TechnoTextDelay,
    TechnoSpeed,
    TechnoTransparenz,
    DDTextDelay,
    DDCharDelay,
    DDBGRDelay,
    VegasFaktor,
};
inline constexpr std::size_t kSuperIntCount = 16;

enum class SuperFlag { Sprachausgabe, TechnoScrolling, TechnoFading, OhneHintergrund, SchwarzWeiss };
inline constexpr std::size_t kSuperFlagCount = 5;

enum class SuperText { Schrift, MP3, TechnoPhotoDir, TechnoSchrift, DD };
inline constexpr std::size_t kSuperTextCount = 5;

// Colours are Windows colour values as they are stored; the two groups fall back together.
enum class SuperColour { CarsonBGRColor, CarsonTXTColor, TechnoBGRColor, TechnoTextColor, TechnoBMPColor };
inline constexpr std::size_t kSuperColourCount = 5;

struct SuperIntEntry {
    SuperInt id;
    std::string_view name;
    int minimum;
    int maximum;
    int fallback;
};

inline constexpr std::array<SuperIntEntry, kSuperIntCount> kSuperIntTable = {{
    {SuperInt::KlassikFaktor, "KlassikFaktor", 20, 180, 100},
    {SuperInt::Modus, "Modus", 0, 1, 0},
    {SuperInt::Faktor, "Faktor", 50, 400, 100},
    {SuperInt::TextDelay, "TextDelay", 0, 100, 80},
    {SuperInt::Madness, "Madness", 1, 10, 9},
    {SuperInt::Musik, "Musik", 0, 2, 2},
    {SuperInt::TechnoRand, "TechnoRand", 0, 200, 100},
    {SuperInt::TechnoMode, "TechnoMode", 0, 8, 0},
    {SuperInt::TechnoFrameDelay, "TechnoFrameDelay", 0, 100000, 4000},
    {SuperInt::TechnoTextDelay, "TechnoTextDelay", 0, 100000, 3000},
    {SuperInt::TechnoSpeed, "TechnoSpeed", -25, 25, 1},
    {SuperInt::TechnoTransparenz, "TechnoTransparenz", 0, 100, 40},
    {SuperInt::DDTextDelay, "DDTextDelay", 1000, 20000, 2000},
    {SuperInt::DDCharDelay, "DDCharDelay", 10, 1000, 40},
    {SuperInt::DDBGRDelay, "DDBGRDelay", 0, 600, 60},
    {SuperInt::VegasFaktor, "VegasFaktor", 20, 200, 100},
}};

struct SuperFlagEntry {
    SuperFlag id;
    std::string_view name;
    bool fallback; // Sprachausgabe's default depends on the wave folder instead
};

inline constexpr std::array<SuperFlagEntry, kSuperFlagCount> kSuperFlagTable = {{
    {SuperFlag::Sprachausgabe, "Sprachausgabe", false},
    {SuperFlag::TechnoScrolling, "TechnoScrolling", false},
    {SuperFlag::TechnoFading, "TechnoFading", true},
    {SuperFlag::OhneHintergrund, "OhneHintergrund", false},
    {SuperFlag::SchwarzWeiss, "Schwarz-Weiß"_cp, false},
}};

inline constexpr std::array<std::string_view, kSuperTextCount> kSuperTextNames = {
    "Schrift", "MP3", "TechnoPhotoDir", "TechnoSchrift", "DD"};

struct SuperColourEntry {
    SuperColour id;
    std::string_view name;
    std::string_view fallback; // as stored
    int group;
};

inline constexpr std::array<SuperColourEntry, kSuperColourCount> kSuperColourTable = {{
    {SuperColour::CarsonBGRColor, "CarsonBGRColor", "FFFFFF", 1},
    {SuperColour::CarsonTXTColor, "CarsonTXTColor", "0", 1},
    {SuperColour::TechnoBGRColor, "TechnoBGRColor", "000000", 2},
    {SuperColour::TechnoTextColor, "TechnoTextColor", "FFFFFF", 2},
    {SuperColour::TechnoBMPColor, "TechnoBMPColor", "990099", 2},
}};

const SuperIntEntry& EntryOf(SuperInt id);

// A stored colour: one to eight hexadecimal digits without prefix or sign (either case).
std::optional<std::int32_t> ParseHexColour(std::string_view text);
// Six digits at least, upper case ("00FF00").
std::string FormatHexColour(std::int32_t colour);

int ClampToRange(const SuperIntEntry& entry, std::int64_t value);

} // namespace qor
