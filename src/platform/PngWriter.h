#pragma once
// A small PNG encoder (8-bit RGB, no filtering) for tests and tools that need to look at a
// drawn picture. Rows come in blue, green, red byte order, top row first.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace qor {

// The PNG file of the picture; empty when the size is not positive or the encoder fails.
std::string EncodePng(int width, int height, const std::uint8_t* bgrRows, std::size_t stride);

// Writes the PNG through a temporary file; false when encoding or writing fails.
bool WritePng(const std::filesystem::path& path, int width, int height, const std::uint8_t* bgrRows,
              std::size_t stride);

} // namespace qor
