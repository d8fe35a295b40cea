#pragma once
// Reading page files: packed pages (".htx", ".hqor", ".xtml", ".xtm") are zlib streams, every other
// page file is plain Windows-1252 text. The text handed to the parser always ends in a carriage
// return; the parser's terminating zero is the string's own.

#include "page/sources/PageFileCache.h"
#include "platform/WinPath.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace qor {

// A page file larger than this on disk is refused without reading it through.
inline constexpr std::uintmax_t kMaxPageFileBytes = std::uintmax_t{64} << 20;
// Inflating stops beyond this much page text; no real page comes near it.
inline constexpr std::size_t kMaxPageTextBytes = std::size_t{64} << 20;

// Whether the file name's extension marks a packed page. Extensions are compared exactly as
// written, so "seite.HTX" is a plain page.
bool IsPackedPageFile(std::string_view path);
// Whether the file is an exercise file (".qor", compared exactly).
bool IsExerciseFile(std::string_view path);

// The page text of the file at `path` (a program path). False when it cannot be had; `error` then
// holds the message for the learner (Windows-1252) and `text` is empty.
bool LoadPageText(std::string_view path, std::string& text, std::string& error);
// The same for a page whose file-system path was already looked up (`native`, as NativePath gives
// it); `path` names the file for its extension and for the messages.
bool LoadNativePageText(const std::filesystem::path& native, std::string_view path, std::string& text,
                        std::string& error);
// The same for a file already found, through `cache`: an unchanged file is not read again.
bool LoadFoundPageText(const NativeFileInfo& file, std::string_view path, PageFileCache& cache,
                       std::string& text, std::string& error);

// The same for file contents already in memory; `path` names the file for its extension and for
// the messages.
bool PageTextFromBytes(std::string_view path, std::string_view bytes, std::string& text, std::string& error);

} // namespace qor
