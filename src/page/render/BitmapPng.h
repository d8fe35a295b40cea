#pragma once
// Saving a drawing surface as a PNG file, for render tests and the gallery tool.

#include "page/render/TXBitmap.h"

#include <filesystem>

namespace qor {

// False for an empty bitmap or when the file cannot be written.
bool SavePng(const TXBitmap& bitmap, const std::filesystem::path& path);

} // namespace qor
