#pragma once
// Counting the files of a folder by extension, searching its sub-folders.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Counts the entries of `folder` whose lower-cased extension (with its dot, ".qob") equals `ext1`
// or, when given, `ext2`, and appends their full program paths to `list` when given. Sub-folders are
// searched too and add to `list`, but the count is that of `folder` alone. Returns 0 when the
// folder does not exist.
//
// Windows searched only folders whose attributes were exactly "directory" (no hidden, system or
// read-only ones). Here a folder is searched when it is a plain directory, not a symbolic link (no
// cycles) and not hidden by a leading dot; folders are never counted, whatever their name. The
// entries are visited in name order so the list is the same on every system.
int CountFilesByExtension(std::string_view folder, std::vector<std::string>* list, std::string_view ext1,
                          std::optional<std::string_view> ext2 = std::nullopt);

} // namespace qor
