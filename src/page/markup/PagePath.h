#pragma once
// How a page names other files: link targets, INCLUDE, pictures and sounds are resolved against
// the page folder, and "!+" / "!-" name the next or previous page of a numbered series.

#include <string>
#include <string_view>

namespace qor {

// The path of `name` seen from a page in `pageFolder` (which ends in a separator):
// a leading "*" is kept in front of the result; everything from the first "@" on is dropped;
// "ex ... file=name ..." names the exercise file `name`; "/" becomes "\"; a name with a drive
// ("C:") or a "\\server" prefix stays as it is; a leading "\" or "/" hangs the name below the
// page folder; each leading "..\" climbs one folder. A leading "/" that starts a path of this
// system (one the program built from its folders: its first folder exists at the root) keeps the
// path as it is, unless the page folder holds the file the name gives below it.
// Climbing stops at the root ("C:\", "\\server\share\", "/"), as it does on Windows; an
// exercise reference whose "file=" names nothing gives an empty path, like one without "file=".
std::string ResolvePagePath(std::string_view pageFolder, std::string_view name);

// Whether `path` names its file without the page folder: a drive, a "\\server" prefix, or on this
// system a leading "/".
bool IsAbsolutePagePath(std::string_view path);

// The numbered page next to `currentFile`: the two digits before the extension dot (or the one
// digit, or 0) are stepped by `step` (+1 or -1); two digits stay two digits.
// "lek07.htx" +1 → "lek08.htx", "lek9.htx" +1 → "lek10.htx", "lek.htx" +1 → "lek1.htx".
std::string NumberedPageName(std::string_view currentFile, int step);

} // namespace qor
