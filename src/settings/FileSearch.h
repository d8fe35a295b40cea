#pragma once
// The files of a folder and its sub-folders with given extensions, as the superlearning options
// look for music, pictures and background pages.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Full program paths of the files in `folder` (and every plain sub-folder that is not hidden by a
// leading dot) whose lower-cased extension equals one of `extensions` (".mp3"), in name order.
// Empty when the folder does not exist.
std::vector<std::string> FindFilesByExtension(std::string_view folder,
                                              const std::vector<std::string_view>& extensions);

} // namespace qor
